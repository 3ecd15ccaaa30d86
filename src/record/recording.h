#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "bitmap.h"

namespace record {

// One screen of a recording and when it came, in the recording's own time.
struct Frame {
    calclink::Bitmap screen;
    std::chrono::nanoseconds start;
};

// The screens read while recording, each kept as its 768 bytes and a time,
// never as a picture, so that an hour at two screens a second stays near
// 5.5 MB. A screen equal to the one before adds no frame: that frame stands
// longer. The recording's own time runs from its start, less the time it was
// paused, and stops by itself at kLongest.
class Recording {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds kLongest = std::chrono::hours(1);

    // Starts recording at once; `now` is the clock (the steady one, or a test's).
    explicit Recording(std::function<Clock::time_point()> now = &Clock::now);

    // A screen read now. False, and nothing kept, once the recording has stopped.
    bool add(const calclink::Bitmap &screen);
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
    const std::vector<Frame> &frames() const { return frames_; }

private:
    std::function<Clock::time_point()> now_;
    std::chrono::nanoseconds active_{0}; // the recording's time before `since_`
    Clock::time_point since_;            // started or resumed
    bool paused_ = false;
    bool stopped_ = false;
    int screens_ = 0;
    std::vector<Frame> frames_;
};

} // namespace record
