#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
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
//
// Writing never waits: a trace whose reader falls behind (a full pipe, a
// terminal on hold) loses the lines it cannot take at once, and one that
// fails (a full disk, a reader gone) loses every line after. lost() says why,
// so that a capture or a window is never held by its trace.
class Trace {
public:
    // Writes nothing.
    Trace() = default;
    // Writes to `out` (standard error, say), which stays the caller's and
    // whose settings are left as they are.
    explicit Trace(std::FILE *out);
    // Writes to the file `path`, replaced or, with `append`, added to; opened
    // without waiting, as openWithoutWaiting() does. With no path, or one
    // that cannot be opened, it writes nothing, and `error` then says why.
    // With a `limit`, a regular file that reaches it is renamed to `path`.1
    // (replacing the one before) and begun again, so that the trace of a
    // long run keeps its last lines within twice the limit.
    Trace(const char *path, bool append, std::string &error, uint64_t limit = 0);
    ~Trace();
    Trace(const Trace &) = delete;
    Trace &operator=(const Trace &) = delete;

    bool on() const { return fd_ >= 0 || stream_; }
    // One line: the time, then `text`. Written through at once, so that a
    // trace of a program that is killed keeps every line before it.
    void event(const std::string &text) const;

    // Why lines were lost, the first reason found: empty while the trace has every line.
    std::string lost() const;
    // From now on the first line lost also says so on standard error, once:
    // "`program`: the trace NAME is incomplete: WHY".
    void tellLoss(std::string program);

    // The trace of a capture that nobody traces.
    static const Trace &off();

private:
    bool reopen() const;
    void lose(const std::string &why) const;

    int fd_ = -1;
    std::FILE *stream_ = nullptr; // a stream with no descriptor (a memory stream), which never waits
    bool owned_ = false;
    std::string path_;    // for a file opened here, what begins again at the limit
    std::string name_;    // what the messages call it
    uint64_t limit_ = 0;
    SteadyClock::time_point start_ = SteadyClock::now();
    std::string program_; // tellLoss()

    mutable std::mutex mutex_; // one line at a time, whole
    mutable uint64_t written_ = 0;
    mutable bool broken_ = false; // the last line went out in part: the next one starts on a line of its own
    mutable bool failed_ = false; // nothing more is written
    mutable std::string lost_;
};

// Where each Ekrano program's capture traces go when it keeps no trace of
// its own: the file that EKRANO_TRACE names, added to and kept within
// kTraceLimit (and one file before it). Nothing when EKRANO_TRACE is not
// set; when it cannot be opened, a line on standard error that starts with
// `program` says why. Lost lines are told on standard error the same way.
inline constexpr uint64_t kTraceLimit = 10 * 1000 * 1000;
std::unique_ptr<Trace> environmentTrace(const char *program);

// Bytes as the trace shows them: "23 6D 00 00".
std::string hexBytes(std::span<const uint8_t> bytes);

// A duration in milliseconds with three decimals: "0.512 ms".
std::string milliseconds(SteadyClock::duration duration);

} // namespace calclink
