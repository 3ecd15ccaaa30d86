#pragma once

#include <atomic>

#include "transport.h"

namespace calclink {

// How a capture ends early: the user cancels it (from any thread, or from a
// signal handler), or the whole capture's time is up. Every wait of the link
// library is cut into steps of at most kCheckInterval and looks at the stop
// between them, so a cancelled capture ends, its port released and
// restored, within about that long.
class Stop {
public:
    static constexpr Millis kCheckInterval{50};

    Stop() = default;
    // A stop that is cancelled with `parent` as well as on its own, its limit
    // its own: one for each of several captures at once, which one cancel of
    // the parent ends together. `parent` must outlive it.
    explicit Stop(const Stop *parent) noexcept : parent_(parent) {}

    // Safe from any thread and from a signal handler.
    void cancel() noexcept { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelled() const noexcept
    {
        return cancelled_.load(std::memory_order_relaxed) || (parent_ && parent_->cancelled());
    }

    // From now on, a wait that goes on past `limit` from now fails as no answer.
    void limitTo(Millis limit);
    // No limit from now on, until the next limitTo(): each capture that a
    // stop serves in turn starts unlimited.
    void clearLimit()
    {
        deadline_ = SteadyClock::time_point::max();
        limit_ = Millis{0};
    }

    // Throws LinkError kCancelled once cancelled, and the calculator's
    // failure once the limit has passed.
    void check() const;

    // Where the next step of a wait that may last until `until` ends: within
    // one check interval from now, and not past the limit.
    SteadyClock::time_point nextCheck(SteadyClock::time_point until) const;

    // The stop of a wait that nothing cancels and nothing limits.
    static const Stop &never();

private:
    const Stop *const parent_ = nullptr;
    std::atomic<bool> cancelled_{false};
    SteadyClock::time_point deadline_ = SteadyClock::time_point::max();
    Millis limit_{0};
};

} // namespace calclink
