#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "linkerror.h"
#include "transport.h"

namespace calclink {

// Reads the bytes of one packet: its first byte within `firstByte`, each
// further one within `nextByte`, and all of them within `wholePacket` of the
// first, so that a device that trickles bytes just inside the byte limit
// cannot hold the window for minutes. A failure names the limit that ran
// out, with its value. Both framings read their packets through it.
class PacketBytes {
public:
    PacketBytes(Transport &transport, Millis firstByte, Millis nextByte, Millis wholePacket, bool keep)
        : transport_(transport), firstByte_(firstByte), nextByte_(nextByte), wholePacket_(wholePacket), keep_(keep) {}

    // Every byte read so far, when asked to keep them (for the trace).
    const std::vector<uint8_t> &kept() const { return kept_; }
    size_t received() const { return received_; }

    // Fills `buffer` completely or throws LinkError kNoAnswer; `what` names
    // the packet for the message.
    void read(uint8_t *buffer, size_t size, const std::string &what);

private:
    LinkError tookTooLong(const std::string &what) const;

    Transport &transport_;
    const Millis firstByte_, nextByte_, wholePacket_;
    const bool keep_;
    size_t received_ = 0;
    SteadyClock::time_point deadline_;
    std::vector<uint8_t> kept_;
};

} // namespace calclink
