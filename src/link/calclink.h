#pragma once

#include <memory>
#include <optional>
#include <string>

#include "calcscreen.h"
#include "linkchoice.h"
#include "stop.h"
#include "timeouts.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

// One open link; the link closes (and the port is restored) when it is destroyed.
class CalcLink {
public:
    // A link that nothing cancels, with each cable's own time limits.
    CalcLink();
    // A link whose waits end when `stop` says so, with the given limits in
    // place of the cable's own (for tests), and what it does going to `trace`.
    explicit CalcLink(Stop &stop, std::optional<LinkTimeouts> timeouts = std::nullopt,
                      const Trace &trace = Trace::off());
    ~CalcLink();
    CalcLink(const CalcLink &) = delete;
    CalcLink &operator=(const CalcLink &) = delete;

    // Opens the cable: code 1 Gray, 2 Black, 5 USB; device "COM1".."COM4" or "\\.\UsbN".
    void Connect(int cableCode, const std::string &deviceName);
    // Opens the cable and port chosen.
    void Connect(const LinkChoice &choice);
    // Reads the calculator's screen into `screen`, within the cable's
    // limit for a whole capture. Throws before Connect.
    void GetScreen(CalcScreen &screen);

private:
    Stop ownStop_;
    Stop &stop_;
    std::optional<LinkTimeouts> chosenTimeouts_;
    LinkTimeouts timeouts_;
    const Trace &trace_;
    std::unique_ptr<Transport> transport_;
};

} // namespace calclink
