#pragma once

#include <memory>
#include <optional>
#include <string>

#include "linkchoice.h"
#include "stop.h"
#include "timeouts.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

// Opens the transport that a choice of cable and port means on this machine
// (the port links, /dev/ttyS*, the USB devices), or throws LinkError. Its
// waits use `timeouts` and end early when `stop` says so; what it opens and
// sets up, and what it moves, goes to `trace`. Each cable is one line here.
std::unique_ptr<Transport> openTransport(const LinkChoice &choice, const LinkTimeouts &timeouts = {},
                                         const Stop &stop = Stop::never(), const Trace &trace = Trace::off());

// The file a serial cable's choice opens: its port link (even one that
// leads nowhere), or /dev/ttyS0 to /dev/ttyS3. Nothing for the USB cable,
// and nothing where openTransport() would fail before opening a file.
std::optional<std::string> serialDevicePath(const LinkChoice &choice);

} // namespace calclink
