#include "livereader.h"

#include <algorithm>

#include "capture.h"
#include "linkerror.h"

LiveReader::LiveReader(const calclink::LinkChoice &choice, std::function<void()> changed,
                       std::optional<calclink::LinkTimeouts> timeouts, const calclink::Trace &trace)
    : choice_(choice), changed_(std::move(changed)),
      timeouts_(timeouts), trace_(trace), since_(Clock::now()), thread_(&LiveReader::run, this)
{
}

LiveReader::~LiveReader()
{
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
        if (capture_)
            capture_->cancel();
    }
    wake_.notify_all();
    thread_.join();
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
    wake_.notify_all();
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

bool LiveReader::rest(std::unique_lock<std::mutex> &lock, Clock::time_point until)
{
    const bool wasPaused = paused_;
    wake_.wait_until(lock, until, [&] { return quitting_ || paused_ != wasPaused; });
    return !quitting_;
}

void LiveReader::run()
{
    std::unique_lock lock(mutex_);
    while (!quitting_) {
        if (paused_) {
            wake_.wait(lock, [&] { return quitting_ || !paused_; });
            continue;
        }
        calclink::Stop stop;
        capture_ = &stop;
        lock.unlock();
        const calclink::CaptureResult result = calclink::capture(choice_, stop, {}, timeouts_, trace_);
        lock.lock();
        capture_ = nullptr;
        if (quitting_ || result.cancelled())
            break;

        if (result.screen) {
            // A capture that ended after pausing shows its screen, but the
            // rate counts only the screens read while reading.
            if (!paused_)
                reads_.push_back(Clock::now());
            ++news_.screensRead;
            news_.screenChanged = news_.screenChanged || news_.screen != result.screen;
            news_.screen = result.screen;
            if (!paused_) {
                news_.state = State::Reading;
                news_.reason.clear();
            }
            tell(lock);
            continue;
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
        if (pause > Clock::duration::zero() && !rest(lock, Clock::now() + pause))
            break;
    }
}
