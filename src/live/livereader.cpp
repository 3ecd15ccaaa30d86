#include "livereader.h"

#include <algorithm>

#include "linkerror.h"

LiveReader::LiveReader(const calclink::LinkChoice &choice, std::function<void()> changed,
                       std::optional<calclink::LinkTimeouts> timeouts, const calclink::Trace &trace,
                       ScreenRead screenRead)
    : changed_(std::move(changed)), screenRead_(std::move(screenRead)), since_(Clock::now())
{
    reader_ = std::make_unique<calclink::ScreenReader>(
        choice, [this](const calclink::ScreenReader::Reading &reading) { return take(reading); }, stop_, timeouts,
        trace);
}

void LiveReader::setPaused(bool paused)
{
    {
        std::unique_lock lock(mutex_);
        if (paused_ == paused)
            return;
        paused_ = paused;
        since_ = Clock::now();
        reads_.clear();
        news_.state = paused ? State::Paused : State::Reading;
        news_.reason.clear();
        tell(lock);
    }
    reader_->setPaused(paused);
}

bool LiveReader::paused() const
{
    std::lock_guard lock(mutex_);
    return paused_;
}

LiveReader::News LiveReader::news()
{
    std::lock_guard lock(mutex_);
    told_ = false;
    const Clock::time_point now = Clock::now();
    while (!reads_.empty() && now - reads_.front() > kRateSpan)
        reads_.pop_front();
    const auto span = std::chrono::duration<double>(std::min<Clock::duration>(now - since_, kRateSpan));
    news_.screensPerSecond = span.count() > 0 ? double(reads_.size()) / span.count() : 0;
    News news = news_;
    news_.screenChanged = false;
    return news;
}

// Called with the lock held, whenever news_ changed.
void LiveReader::tell(std::unique_lock<std::mutex> &)
{
    if (told_ || !changed_)
        return;
    told_ = true;
    changed_();
}

calclink::ScreenReader::Next LiveReader::take(const calclink::ScreenReader::Reading &reading)
{
    using Next = calclink::ScreenReader::Next;
    const calclink::CaptureResult &result = reading.result;
    if (result.cancelled())
        return Next::done();
    if (result.screen && screenRead_)
        screenRead_(*result.screen, reading.ended);

    std::unique_lock lock(mutex_);
    if (result.screen) {
        // A capture that ended after pausing shows its screen, but the
        // rate counts only the screens read while reading.
        if (!paused_)
            reads_.push_back(reading.ended);
        ++news_.screensRead;
        news_.screenChanged = news_.screenChanged || news_.screen != result.screen;
        news_.screen = result.screen;
        if (!paused_) {
            news_.state = State::Reading;
            news_.reason.clear();
        }
        tell(lock);
        return Next::again();
    }
    State state = State::Failing;
    std::string reason = result.description;
    Clock::duration pause = kRetryAfter;
    if (result.number == calclink::kNoAnswer && result.silent) {
        // The calculator's side: ask again at once, it may be back any moment.
        state = State::Waiting;
        reason.clear();
        pause = Clock::duration::zero();
    } else if (result.number == calclink::kNoAnswer) {
        state = State::Answered;
        reason = result.detail.empty() ? result.description : result.detail;
        pause = kAskAgainAfter;
    }
    if (!paused_ && (news_.state != state || news_.reason != reason)) {
        news_.state = state;
        news_.reason = reason;
        tell(lock);
    }
    return Next::again(pause);
}
