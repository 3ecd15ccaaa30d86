#include "recordscreens.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

std::optional<calclink::CaptureResult> recordScreens(record::Recording &recording,
                                                     const calclink::LinkChoice &choice, calclink::Stop &stop,
                                                     RecordLimits limits, const calclink::Trace &trace)
{
    // A capture under way when the time is up is cancelled, so that the
    // recording ends on time rather than a Gray cable's screen later.
    std::chrono::nanoseconds longest = record::Recording::kLongest;
    if (limits.seconds.count() > 0)
        longest = std::min(longest, std::chrono::nanoseconds(limits.seconds));
    const std::chrono::nanoseconds left = longest - recording.elapsed();
    std::jthread timer([left, &stop](std::stop_token done) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        wake.wait_for(lock, done, left, [] { return false; });
        if (!done.stop_requested())
            stop.cancel();
    });

    std::optional<calclink::CaptureResult> failure;
    while (!stop.cancelled() && recording.elapsed() < longest) {
        calclink::CaptureResult result = calclink::capture(choice, stop, {}, std::nullopt, trace);
        if (!result.screen) {
            if (!result.cancelled())
                failure = std::move(result);
            break;
        }
        if (!recording.add(*result.screen) || (limits.screens > 0 && recording.screens() >= limits.screens))
            break;
    }
    recording.stop();
    timer.request_stop();
    return failure;
}
