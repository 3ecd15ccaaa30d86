#pragma once

#include <chrono>
#include <deque>
#include <functional>

#include "bitmap.h"

namespace record {

// One frame of a recording: the screen it shows and when it begins, in the
// recording's own time.
struct Frame {
    calclink::Bitmap screen;
    std::chrono::nanoseconds start;
};

// The screens read while recording, gathered into the frames that its GIF
// can show, each kept as its 768 bytes and a time, never as a picture. A
// frame lasts at least kShortestFrame: a screen read within that time of the
// frame's start takes its place, the last standing for the others, and a
// screen equal to the frame's adds nothing (the frame stands longer). So
// the memory grows with the frames, never with the screens: at most
// kMostFrames, about 140 MB for an hour at the shortest frames, however fast
// the calculator answers. The recording's own time runs from its start, less
// the time it was paused, and stops by itself at kLongest.
class Recording {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds kLongest = std::chrono::hours(1);
    // Two hundredths of a second, the shortest frame that browsers and
    // viewers show as long as it says: they stretch one of a hundredth to ten.
    static constexpr std::chrono::nanoseconds kShortestFrame = std::chrono::milliseconds(20);
    static constexpr size_t kMostFrames = size_t(kLongest / kShortestFrame) + 1;

    // Starts recording at once; `now` is the clock (the steady one, or a test's).
    explicit Recording(std::function<Clock::time_point()> now = &Clock::now);

    // A screen read at `at` (when its capture ended, on the recording's
    // clock): paused, at the moment of pausing; read before the start or the
    // last resumption, at that moment. False, and nothing kept, once the
    // recording has stopped.
    bool add(const calclink::Bitmap &screen, Clock::time_point at);
    // A screen read now.
    bool add(const calclink::Bitmap &screen) { return add(screen, now_()); }
    // Paused, the recording's own time stands still.
    void setPaused(bool paused);
    bool paused() const { return paused_; }
    // Stops the recording now (at kLongest, if that has passed).
    void stop();
    // Stopped by stop() or by itself at kLongest.
    bool stopped() const { return stopped_ || full(); }
    bool full() const { return elapsed() >= kLongest; }

    // The recording's own time so far, at most kLongest.
    std::chrono::nanoseconds elapsed() const;
    // The picture's length: from the first screen to the end of the recording so far.
    std::chrono::nanoseconds length() const;
    // Every screen read, equal ones included.
    int screens() const { return screens_; }
    // Each at least kShortestFrame after the one before.
    const std::deque<Frame> &frames() const { return frames_; }

private:
    void settle();

    std::function<Clock::time_point()> now_;
    std::chrono::nanoseconds active_{0}; // the recording's time before `since_`
    Clock::time_point since_;            // started or resumed
    bool paused_ = false;
    bool stopped_ = false;
    int screens_ = 0;
    std::deque<Frame> frames_; // a deque: it grows a piece at a time, never by copying itself whole
};

} // namespace record
