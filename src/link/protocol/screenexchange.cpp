#include "screenexchange.h"

#include <algorithm>

#include "linkerror.h"

namespace calclink {

namespace {

constexpr int kMaxResends = 2;

void sendPacket(Transport &transport, uint8_t command, const Trace &trace)
{
    const std::vector<uint8_t> bytes = encodePacket(kHostId, command);
    transport.send(bytes.data(), bytes.size());
    trace.event("sent " + hexBytes(bytes) + " " + commandName(command));
}

std::string describe(const Packet &packet)
{
    std::string text = commandName(packet.command);
    if (packet.command == kCmdSkip && !packet.data.empty())
        text += " (the calculator refused, reason " + std::to_string(packet.data[0]) + ")";
    return text;
}

// The screen packet is the largest reply; nothing during the exchange may
// announce more.
Packet readReply(Transport &transport, const LinkTimeouts &timeouts, const Trace &trace)
{
    return readPacket(transport, timeouts.reply, timeouts.byte, kBitmapSize, timeouts.packet, trace);
}

} // namespace

Bitmap readScreen(Transport &transport, const LinkTimeouts &timeouts, const Trace &trace)
{
    sendPacket(transport, kCmdScr, trace);

    const Packet ack = readReply(transport, timeouts, trace);
    if (ack.command != kCmdAck)
        throw noAnswer("expected the ACK of the screen request, got " + describe(ack));

    for (int resends = 0;; ++resends) {
        const Packet data = readReply(transport, timeouts, trace);
        if (data.command != kCmdData)
            throw noAnswer("expected the screen's DATA, got " + describe(data));
        if (data.data.size() != kBitmapSize)
            throw noAnswer("the screen's DATA held " + std::to_string(data.data.size()) + " bytes, not " +
                           std::to_string(kBitmapSize));
        if (data.checksumOk) {
            sendPacket(transport, kCmdAck, trace);
            Bitmap bitmap{};
            std::copy(data.data.begin(), data.data.end(), bitmap.begin());
            return bitmap;
        }
        if (resends == kMaxResends)
            throw noAnswer("the screen's checksum was wrong three times");
        sendPacket(transport, kCmdErr, trace);
    }
}

} // namespace calclink
