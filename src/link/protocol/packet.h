#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "timeouts.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

// Machine ids: who sends a packet.
inline constexpr uint8_t kHostId = 0x23;
inline constexpr uint8_t kCalculatorId = 0x73;

// Command ids.
enum Command : uint8_t {
    kCmdVar = 0x06,
    kCmdCts = 0x09,
    kCmdData = 0x15,
    kCmdVer = 0x2D,
    kCmdSkip = 0x36,
    kCmdAck = 0x56,
    kCmdErr = 0x5A,
    kCmdRdy = 0x68,
    kCmdScr = 0x6D,
    kCmdDel = 0x88,
    kCmdEot = 0x92,
    kCmdReq = 0xA2,
    kCmdRts = 0xC9,
};

// One packet as it travelled. `length` is the length field as sent: for a
// command without data it may be non-zero although nothing followed it.
struct Packet {
    uint8_t machineId = 0;
    uint8_t command = 0;
    uint16_t length = 0;
    std::vector<uint8_t> data;
    bool checksumOk = true; // false when the data did not add up to the checksum sent
};

// Whether a command carries data; nullopt for an id the link does not know.
std::optional<bool> commandCarriesData(uint8_t command);
// The command's name for messages ("ACK", "DATA", ..., or "0x4F").
std::string commandName(uint8_t command);
// Whether a machine id is one a calculator of this screen family replies with.
bool isCalculatorId(uint8_t machineId);

// The sum of the bytes, modulo 65536.
uint16_t checksum(std::span<const uint8_t> data);

// The bytes of one packet: header, then data and checksum when there is data.
// A command without data must be given none.
std::vector<uint8_t> encodePacket(uint8_t machineId, uint8_t command,
                                  std::span<const uint8_t> data = {});

// Reads exactly one packet from `transport`: its first byte within
// `firstByte`, every further byte within `nextByte`, the whole packet within
// `wholePacket` of its first byte. A length field above
// `maxData` on a command with data is refused before any of the data is read,
// so the reader never stores or waits for more than the caller expects. A
// silent or stalled link, an unknown machine id or command, or an oversized
// length throws LinkError kNoAnswer with a detail saying what arrived. A
// checksum mismatch does not throw: it is reported in Packet::checksumOk.
// The bytes read, whole packet or not, go to `trace`.
Packet readPacket(Transport &transport, Millis firstByte, Millis nextByte, size_t maxData,
                  Millis wholePacket = LinkTimeouts{}.packet, const Trace &trace = Trace::off());

} // namespace calclink
