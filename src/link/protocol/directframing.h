#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "bitmap.h"

// The framing a calculator speaks on its own USB port, in place of the link
// port's packets: raw packets (a 4-byte length of the data, a 1-byte type,
// the data) that carry virtual packets (a 4-byte length, a 2-byte type, the
// data). Numbers here are big-endian. The host's exchange and the simulated
// calculator both build their bytes from this one file.
namespace calclink::direct {

inline constexpr size_t kUsbPacket = 64; // the calculator's full-speed bulk packets

inline constexpr size_t kRawHeader = 5;
enum RawType : uint8_t {
    kBufferSizeRequest = 1,    // data: the largest raw packet data the sender can take
    kBufferSizeAllocation = 2, // data: the size the receiver agrees to
    kVirtualMore = 3,          // a part of a virtual packet, more follows
    kVirtualLast = 4,          // its last (or only) part
    kAcknowledgement = 5,      // data: E0 00; answers every part of a virtual packet
};

inline constexpr size_t kVirtualHeader = 6;
enum VirtualType : uint16_t {
    kSetMode = 0x0001,
    kParameterRequest = 0x0007,
    kParameterData = 0x0008,
    kModeAcknowledgement = 0x0012,
    kDelayAcknowledgement = 0xBB00, // the calculator needs more time
    kError = 0xEE00,                // data: a 2-byte error code
};

inline constexpr uint16_t kScreenParameter = 0x0022;
inline constexpr uint16_t kErrorBeforeSetMode = 0x0008;
inline constexpr uint16_t kErrorNoSuchParameter = 0x0022;

// What the host asks for and sends: the largest raw packet data it takes,
// and the set mode data (normal mode, a time-out of 2000).
inline constexpr uint32_t kHostBufferSize = 1024;
inline constexpr uint8_t kNormalMode[] = {0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x07, 0xD0};
inline constexpr uint8_t kAcknowledgementData[] = {0xE0, 0x00};

// The parameter data of one screen: count, id, valid flag, value length, value.
inline constexpr size_t kParameterHeader = 2 + 2 + 1 + 2;
inline constexpr size_t kScreenDataBytes = kParameterHeader + kBitmapSize; // 775

inline uint32_t readBig32(const uint8_t *bytes)
{
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
}
inline uint16_t readBig16(const uint8_t *bytes) { return uint16_t(bytes[0] << 8 | bytes[1]); }
inline void appendBig32(std::vector<uint8_t> &out, uint32_t value)
{
    out.insert(out.end(), {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)});
}
inline void appendBig16(std::vector<uint8_t> &out, uint16_t value)
{
    out.insert(out.end(), {uint8_t(value >> 8), uint8_t(value)});
}

// One raw packet: header, then data.
inline std::vector<uint8_t> rawPacket(uint8_t type, std::span<const uint8_t> data = {})
{
    std::vector<uint8_t> bytes;
    bytes.reserve(kRawHeader + data.size());
    appendBig32(bytes, uint32_t(data.size()));
    bytes.push_back(type);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

inline std::vector<uint8_t> bufferSizePacket(uint8_t type, uint32_t size)
{
    std::vector<uint8_t> data;
    appendBig32(data, size);
    return rawPacket(type, data);
}

// One virtual packet, header and data, before it is cut into raw packets.
inline std::vector<uint8_t> virtualPacket(uint16_t type, std::span<const uint8_t> data = {})
{
    std::vector<uint8_t> bytes;
    bytes.reserve(kVirtualHeader + data.size());
    appendBig32(bytes, uint32_t(data.size()));
    appendBig16(bytes, type);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// A virtual packet cut into raw packets of at most `allocation` data bytes
// (at least 1): types 3 ... 3, 4.
inline std::vector<std::vector<uint8_t>> rawPartsOf(std::span<const uint8_t> virtualBytes, uint32_t allocation)
{
    const size_t size = allocation ? allocation : 1;
    std::vector<std::vector<uint8_t>> parts;
    for (size_t at = 0; at < virtualBytes.size(); at += size) {
        const size_t count = std::min(size, virtualBytes.size() - at);
        parts.push_back(rawPacket(at + count < virtualBytes.size() ? kVirtualMore : kVirtualLast,
                                  virtualBytes.subspan(at, count)));
    }
    return parts;
}

} // namespace calclink::direct
