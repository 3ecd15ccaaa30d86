#include "recording.h"

#include <algorithm>

namespace record {

Recording::Recording(std::function<Clock::time_point()> now) : now_(std::move(now)), since_(now_()) {}

std::chrono::nanoseconds Recording::elapsed() const
{
    std::chrono::nanoseconds active = active_;
    if (!paused_ && !stopped_)
        active += now_() - since_;
    return std::min(active, kLongest);
}

std::chrono::nanoseconds Recording::length() const
{
    return frames_.empty() ? std::chrono::nanoseconds(0) : elapsed() - frames_.front().start;
}

bool Recording::add(const calclink::Bitmap &screen, Clock::time_point at)
{
    if (stopped()) {
        stop();
        return false;
    }
    ++screens_;
    std::chrono::nanoseconds time = active_;
    if (!paused_ && at > since_)
        time = std::min(active_ + (at - since_), kLongest);
    if (frames_.empty()) {
        frames_.push_back({screen, time});
        return true;
    }
    if (time - frames_.back().start < kShortestFrame) {
        frames_.back().screen = screen; // within the last frame's shortest time: this screen stands for it
        return true;
    }
    settle();
    if (frames_.back().screen != screen)
        frames_.push_back({screen, std::max(time, frames_.back().start)});
    return true;
}

void Recording::settle()
{
    // The last frame's shortest time is over: one that ended like the frame before it is part of that one.
    if (frames_.size() > 1 && frames_[frames_.size() - 2].screen == frames_.back().screen)
        frames_.pop_back();
}

void Recording::setPaused(bool paused)
{
    if (stopped_ || paused == paused_)
        return;
    if (paused)
        active_ = elapsed();
    else
        since_ = now_();
    paused_ = paused;
}

void Recording::stop()
{
    if (stopped_)
        return;
    active_ = elapsed();
    stopped_ = true;
    settle();
}

} // namespace record
