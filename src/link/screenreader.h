#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "capture.h"

namespace calclink {

// The calculator's screen read on a thread of its own, once or back to back:
// each read is one whole capture(), as the window's button makes it, and the
// next request goes out as soon as the last capture has ended, its final
// acknowledgement on the wire and its port put back. Every result, the screen
// or the failure, goes to `take` on the reader's thread, in order, with the
// time its capture ended; what `take` returns says when to read again. The
// reader's thread takes no signals: they reach the program's own threads.
class ScreenReader {
public:
    struct Reading {
        CaptureResult result;
        SteadyClock::time_point ended; // when the capture ended
    };
    // After a result: read again once `after` has passed, or no more.
    struct Next {
        std::optional<SteadyClock::duration> after;

        static Next again(SteadyClock::duration after = SteadyClock::duration::zero()) { return {after}; }
        static Next done() { return {}; }
    };
    // Called on the reader's thread; the next request waits for it.
    using Take = std::function<Next(const Reading &)>;

    // Starts reading over the cable and port chosen; `timeouts`
    // and `trace` as for capture(). Cancelling `stop` (from any thread, or a
    // signal handler) ends the capture under way, its port put back, and the
    // reading, within Stop::kCheckInterval; its result is taken. `stop` and
    // `trace` must outlive the reader.
    ScreenReader(const LinkChoice &choice, Take take, Stop &stop,
                 std::optional<LinkTimeouts> timeouts = std::nullopt, const Trace &trace = Trace::off());
    // Cancels `stop` if it is still reading, and waits for the thread to end.
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    // Paused, no request goes out; a capture under way ends and is taken.
    // Pausing or resuming also ends a wait between two reads.
    void setPaused(bool paused);
    // Waits until the reading has ended (`take` said no more, or `stop` was
    // cancelled), or until `until`: whether it has ended.
    bool waitUntil(SteadyClock::time_point until);
    void wait() { waitUntil(SteadyClock::time_point::max()); }

private:
    void run();
    // Waits until `until`, or until pausing or resuming; false once `stop` is cancelled.
    bool rest(std::unique_lock<std::mutex> &lock, SteadyClock::time_point until);

    const LinkChoice choice_;
    const Take take_;
    Stop &stop_;
    const std::optional<LinkTimeouts> timeouts_;
    const Trace &trace_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool paused_ = false;
    bool ended_ = false;

    std::thread thread_; // last: it starts once everything else is in place
};

} // namespace calclink
