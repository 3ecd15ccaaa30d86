#pragma once

#include <cstddef>

#include "bitmap.h"
#include "transport.h"

namespace calclink {

// The time limits of one capture. Every wait of the link library takes its
// limit from here, so that tests can run with limits of milliseconds; the
// defaults are the Gray and USB cables' own, and cableTimeouts() gives each
// cable's.
struct LinkTimeouts {
    Millis reply{2000};    // a reply's first byte, after the packet before it
    Millis byte{1000};     // each further byte of a packet
    Millis packet{2000};   // a whole packet, from its first byte on
    Millis capture{10000}; // the whole capture, from the request on
    Millis write{1000};    // a port or cable that takes none of our bytes
    Millis bit{1000};      // Black: each wait of a bit's handshake, but a reply's first
};

// The largest packet, a screen's DATA, and the bytes of one whole capture
// (SCR, ACK, DATA, ACK).
inline constexpr size_t kDataPacketBytes = 4 + kBitmapSize + 2;
inline constexpr size_t kCaptureBytes = 4 + 4 + kDataPacketBytes + 4;

} // namespace calclink
