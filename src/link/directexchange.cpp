#include "directexchange.h"

#include <algorithm>
#include <optional>
#include <span>

#include "directframing.h"
#include "linkerror.h"
#include "packetbytes.h"
#include "usbcable.h"

namespace calclink::direct {

namespace {

std::string rawName(uint8_t type)
{
    switch (type) {
    case kBufferSizeRequest: return "buffer size request";
    case kBufferSizeAllocation: return "buffer size allocation";
    case kVirtualMore: return "part of a virtual packet";
    case kVirtualLast: return "last part of a virtual packet";
    case kAcknowledgement: return "acknowledgement";
    default: return "raw type " + std::to_string(type);
    }
}

std::string virtualName(uint16_t type)
{
    switch (type) {
    case kSetMode: return "set mode";
    case kParameterRequest: return "parameter request";
    case kParameterData: return "parameter data";
    case kModeAcknowledgement: return "mode acknowledgement";
    case kDelayAcknowledgement: return "delay acknowledgement";
    case kError: return "error";
    default: return "virtual type 0x" + hexadecimal(type, 4);
    }
}

std::string errorName(uint16_t code)
{
    std::string text = "error 0x" + hexadecimal(code, 4);
    if (code == kErrorBeforeSetMode)
        return text + " (a command before the set mode)";
    if (code == kErrorNoSuchParameter)
        return text + " (no such parameter)";
    return text;
}

constexpr size_t kMostStaleBytes = 4 * (kRawHeader + kHostBufferSize);

struct RawPacket {
    uint8_t type = 0;
    std::vector<uint8_t> data;
};

struct VirtualPacket {
    uint16_t type = 0;
    std::vector<uint8_t> data;
};

// A device whose screen is not the one Ekrano reads: the colour models
// share a product id with a monochrome one. The sentence names it; the
// detail says what showed it.
LinkError otherScreen(const Transport &transport, const std::string &detail)
{
    return LinkError(kNoUsbCable, unreadableScreen(transport.product()), detail);
}

// The checks of the parameter data's header, which the first part already
// holds: so a screen marked invalid or of another size fails before the rest
// of it is read.
void checkScreenParameter(const Transport &transport, const uint8_t *header)
{
    if (readBig16(header) != 1 || readBig16(header + 2) != kScreenParameter)
        throw noAnswer("the parameter data held " + std::to_string(readBig16(header)) +
                       " parameters, the first 0x" + hexadecimal(readBig16(header + 2), 4) +
                       ", not the screen (0x0022) alone");
    if (header[4] != 0x00)
        throw noAnswer("the calculator marked the screen parameter invalid");
    if (readBig16(header + 5) != kBitmapSize)
        throw otherScreen(transport, "its screen parameter's value held " + std::to_string(readBig16(header + 5)) +
                                         " bytes, not " + std::to_string(kBitmapSize));
}

class DirectSession {
public:
    DirectSession(Transport &transport, const LinkTimeouts &timeouts, const Trace &trace)
        : transport_(transport), timeouts_(timeouts), trace_(trace), nextWait_(timeouts.reply) {}

    Bitmap run()
    {
        dropStaleInput();
        // The size agreed is forgotten between exchanges: each capture asks again.
        sendRaw(bufferSizePacket(kBufferSizeRequest, kHostBufferSize));
        const RawPacket allocation = readRaw("the buffer size allocation");
        if (allocation.type != kBufferSizeAllocation)
            throw noAnswer("expected the buffer size allocation, got a " + rawName(allocation.type));
        allocation_ = readBig32(allocation.data.data());
        const std::string agreed = "agreed to a buffer size of " + std::to_string(allocation_) + ", not 1 to the " +
                                   std::to_string(kHostBufferSize) + " asked for";
        if (allocation_ > kHostBufferSize)
            throw otherScreen(transport_, "it " + agreed);
        if (allocation_ == 0)
            throw noAnswer("the calculator " + agreed);

        sendVirtual(kSetMode, kNormalMode);
        readReply(kModeAcknowledgement);

        static const uint8_t screenRequest[] = {0x00, 0x01, 0x00, 0x22};
        sendVirtual(kParameterRequest, screenRequest);
        const VirtualPacket answer = readReply(kParameterData);
        if (answer.data.size() != kScreenDataBytes)
            throw noAnswer("the parameter data held " + std::to_string(answer.data.size()) + " bytes, not the " +
                           std::to_string(kScreenDataBytes) + " of a screen");
        checkScreenParameter(transport_, answer.data.data());
        Bitmap bitmap{};
        std::copy(answer.data.begin() + kParameterHeader, answer.data.end(), bitmap.begin());
        return bitmap;
    }

private:
    // What an earlier exchange left unread: a capture cancelled or failed in
    // the middle of the screen leaves raw packets that the calculator goes
    // on offering, which would be taken for the answers to this one. Read
    // with a short limit until nothing more comes, at most a few raw
    // packets' worth, so that a device that never stops cannot hold the
    // capture.
    void dropStaleInput()
    {
        uint8_t waste[kUsbPacket];
        size_t dropped = 0;
        size_t count = 0;
        while (dropped < kMostStaleBytes &&
               (count = transport_.receive(waste, sizeof waste, kStaleInputWait)) > 0)
            dropped += count;
        if (dropped > 0 && trace_.on())
            trace_.event("dropped " + std::to_string(dropped) + " bytes an earlier exchange left" +
                         (dropped >= kMostStaleBytes ? ", and left the rest" : ""));
    }

    // The answer of `type` to what was sent. The calculator may ask for more
    // time wherever an answer is due: each delay acknowledgement lets the
    // next answer take longer, at most kMostDelays times a capture.
    VirtualPacket readReply(uint16_t type)
    {
        for (;;) {
            VirtualPacket answer = readVirtual();
            if (answer.type != kDelayAcknowledgement) {
                expect(type, answer);
                return answer;
            }
            if (++delays_ > kMostDelays)
                throw noAnswer("the calculator asked for more time " + std::to_string(delays_) + " times");
            nextWait_ = timeouts_.reply * kDelayedReplies;
        }
    }

    void sendRaw(const std::vector<uint8_t> &bytes)
    {
        transport_.send(bytes.data(), bytes.size());
        if (trace_.on())
            trace_.event("sent " + hexBytes(bytes) + " " + rawName(bytes[4]));
    }

    // The largest data a raw packet of `type` from the calculator may hold;
    // nothing for a type it never sends.
    std::optional<size_t> largestData(uint8_t type) const
    {
        switch (type) {
        case kBufferSizeAllocation: return 4;
        case kAcknowledgement: return sizeof kAcknowledgementData;
        case kVirtualMore:
        case kVirtualLast: return allocation_;
        default: return std::nullopt;
        }
    }

    // One raw packet, its first byte within the next wait, its length and
    // type checked before any of its data is read.
    RawPacket readRaw(const std::string &awaited)
    {
        PacketBytes bytes(transport_, nextWait_, timeouts_.byte, timeouts_.packet, trace_.on());
        nextWait_ = timeouts_.reply;
        RawPacket packet;
        try {
            uint8_t header[kRawHeader];
            bytes.read(header, kRawHeader, "The raw packet");
            const uint32_t length = readBig32(header);
            packet.type = header[4];
            const std::optional<size_t> largest = largestData(packet.type);
            if (!largest)
                throw noAnswer("a " + rawName(packet.type) + " where " + awaited + " was due");
            if (length > *largest)
                throw noAnswer("a " + rawName(packet.type) + " announced " + std::to_string(length) +
                               " data bytes, more than the " + std::to_string(*largest) + " the exchange allows");
            packet.data.resize(length);
            bytes.read(packet.data.data(), length, "The " + rawName(packet.type));
        } catch (const LinkError &) {
            if (trace_.on() && !bytes.kept().empty())
                trace_.event("received " + hexBytes(bytes.kept()) + ", not a whole raw packet");
            throw;
        }
        if (packet.type == kBufferSizeAllocation && packet.data.size() != 4)
            throw noAnswer("a buffer size allocation of " + std::to_string(packet.data.size()) + " bytes, not 4");
        if (trace_.on())
            trace_.event("received " + hexBytes(bytes.kept()) + " " + rawName(packet.type));
        return packet;
    }

    void sendVirtual(uint16_t type, std::span<const uint8_t> data)
    {
        if (trace_.on())
            trace_.event("sending the " + virtualName(type));
        for (const std::vector<uint8_t> &part : rawPartsOf(virtualPacket(type, data), allocation_)) {
            sendRaw(part);
            const RawPacket answer = readRaw("the acknowledgement");
            if (answer.type != kAcknowledgement ||
                !std::equal(answer.data.begin(), answer.data.end(), std::begin(kAcknowledgementData),
                            std::end(kAcknowledgementData)))
                throw noAnswer("expected the acknowledgement of the " + virtualName(type) + ", got a " +
                               rawName(answer.type) + " " + hexBytes(answer.data));
        }
    }

    // One virtual packet from its parts, each acknowledged, holding at most
    // the parameter data of a screen.
    VirtualPacket readVirtual()
    {
        std::vector<uint8_t> bytes;
        for (;;) {
            const RawPacket part = readRaw("a part of a virtual packet");
            if (part.type != kVirtualMore && part.type != kVirtualLast)
                throw noAnswer("expected a part of a virtual packet, got a " + rawName(part.type));
            if (part.data.empty())
                throw noAnswer("an empty " + rawName(part.type));
            bytes.insert(bytes.end(), part.data.begin(), part.data.end());
            if (bytes.size() >= kVirtualHeader) {
                const uint32_t length = readBig32(bytes.data());
                const bool parameterData = readBig16(&bytes[4]) == kParameterData;
                if (parameterData && bytes.size() >= kVirtualHeader + kParameterHeader)
                    checkScreenParameter(transport_, &bytes[kVirtualHeader]);
                if (length > kScreenDataBytes) {
                    const std::string announced = "announced a virtual packet of " + std::to_string(length) +
                                                  " bytes, more than the " + std::to_string(kScreenDataBytes) +
                                                  " of a screen's parameter data";
                    throw parameterData ? otherScreen(transport_, "its parameter data " + announced)
                                        : noAnswer("the calculator " + announced);
                }
                if (bytes.size() > kVirtualHeader + length ||
                    (part.type == kVirtualMore && bytes.size() == kVirtualHeader + length))
                    throw noAnswer("the parts of a virtual packet of " + std::to_string(length) +
                                   " bytes went on past its end");
            }
            sendRaw(rawPacket(kAcknowledgement, kAcknowledgementData));
            if (part.type == kVirtualLast)
                break;
        }
        if (bytes.size() < kVirtualHeader || bytes.size() != kVirtualHeader + readBig32(bytes.data()))
            throw noAnswer("a virtual packet ended after " + std::to_string(bytes.size()) +
                           " bytes, short of the length it announced");
        VirtualPacket packet;
        packet.type = readBig16(&bytes[4]);
        packet.data.assign(bytes.begin() + kVirtualHeader, bytes.end());
        if (trace_.on())
            trace_.event("received the " + virtualName(packet.type) + ", " + std::to_string(packet.data.size()) +
                         " bytes");
        return packet;
    }

    static void expect(uint16_t type, const VirtualPacket &packet)
    {
        if (packet.type == kError)
            throw noAnswer("the calculator answered with " +
                           (packet.data.size() == 2 ? errorName(readBig16(packet.data.data()))
                                                    : "an error of " + std::to_string(packet.data.size()) + " bytes"));
        if (packet.type != type)
            throw noAnswer("expected the " + virtualName(type) + ", got the " + virtualName(packet.type));
    }

    Transport &transport_;
    const LinkTimeouts &timeouts_;
    const Trace &trace_;
    uint32_t allocation_ = 0;
    Millis nextWait_;
    int delays_ = 0;
};

} // namespace

} // namespace calclink::direct

namespace calclink {

Bitmap readDirectScreen(Transport &transport, const LinkTimeouts &timeouts, const Trace &trace)
{
    return direct::DirectSession(transport, timeouts, trace).run();
}

} // namespace calclink
