#pragma once

#include <memory>
#include <optional>
#include <string>

#include "blackwires.h"
#include "stop.h"
#include "trace.h"

namespace calclink {

class SerialPort;

// The Black cable's wires on a serial port's modem lines. The port must have
// modem lines (openModemLineWires checks this before it builds one).
class ModemLineWires : public BlackWires {
public:
    explicit ModemLineWires(std::unique_ptr<SerialPort> port);
    ~ModemLineWires() override;

    void drive(Wires mine) override;
    Wires read() override;
    // Polls: see the reason in modemlines.cpp.
    Wires waitForChange(Wires seen, SteadyClock::time_point deadline) override;

private:
    std::unique_ptr<SerialPort> port_;
    std::optional<Wires> driven_; // what the outputs were last set to
};

// Opens the serial port at `path` for the Black cable, in raw mode with its
// line settings otherwise kept, and its wires on the modem lines; throws
// LinkError when it cannot be opened or has no modem lines.
std::unique_ptr<ModemLineWires> openModemLineWires(const std::string &deviceName, const std::string &path,
                                                   const Stop &stop, const Trace &trace);

} // namespace calclink
