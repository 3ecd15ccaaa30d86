#pragma once

#include "bitmap.h"
#include "packet.h"
#include "timeouts.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

// Reads the calculator's screen over an open transport: SCR, the
// calculator's ACK, its DATA of one bitmap, then our ACK. A DATA packet with
// a bad checksum is answered with ERR, at most twice. Any other answer, a
// silence past the time limits, or a third bad checksum throws LinkError
// kNoAnswer (empty description, the detail says what happened); a device
// failure throws the transport's system error. Every packet sent and
// received goes to `trace`.
Bitmap readScreen(Transport &transport, const LinkTimeouts &timeouts = {}, const Trace &trace = Trace::off());

} // namespace calclink
