#include "screenreader.h"

#include <algorithm>
#include <csignal>

#include <pthread.h>

namespace calclink {

ScreenReader::ScreenReader(const LinkChoice &choice, Take take, Stop &stop, std::optional<LinkTimeouts> timeouts,
                           const Trace &trace)
    : choice_(choice), take_(std::move(take)), stop_(stop), timeouts_(timeouts), trace_(trace),
      thread_(&ScreenReader::run, this)
{
}

ScreenReader::~ScreenReader()
{
    {
        std::lock_guard lock(mutex_);
        if (!ended_)
            stop_.cancel();
    }
    wake_.notify_all();
    thread_.join();
}

void ScreenReader::setPaused(bool paused)
{
    {
        std::lock_guard lock(mutex_);
        paused_ = paused;
    }
    wake_.notify_all();
}

bool ScreenReader::waitUntil(SteadyClock::time_point until)
{
    std::unique_lock lock(mutex_);
    return wake_.wait_until(lock, until, [&] { return ended_; });
}

bool ScreenReader::rest(std::unique_lock<std::mutex> &lock, SteadyClock::time_point until)
{
    // In steps of the stop's interval: a signal handler cancels it without a word to this thread.
    const bool wasPaused = paused_;
    while (!stop_.cancelled() && paused_ == wasPaused && SteadyClock::now() < until)
        wake_.wait_until(lock, std::min(until, SteadyClock::now() + Stop::kCheckInterval),
                         [&] { return paused_ != wasPaused; });
    return !stop_.cancelled();
}

void ScreenReader::run()
{
    // The signals a program handles (Ctrl-C, the session's end) go to its
    // own threads, which are the ones waiting for them; those that report
    // this thread's own faults still come here.
    sigset_t signals;
    sigfillset(&signals);
    for (const int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS})
        sigdelset(&signals, fault);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::unique_lock lock(mutex_);
    while (rest(lock, SteadyClock::now())) {
        if (paused_) {
            rest(lock, SteadyClock::time_point::max());
            continue;
        }
        lock.unlock();
        Reading reading{capture(choice_, stop_, {}, timeouts_, trace_), {}};
        reading.ended = SteadyClock::now();
        const Next next = take_(reading);
        lock.lock();
        if (!next.after || reading.result.cancelled() || !rest(lock, reading.ended + *next.after))
            break;
    }
    ended_ = true;
    lock.unlock();
    wake_.notify_all();
}

} // namespace calclink
