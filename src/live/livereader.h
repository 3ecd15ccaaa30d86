#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "bitmap.h"
#include "screenreader.h"
#include "timeouts.h"
#include "trace.h"

// The calculator's screen read over and over by a calclink::ScreenReader,
// back to back on a thread of its own, and what the window shows of it: the
// latest screen and what the reading is doing.
//
// A calculator that does not answer (busy, or switched off) is asked again
// at once; one that answers wrongly (refuses, or sends a screen that does not
// check out) is asked again after a second, so that neither it nor the
// computer is kept busy; a device that cannot be used (no such port, the
// cable unplugged, no permission) is tried again every two seconds, so that
// a cable plugged in later just works.
class LiveReader {
public:
    enum class State {
        Reading, // screens are coming in
        Waiting,  // the calculator did not answer the last request
        Answered, // the calculator answered the last request wrongly; `reason` says what came
        Failing,  // the device could not be used; `reason` says why
        Paused,  // no request goes out until resumed
    };

    // What the reader has found, for the window to show.
    struct News {
        std::optional<calclink::Bitmap> screen; // the last screen read
        bool screenChanged = false;            // it differs from the one before, or is the first
        uint64_t screensRead = 0;              // since reading began, equal ones included
        State state = State::Reading;
        std::string reason;                     // Failing: the capture's sentence for the user; Answered: its detail
        double screensPerSecond = 0;            // over the last five seconds
    };

    static constexpr std::chrono::seconds kRetryAfter{2};
    static constexpr std::chrono::seconds kAskAgainAfter{1}; // a wrong answer
    static constexpr std::chrono::seconds kRateSpan{5};

    // Every screen read, with the time its capture ended.
    using ScreenRead = std::function<void(const calclink::Bitmap &, calclink::SteadyClock::time_point)>;

    // Starts reading over the cable and port chosen. `changed`
    // is called on the reader's thread whenever there is news, at most once
    // until the next news(): it should only wake the window. `timeouts`, as
    // for capture(), in place of the cable's own limits (for tests); every
    // capture writes to `trace`, which must outlive the reader. Every screen
    // also goes to `screenRead` on the reader's thread, in order.
    LiveReader(const calclink::LinkChoice &choice, std::function<void()> changed,
               std::optional<calclink::LinkTimeouts> timeouts = std::nullopt,
               const calclink::Trace &trace = calclink::Trace::off(), ScreenRead screenRead = {});
    // Cancels a capture under way (its port is put back as it was) and
    // waits for the thread to end: within calclink::Stop's check interval.
    ~LiveReader() = default;
    LiveReader(const LiveReader &) = delete;
    LiveReader &operator=(const LiveReader &) = delete;

    // What is new since the last call; `screenChanged` only once per screen.
    News news();

    // Pausing lets a capture under way end, and sends no request after it.
    void setPaused(bool paused);
    bool paused() const;
    // Cancels a capture under way and ends the reading, without waiting for
    // it: readers cancelled together then end together.
    void cancel() { stop_.cancel(); }

private:
    using Clock = std::chrono::steady_clock;

    calclink::ScreenReader::Next take(const calclink::ScreenReader::Reading &reading);
    void tell(std::unique_lock<std::mutex> &lock);

    const std::function<void()> changed_;
    const ScreenRead screenRead_;

    mutable std::mutex mutex_;
    bool paused_ = false;
    bool told_ = false;                   // `changed_` was called and news() not yet
    News news_;
    std::deque<Clock::time_point> reads_; // when each screen of the last kRateSpan came in
    Clock::time_point since_;             // reading began or resumed: the rate's span before kRateSpan has passed

    calclink::Stop stop_;
    std::unique_ptr<calclink::ScreenReader> reader_; // last: it reads once everything else is in place
};
