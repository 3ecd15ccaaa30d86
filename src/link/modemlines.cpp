#include "modemlines.h"

#include <cerrno>
#include <sys/ioctl.h>

#include "linkerror.h"
#include "serialport.h"
#include "translation.h"

namespace calclink {

namespace {

// Where the two wires sit on the port and which way round they are. This is
// the one place to correct if a cable turns out to be wired otherwise.
struct LineMap {
    int redOut;   // drives the red wire
    int whiteOut; // drives the white wire
    int redIn;    // reads the red wire
    int whiteIn;  // reads the white wire
    bool assertedOutReleases; // an asserted output lets its wire go high
    bool assertedInIsHigh;    // an asserted input means its wire is high
};

constexpr LineMap kLines{TIOCM_DTR, TIOCM_RTS, TIOCM_CTS, TIOCM_DSR, true, true};

// The names of the modem lines among `bits`, each after a blank.
std::string lineNames(int bits)
{
    std::string names;
    for (const auto &[bit, name] : {std::pair{TIOCM_DTR, " DTR"}, {TIOCM_RTS, " RTS"}, {TIOCM_CTS, " CTS"},
                                    {TIOCM_DSR, " DSR"}, {TIOCM_CAR, " CD"}, {TIOCM_RNG, " RI"}})
        names += (bits & bit) ? name : "";
    return names.empty() ? " none" : names;
}

LinkError noModemLines(const SerialPort &port, int err)
{
    return systemError(err, port.deviceName(), port.path(), Doing::UsingModemLines,
                       translate("calclink", "This port has no modem lines (DTR, RTS, CTS and DSR), so the Black "
                                             "cable cannot work on it; choose a real serial port or a USB serial "
                                             "adapter, or the Gray cable."));
}

} // namespace

ModemLineWires::ModemLineWires(std::unique_ptr<SerialPort> port) : port_(std::move(port)) {}

ModemLineWires::~ModemLineWires() = default;

void ModemLineWires::drive(Wires mine)
{
    // Only the lines that change: each one is a system call, and on a USB
    // serial adapter a USB transfer.
    int set = 0;
    int clear = 0;
    const auto line = [&](int bit, bool release, bool before) {
        if (driven_ && release == before)
            return;
        (release == kLines.assertedOutReleases ? set : clear) |= bit;
    };
    line(kLines.redOut, mine.red, driven_ ? driven_->red : true);
    line(kLines.whiteOut, mine.white, driven_ ? driven_->white : true);
    if ((set || clear) && !port_->setModemLines(set, clear))
        throw noModemLines(*port_, ENOTTY);
    driven_ = mine;
}

Wires ModemLineWires::read()
{
    const std::optional<int> lines = port_->modemLines();
    if (!lines)
        throw noModemLines(*port_, ENOTTY);
    return {bool(*lines & kLines.redIn) == kLines.assertedInIsHigh,
            bool(*lines & kLines.whiteIn) == kLines.assertedInIsHigh};
}

// TIOCMIWAIT would sleep until a line changes, but it has no time limit (a
// calculator that stops answering would hang the capture, and only a signal
// or a second thread could end the wait), a change between the last read and
// the call is lost, and many USB serial adapters do not have it. Short sleeps
// between reads cost a few tens of microseconds a wait and almost no CPU.
Wires ModemLineWires::waitForChange(Wires seen, SteadyClock::time_point deadline)
{
    return pollForChange(*this, seen, deadline);
}

std::unique_ptr<ModemLineWires> openModemLineWires(const std::string &deviceName, const std::string &path,
                                                   const Stop &stop, const Trace &trace)
{
    // No speed: the bus only uses the modem lines, so the port keeps its line
    // settings beyond raw mode.
    auto port = std::make_unique<SerialPort>(deviceName, path, std::nullopt, stop, trace);
    // A port without modem lines (a pseudo-terminal, some adapters) is
    // refused now rather than at the first capture; the transport then
    // releases both wires, which fails the same way if the lines cannot be set.
    const std::optional<int> lines = port->modemLines();
    if (!lines)
        throw noModemLines(*port, ENOTTY);
    if (trace.on())
        trace.event("port: modem lines asserted at opening:" + lineNames(*lines) + "; the red wire is driven by" +
                    lineNames(kLines.redOut) + " and read on" + lineNames(kLines.redIn) +
                    ", the white wire driven by" + lineNames(kLines.whiteOut) + " and read on" +
                    lineNames(kLines.whiteIn));
    return std::make_unique<ModemLineWires>(std::move(port));
}

} // namespace calclink
