#include "recordscreens.h"

#include <algorithm>
#include <atomic>

#include "screenreader.h"

std::optional<calclink::CaptureResult> recordScreens(record::Recording &recording,
                                                     const calclink::LinkChoice &choice, calclink::Stop &stop,
                                                     RecordLimits limits, const calclink::Trace &trace)
{
    using calclink::ScreenReader;
    std::chrono::nanoseconds longest = record::Recording::kLongest;
    if (limits.seconds.count() > 0)
        longest = std::min(longest, std::chrono::nanoseconds(limits.seconds));
    const auto end = calclink::SteadyClock::now() + (longest - recording.elapsed());

    // The recording is the reader's until it has ended; these two it shares.
    std::atomic<bool> timeUp{false}, anyScreen{false};
    std::optional<calclink::CaptureResult> failure;
    {
        ScreenReader reader(
            choice,
            [&](const ScreenReader::Reading &reading) {
                if (!reading.result.screen) {
                    if (!reading.result.cancelled())
                        failure = reading.result;
                    return ScreenReader::Next::done();
                }
                const bool kept = recording.add(*reading.result.screen, reading.ended);
                anyScreen = true;
                if (!kept || (limits.screens > 0 && recording.screens() >= limits.screens) || timeUp)
                    return ScreenReader::Next::done();
                return ScreenReader::Next::again();
            },
            stop, std::nullopt, trace);
        if (!reader.waitUntil(end)) {
            // A capture under way when the time is up is cancelled, so that
            // the recording ends on time rather than a Gray cable's screen
            // later; but with no screen yet, it ends by itself, and its
            // failure says why there is none.
            timeUp = true;
            if (anyScreen)
                stop.cancel();
            reader.wait();
        }
    }
    recording.stop();
    return failure;
}
