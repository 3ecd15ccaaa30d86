#include "packet.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "linkerror.h"
#include "packetbytes.h"
#include "trace.h"

namespace calclink {

namespace {

std::string hex(uint8_t value) { return "0x" + hexadecimal(value, 2); }

Packet readPacketFrom(PacketBytes &bytes, size_t maxData)
{
    uint8_t header[4];

    // Each header byte is checked as it arrives, so that noise on the line
    // fails at once instead of after the byte limit.
    bytes.read(header, 1, "The reply");
    if (!isCalculatorId(header[0]))
        throw noAnswer("a reply from the unknown machine id " + hex(header[0]));

    bytes.read(header + 1, 1, "The reply");
    const std::optional<bool> carriesData = commandCarriesData(header[1]);
    if (!carriesData)
        throw noAnswer("a reply with the unknown command id " + hex(header[1]));

    Packet packet;
    packet.machineId = header[0];
    packet.command = header[1];
    const std::string what = "The " + commandName(packet.command) + " packet";
    bytes.read(header + 2, 2, what);
    packet.length = uint16_t(header[2] | (header[3] << 8));

    if (!*carriesData || packet.length == 0)
        return packet;
    if (packet.length > maxData)
        throw noAnswer(what + " announced " + std::to_string(packet.length) +
                       " data bytes, more than the " + std::to_string(maxData) + " expected");

    packet.data.resize(packet.length);
    bytes.read(packet.data.data(), packet.data.size(), what);
    uint8_t sum[2];
    bytes.read(sum, 2, what);
    packet.checksumOk = checksum(packet.data) == uint16_t(sum[0] | (sum[1] << 8));
    return packet;
}

} // namespace

std::optional<bool> commandCarriesData(uint8_t command)
{
    switch (command) {
    case kCmdData: case kCmdSkip: case kCmdVar: case kCmdDel: case kCmdReq: case kCmdRts:
        return true;
    case kCmdScr: case kCmdAck: case kCmdErr: case kCmdCts: case kCmdRdy: case kCmdEot: case kCmdVer:
        return false;
    default:
        return std::nullopt;
    }
}

std::string commandName(uint8_t command)
{
    switch (command) {
    case kCmdVar: return "VAR";
    case kCmdCts: return "CTS";
    case kCmdData: return "DATA";
    case kCmdVer: return "VER";
    case kCmdSkip: return "SKIP";
    case kCmdAck: return "ACK";
    case kCmdErr: return "ERR";
    case kCmdRdy: return "RDY";
    case kCmdScr: return "SCR";
    case kCmdDel: return "DEL";
    case kCmdEot: return "EOT";
    case kCmdReq: return "REQ";
    case kCmdRts: return "RTS";
    default: return hex(command);
    }
}

bool isCalculatorId(uint8_t machineId)
{
    switch (machineId) {
    case kCalculatorId: // the current models
    case 0x83:          // the generation before them, with the same 96 x 64 screen
    case 0x82:          // an earlier generation of the same 96 x 64 screen family
    case 0x74:          // a smaller model of the same 96 x 64 screen family
        return true;
    default:
        return false;
    }
}

uint16_t checksum(std::span<const uint8_t> data)
{
    uint32_t sum = 0;
    for (uint8_t byte : data)
        sum += byte;
    return uint16_t(sum & 0xFFFF);
}

std::vector<uint8_t> encodePacket(uint8_t machineId, uint8_t command, std::span<const uint8_t> data)
{
    const std::optional<bool> carriesData = commandCarriesData(command);
    if (!carriesData)
        throw std::invalid_argument("unknown command " + hex(command));
    if (!*carriesData && !data.empty())
        throw std::invalid_argument(commandName(command) + " carries no data");
    if (data.size() > 0xFFFF)
        throw std::invalid_argument("a packet holds at most 65535 data bytes");

    std::vector<uint8_t> bytes;
    bytes.reserve(4 + data.size() + 2);
    bytes.push_back(machineId);
    bytes.push_back(command);
    bytes.push_back(uint8_t(data.size() & 0xFF));
    bytes.push_back(uint8_t(data.size() >> 8));
    if (!data.empty()) {
        bytes.insert(bytes.end(), data.begin(), data.end());
        const uint16_t sum = checksum(data);
        bytes.push_back(uint8_t(sum & 0xFF));
        bytes.push_back(uint8_t(sum >> 8));
    }
    return bytes;
}

Packet readPacket(Transport &transport, Millis firstByte, Millis nextByte, size_t maxData, Millis wholePacket,
                  const Trace &trace)
{
    PacketBytes bytes(transport, firstByte, nextByte, wholePacket, trace.on());
    try {
        const Packet packet = readPacketFrom(bytes, maxData);
        if (trace.on()) {
            std::string name = commandName(packet.command);
            if (!packet.data.empty())
                name += packet.checksumOk ? ", checksum right" : ", checksum wrong";
            trace.event("received " + hexBytes(bytes.kept()) + " " + name);
        }
        return packet;
    } catch (const LinkError &) {
        if (trace.on() && !bytes.kept().empty())
            trace.event("received " + hexBytes(bytes.kept()) + ", not a whole packet");
        throw;
    }
}

} // namespace calclink
