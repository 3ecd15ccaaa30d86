#include "packet.h"

#include <cstdio>
#include <stdexcept>

#include "linkerror.h"

namespace calclink {

namespace {

std::string hex(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFF);
    return text;
}

// Fills `buffer` completely or throws: the first byte within `firstByte`, each
// further one within `nextByte`. `received` counts what the packet already
// had, for the message.
void readExactly(Transport &transport, uint8_t *buffer, size_t size, Millis firstByte,
                 Millis nextByte, size_t &received, const std::string &what)
{
    size_t done = 0;
    while (done < size) {
        const Millis limit = (received == 0) ? firstByte : nextByte;
        const size_t got = transport.receive(buffer + done, size - done, limit);
        if (got == 0) {
            if (received == 0)
                throw noAnswer("no reply within " + std::to_string(limit.count()) + " ms");
            throw noAnswer(what + " stopped after " + std::to_string(received) +
                           " bytes: nothing for " + std::to_string(limit.count()) + " ms");
        }
        done += got;
        received += got;
    }
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
    return machineId == 0x73 || machineId == 0x83 || machineId == 0x82 || machineId == 0x74;
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

Packet readPacket(Transport &transport, Millis firstByte, Millis nextByte, size_t maxData)
{
    size_t received = 0;
    uint8_t header[4];

    // Each header byte is checked as it arrives, so that noise on the line
    // fails at once instead of after the byte limit.
    readExactly(transport, header, 1, firstByte, nextByte, received, "The reply");
    if (!isCalculatorId(header[0]))
        throw noAnswer("a reply from the unknown machine id " + hex(header[0]));

    readExactly(transport, header + 1, 1, firstByte, nextByte, received, "The reply");
    const std::optional<bool> carriesData = commandCarriesData(header[1]);
    if (!carriesData)
        throw noAnswer("a reply with the unknown command id " + hex(header[1]));

    Packet packet;
    packet.machineId = header[0];
    packet.command = header[1];
    const std::string what = "The " + commandName(packet.command) + " packet";
    readExactly(transport, header + 2, 2, firstByte, nextByte, received, what);
    packet.length = uint16_t(header[2] | (header[3] << 8));

    if (!*carriesData || packet.length == 0)
        return packet;
    if (packet.length > maxData)
        throw noAnswer(what + " announced " + std::to_string(packet.length) +
                       " data bytes, more than the " + std::to_string(maxData) + " expected");

    packet.data.resize(packet.length);
    readExactly(transport, packet.data.data(), packet.data.size(), firstByte, nextByte, received, what);
    uint8_t sum[2];
    readExactly(transport, sum, 2, firstByte, nextByte, received, what);
    packet.checksumOk = checksum(packet.data) == uint16_t(sum[0] | (sum[1] << 8));
    return packet;
}

} // namespace calclink
