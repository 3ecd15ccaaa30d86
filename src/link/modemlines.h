#pragma once

#include <memory>
#include <optional>

#include "blackwires.h"

namespace calclink {

class SerialPort;

// The Black cable's wires on a serial port's modem lines. The port must have
// modem lines (openBlack checks this before it builds one).
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

} // namespace calclink
