#pragma once

#include <memory>

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

} // namespace calclink
