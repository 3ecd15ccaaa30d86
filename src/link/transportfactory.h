#pragma once

#include <memory>
#include <string>

#include "stop.h"
#include "timeouts.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

inline constexpr int kCableGray = 1;
inline constexpr int kCableBlack = 2;
inline constexpr int kCableUsb = 5;

// The limits of each cable, sized from how fast it moves a byte:
// - Gray: a byte is 10 bits at 9600 baud, so a screen's DATA takes 0.81 s;
//   a packet may take 2 s, and the whole capture, two resent screens and
//   the calculator's pauses included, 10 s, whatever the calculator does.
// - USB: the cable carries the calculator's bytes at least that fast, so
//   the same limits hold.
// - Black: this side works the wires itself, and each bit costs it two
//   changes of its own wire and at least three reads of the lines. On a
//   slow USB serial adapter each of those is a USB control transfer of up
//   to 2 ms: 10 ms a bit, 80 ms a byte. A screen's DATA then takes 62 s,
//   and the whole capture 63 s, plus the calculator's first answer.
inline constexpr Millis kSlowAdapterByte{80};

constexpr LinkTimeouts cableTimeouts(int cableCode)
{
    LinkTimeouts timeouts;
    if (cableCode == kCableBlack) {
        timeouts.packet = kSlowAdapterByte * int(kDataPacketBytes);
        timeouts.capture = kSlowAdapterByte * int(kCaptureBytes) + timeouts.reply;
    }
    return timeouts;
}

// Opens the transport that a cable code and a device name mean on this
// machine (port links, /dev/ttyS*, the USB cable), or throws LinkError. Its
// waits use `timeouts` and end early when `stop` says so; what it opens and
// sets up, and what it moves, goes to `trace`.
std::unique_ptr<Transport> openTransport(int cableCode, const std::string &deviceName,
                                         const LinkTimeouts &timeouts = {}, const Stop &stop = Stop::never(),
                                         const Trace &trace = Trace::off());

// The three physical layers. `deviceName` is the name the user chose, for the
// error sentences; `path` the device it resolved to.
std::unique_ptr<Transport> openGray(const std::string &deviceName, const std::string &path,
                                    const LinkTimeouts &timeouts = {}, const Stop &stop = Stop::never(),
                                    const Trace &trace = Trace::off());
std::unique_ptr<Transport> openBlack(const std::string &deviceName, const std::string &path,
                                     const LinkTimeouts &timeouts = cableTimeouts(kCableBlack),
                                     const Stop &stop = Stop::never(), const Trace &trace = Trace::off());
std::unique_ptr<Transport> openUsb(const std::string &deviceName, int index, const LinkTimeouts &timeouts = {},
                                   const Stop &stop = Stop::never(), const Trace &trace = Trace::off());

} // namespace calclink
