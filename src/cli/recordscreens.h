#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "capture.h"
#include "recording.h"

// When a recording from the command line ends by itself; zero: never.
struct RecordLimits {
    std::chrono::seconds seconds{0};
    int screens = 0;
};

// Reads the calculator's screen back to back with a calclink::ScreenReader,
// every screen into `recording` at the time its capture ended, until `stop`
// is cancelled (a signal), a limit or the recording's hour is reached, or a
// capture fails; then stops the recording. The failed capture, if one ended
// it: when the time is up before any screen, the capture under way ends by
// itself, so that its failure says why.
std::optional<calclink::CaptureResult> recordScreens(record::Recording &recording,
                                                     const calclink::LinkChoice &choice, calclink::Stop &stop,
                                                     RecordLimits limits, const calclink::Trace &trace);
