#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "transport.h"

namespace calclink {

// What a capture does, one line an event, for a bug report: the device
// opened and its settings, the limits, every packet in hexadecimal, the Black
// cable's bytes, the USB transfers and the result. The program chooses where
// it goes and hands it to capture(); the link library writes it. Each line
// starts with the milliseconds since the trace was made. Safe from any
// thread; a trace that is off costs one test an event.
class Trace {
public:
    // Writes nothing.
    Trace() = default;
    // Writes to `out` (standard error, say), which stays the caller's.
    explicit Trace(std::FILE *out);
    // Writes to the file `path`, replaced or, with `append`, added to; opened
    // without waiting, as openWithoutWaiting() does. With no path, or one
    // that cannot be opened, it writes nothing, and `error` then says why.
    Trace(const char *path, bool append, std::string &error);
    ~Trace();
    Trace(const Trace &) = delete;
    Trace &operator=(const Trace &) = delete;

    bool on() const { return out_ != nullptr; }
    // One line: the time, then `text`. Written through at once, so that a
    // trace of a program that is killed keeps every line before it.
    void event(const std::string &text) const;

    // The trace of a capture that nobody traces.
    static const Trace &off();

private:
    std::FILE *out_ = nullptr;
    bool owned_ = false;
    SteadyClock::time_point start_ = SteadyClock::now();
};

// Bytes as the trace shows them: "23 6D 00 00".
std::string hexBytes(std::span<const uint8_t> bytes);

// A duration in milliseconds with three decimals: "0.512 ms".
std::string milliseconds(SteadyClock::duration duration);

} // namespace calclink
