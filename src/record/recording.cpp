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

bool Recording::add(const calclink::Bitmap &screen)
{
    if (stopped()) {
        stop();
        return false;
    }
    ++screens_;
    if (frames_.empty() || frames_.back().screen != screen)
        frames_.push_back({screen, elapsed()});
    return true;
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
}

} // namespace record
