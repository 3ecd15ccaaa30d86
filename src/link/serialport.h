#pragma once

#include <optional>
#include <string>

#include <sys/types.h>
#include <termios.h>

#include "linkerror.h"
#include "stop.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

// An open serial port (or pseudo-terminal) in raw mode. Every wait is a
// poll() with a limit that also watches `stop`, so no call can hang and a
// cancelled capture lets go of the port at once; the settings found at
// opening are put back when the port closes.
class SerialPort {
public:
    // Opens `path` (what `deviceName` resolved to) in raw mode, 8N1, no flow control, CLOCAL|CREAD,
    // at `baud` when given (B9600 for Gray; the Black cable passes nothing and keeps the speed);
    // input already waiting is discarded. Throws systemError(...) with advice (permission denied:
    // membership of the dialout group; busy; absent).
    // What it sets up and how it closes goes to `trace`.
    SerialPort(const std::string &deviceName, const std::string &path, std::optional<speed_t> baud,
               const Stop &stop = Stop::never(), const Trace &trace = Trace::off());
    // Waits, bounded, for the bytes written to leave the port, unless the
    // capture was cancelled; discards the input, and the output only if it
    // did not leave in time; restores the termios settings it found; closes.
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    const std::string &deviceName() const { return deviceName_; }
    const std::string &path() const { return path_; }

    // Modem lines (TIOCM_* bits). false / nullopt when the port has none (ENOTTY, EINVAL: a
    // pseudo-terminal); throws systemError on any other failure (EIO: the adapter was unplugged).
    bool setModemLines(int setBits, int clearBits);
    std::optional<int> modemLines() const;

    // Writes every byte. A port that takes no byte for `limit` throws
    // kNoAnswer; a hang-up or I/O error throws systemError.
    void write(const uint8_t *data, size_t size, Millis limit);
    // Waits up to `timeout` for input, then reads what has arrived, at most
    // `max` bytes. Returns 0 on time-out; a hang-up or I/O error throws
    // systemError.
    size_t read(uint8_t *buffer, size_t max, Millis timeout);

    // The longest the port's closing waits for the bytes written to leave:
    // far more than the host's packets of 4 bytes take at any speed.
    static constexpr Millis kDrainLimit{500};
    // What a USB serial adapter adds to that: one frame of the bus.
    static constexpr std::chrono::microseconds kAdapterFrame{2000};

private:
    [[noreturn]] void fail(int err, Doing doing) const;
    bool drainOutput() const;

    std::string deviceName_;
    std::string path_;
    int fd_ = -1;
    termios saved_{};
    const Stop &stop_;
    const Trace &trace_;
    std::chrono::microseconds byteTime_{0}; // one byte on the wire at the port's speed
    size_t writtenLast_ = 0;                // the bytes of the last write(), and when the port took them all
    SteadyClock::time_point lastWrite_;
    bool pseudoTerminal_ = false;
};

// Whether `device` is a pseudo-terminal's number (majors 136 to 143): it has
// no modem lines and no transmitter, and what is written to it is at once on
// its way to the other side.
bool isPseudoTerminal(dev_t device);

// What the user can do when opening the port `path` fails with `err`
// (errno), if anything: the dialout group, a port link that points nowhere ...
std::string portAdvice(int err, const std::string &path);

} // namespace calclink
