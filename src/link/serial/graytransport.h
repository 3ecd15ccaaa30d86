#pragma once

#include <memory>
#include <string>

#include "stop.h"
#include "timeouts.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

// The Gray cable on the serial port at `path`, which `deviceName` (the name
// the user chose, for the error sentences) resolved to: a serial port whose
// bytes are the packet bytes as they stand, at 9600 baud, powered from DTR
// and RTS.
std::unique_ptr<Transport> openGray(const std::string &deviceName, const std::string &path,
                                    const LinkTimeouts &timeouts = {}, const Stop &stop = Stop::never(),
                                    const Trace &trace = Trace::off());

} // namespace calclink
