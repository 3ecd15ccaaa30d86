// The packet reader fed an arbitrary byte stream, packet after packet, until
// the stream ends or the reader refuses it. A refusal must be the link's own
// calculator-side failure; a packet read must be exactly the bytes it took
// from the stream, and never more data than the caller allowed.
//
// The first input byte chooses how many bytes the transport hands out a call
// and the largest data the caller expects; the rest is the stream.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "calclink.h"
#include "linkerror.h"
#include "memorytransport.h"
#include "packet.h"

using namespace calclink;

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "packet reader: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static constexpr size_t kMaxData[] = {0, 5, kBitmapSize, 65535};
    const size_t maxData = kMaxData[data[0] & 3];
    const size_t chunk = (data[0] >> 2) == 63 ? SIZE_MAX : size_t(data[0] >> 2) + 1;
    const std::vector<uint8_t> stream(data + 1, data + size);

    // The memory transport reports a time-out at once when the stream is used
    // up, so the link's real time limits never make this wait.
    MemoryTransport transport(stream, chunk);
    size_t position = 0;
    while (transport.unread() > 0) {
        Packet packet;
        try {
            packet = readPacket(transport, Millis(2000), Millis(1000), maxData);
        } catch (const LinkError &error) {
            require(error.number() == kNoAnswer, "a refused stream must be a calculator-side failure");
            require(error.description().empty(), "a calculator-side failure carries no description");
            require(!error.detail().empty(), "a refusal must say what arrived");
            break;
        }
        const size_t took = stream.size() - transport.unread() - position;
        const std::optional<bool> carriesData = commandCarriesData(packet.command);
        require(isCalculatorId(packet.machineId), "a packet from an unknown machine id was accepted");
        require(carriesData.has_value(), "a packet of an unknown command was accepted");
        require(packet.length == uint16_t(stream[position + 2] | (stream[position + 3] << 8)),
                "the length field is not the one sent");
        require(packet.data.size() <= maxData, "more data than the caller allowed");
        if (*carriesData && packet.length > 0) {
            require(packet.data.size() == packet.length, "the data is not as long as announced");
            require(took == 4 + packet.data.size() + 2, "a data packet took the wrong number of bytes");
            const uint16_t sent = uint16_t(stream[position + took - 2] | (stream[position + took - 1] << 8));
            require(packet.checksumOk == (checksum(packet.data) == sent), "the checksum verdict is wrong");
            if (packet.checksumOk) {
                // A good packet is exactly what the encoder makes of its contents.
                const std::vector<uint8_t> encoded = encodePacket(packet.machineId, packet.command, packet.data);
                require(std::equal(encoded.begin(), encoded.end(), stream.begin() + ptrdiff_t(position)),
                        "a good packet does not encode back to its bytes");
            }
        } else {
            require(packet.data.empty(), "a packet without data holds data");
            require(packet.checksumOk, "a packet without data has no checksum to fail");
            require(took == 4, "a packet without data took more than its header");
        }
        position += took;
    }
    for (Millis wait : transport.waits())
        require(wait == Millis(2000) || wait == Millis(1000), "a wait other than the link's two limits");
    return 0;
}
