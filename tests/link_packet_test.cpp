// Packet framing and the reader against hostile byte streams, in memory.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "linkerror.h"
#include "memorytransport.h"
#include "packet.h"

using namespace calclink;

namespace {

constexpr Millis kFirst{2000};
constexpr Millis kNext{1000};

std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> all;
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

LinkError readFailure(MemoryTransport &transport, size_t maxData = 768)
{
    try {
        readPacket(transport, kFirst, kNext, maxData);
    } catch (const LinkError &e) {
        return e;
    }
    ADD_FAILURE() << "the reader accepted the stream";
    return LinkError(0, {});
}

} // namespace

TEST(PacketEncoding, HeaderIsLittleEndianAndChecksumFollowsOnlyData)
{
    EXPECT_EQ(encodePacket(kHostId, kCmdScr), (std::vector<uint8_t>{0x23, 0x6D, 0x00, 0x00}));
    EXPECT_EQ(encodePacket(kHostId, kCmdAck), (std::vector<uint8_t>{0x23, 0x56, 0x00, 0x00}));
    EXPECT_EQ(encodePacket(kHostId, kCmdErr), (std::vector<uint8_t>{0x23, 0x5A, 0x00, 0x00}));

    // 768 bytes of 0xFF sum to 195840, which is 0xFD00 modulo 65536.
    const std::vector<uint8_t> screen(768, 0xFF);
    const std::vector<uint8_t> bytes = encodePacket(kCalculatorId, kCmdData, screen);
    ASSERT_EQ(bytes.size(), 4u + 768u + 2u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<uint8_t>{0x73, 0x15, 0x00, 0x03}));
    EXPECT_EQ(bytes[772], 0x00);
    EXPECT_EQ(bytes[773], 0xFD);

    EXPECT_THROW(encodePacket(kHostId, kCmdAck, screen), std::invalid_argument);
    EXPECT_THROW(encodePacket(kHostId, 0x42), std::invalid_argument);
}

TEST(PacketReader, ReadsEachCalculatorIdAndEveryKnownCommand)
{
    for (uint8_t id : {0x73, 0x83, 0x82, 0x74}) {
        MemoryTransport transport({id, 0x56, 0, 0});
        EXPECT_EQ(readPacket(transport, kFirst, kNext, 768).machineId, id);
    }
    for (uint8_t command : {0x6D, 0x56, 0x5A, 0x09, 0x68, 0x92, 0x2D}) {
        MemoryTransport transport({0x73, command, 0, 0, 0x73, 0x56, 0, 0});
        EXPECT_EQ(readPacket(transport, kFirst, kNext, 768).command, command);
        EXPECT_EQ(transport.unread(), 4u) << "command " << int(command) << " read past its header";
    }
    for (uint8_t command : {0x15, 0x36, 0x06, 0x88, 0xA2, 0xC9}) {
        MemoryTransport transport(encodePacket(0x73, command, std::vector<uint8_t>{1, 2, 3}));
        const Packet packet = readPacket(transport, kFirst, kNext, 768);
        EXPECT_EQ(packet.data, (std::vector<uint8_t>{1, 2, 3})) << "command " << int(command);
        EXPECT_TRUE(packet.checksumOk);
        EXPECT_EQ(transport.unread(), 0u);
    }
}

TEST(PacketReader, DatalessCommandWithNonZeroLengthIsOnlyItsHeader)
{
    // An ACK claiming 5 bytes, then a DATA packet: the ACK must not swallow the DATA's bytes.
    const std::vector<uint8_t> data{9, 8, 7};
    MemoryTransport transport(concat({{0x73, 0x56, 0x05, 0x00}, encodePacket(0x73, kCmdData, data)}));
    const Packet ack = readPacket(transport, kFirst, kNext, 768);
    EXPECT_EQ(ack.command, kCmdAck);
    EXPECT_EQ(ack.length, 5);
    EXPECT_TRUE(ack.data.empty());
    const Packet next = readPacket(transport, kFirst, kNext, 768);
    EXPECT_EQ(next.command, kCmdData);
    EXPECT_EQ(next.data, data);
}

TEST(PacketReader, ReportsBadChecksumWithoutThrowing)
{
    std::vector<uint8_t> bytes = encodePacket(0x73, kCmdData, std::vector<uint8_t>(768, 0x5A));
    bytes.back() ^= 0x01;
    MemoryTransport transport(bytes);
    const Packet packet = readPacket(transport, kFirst, kNext, 768);
    EXPECT_FALSE(packet.checksumOk);
    EXPECT_EQ(packet.data.size(), 768u);
}

TEST(PacketReader, SamePacketWhateverTheChunking)
{
    std::vector<uint8_t> screen(768);
    for (size_t i = 0; i < screen.size(); ++i)
        screen[i] = uint8_t(i * 7);
    for (size_t chunk : {size_t(1), size_t(3), size_t(100), SIZE_MAX}) {
        MemoryTransport transport(encodePacket(0x73, kCmdData, screen), chunk);
        const Packet packet = readPacket(transport, kFirst, kNext, 768);
        EXPECT_EQ(packet.data, screen) << "chunk " << chunk;
        EXPECT_TRUE(packet.checksumOk);
    }
}

TEST(PacketReader, RefusesUnknownIdsAtOnce)
{
    MemoryTransport strangerId({0x23, 0x56, 0, 0});
    LinkError e = readFailure(strangerId);
    EXPECT_EQ(e.number(), kNoAnswer);
    EXPECT_NE(e.detail().find("0x23"), std::string::npos) << e.detail();
    EXPECT_EQ(strangerId.unread(), 3u) << "the reader went on past a bad machine id";

    MemoryTransport strangerCommand({0x73, 0x4F, 0, 0});
    e = readFailure(strangerCommand);
    EXPECT_EQ(e.number(), kNoAnswer);
    EXPECT_NE(e.detail().find("0x4F"), std::string::npos) << e.detail();
}

TEST(PacketReader, HugeLengthIsRefusedBeforeAnyDataIsRead)
{
    // The stream offers all the bytes its header promises; the reader must not take them.
    std::vector<uint8_t> bytes{0x73, 0x15, 0xFF, 0xFF};
    bytes.resize(4 + 0xFFFF + 2, 0);
    MemoryTransport transport(bytes);
    const LinkError e = readFailure(transport, 768);
    EXPECT_EQ(e.number(), kNoAnswer);
    EXPECT_TRUE(e.description().empty());
    EXPECT_NE(e.detail().find("65535"), std::string::npos) << e.detail();
    EXPECT_EQ(transport.unread(), bytes.size() - 4);
}

TEST(PacketReader, SilenceAndStallsUseTheirOwnLimits)
{
    MemoryTransport silent;
    LinkError e = readFailure(silent);
    EXPECT_EQ(e.number(), kNoAnswer);
    EXPECT_EQ(e.detail(), "no reply within 2000 ms (the reply limit)");
    EXPECT_EQ(silent.waits(), std::vector<Millis>{kFirst});

    // A DATA packet cut off after 100 of its 768 bytes: only the first byte may wait 2 s.
    std::vector<uint8_t> bytes = encodePacket(0x73, kCmdData, std::vector<uint8_t>(768, 1));
    bytes.resize(104);
    MemoryTransport truncated(bytes, 10);
    e = readFailure(truncated);
    EXPECT_EQ(e.number(), kNoAnswer);
    EXPECT_EQ(e.detail(), "The DATA packet stopped after 104 bytes: nothing for 1000 ms (the byte limit)");
    ASSERT_GE(truncated.waits().size(), 2u);
    EXPECT_EQ(truncated.waits().front(), kFirst);
    for (size_t i = 1; i < truncated.waits().size(); ++i)
        EXPECT_EQ(truncated.waits()[i], kNext) << "wait " << i;

    // Cut inside the header and inside the checksum.
    for (size_t keep : {size_t(2), size_t(773)}) {
        std::vector<uint8_t> cut = encodePacket(0x73, kCmdData, std::vector<uint8_t>(768, 1));
        cut.resize(keep);
        MemoryTransport transport(cut);
        EXPECT_EQ(readFailure(transport).number(), kNoAnswer) << "cut at " << keep;
    }
}

TEST(PacketReader, RandomStreamsEndInAPacketOrNoAnswer)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes(random() % 900);
        for (auto &b : bytes)
            b = uint8_t(random());
        // Most rounds start with a plausible header, so the reader gets past it.
        if (round % 2 && bytes.size() >= 4) {
            bytes[0] = 0x73;
            bytes[1] = (round % 4 == 1) ? 0x15 : 0x56;
        }
        MemoryTransport transport(bytes, 1 + random() % 64);
        try {
            const Packet packet = readPacket(transport, kFirst, kNext, 768);
            EXPECT_LE(packet.data.size(), 768u);
        } catch (const LinkError &e) {
            EXPECT_EQ(e.number(), kNoAnswer);
            EXPECT_FALSE(e.detail().empty());
        }
        EXPECT_LE(bytes.size() - transport.unread(), 4u + 768u + 2u);
    }
}

// A device that sends one byte every `pace`, each well inside the byte limit.
class TricklingTransport : public Transport {
public:
    explicit TricklingTransport(std::vector<uint8_t> bytes, Millis pace = Millis(5))
        : bytes_(std::move(bytes)), pace_(pace) {}
    void send(const uint8_t *, size_t) override {}
    size_t receive(uint8_t *buffer, size_t, Millis timeout) override
    {
        longestWait = std::max(longestWait, timeout);
        if (position_ == bytes_.size())
            return 0;
        std::this_thread::sleep_for(std::min(pace_, timeout));
        if (timeout < pace_)
            return 0;
        *buffer = bytes_[position_++];
        return 1;
    }
    Millis longestWait{0};
    size_t position_ = 0;

private:
    std::vector<uint8_t> bytes_;
    Millis pace_;
};

TEST(PacketReader, ATricklingDeviceCannotStretchAPacketPastItsWholeLimit)
{
    std::vector<uint8_t> screen(768, 0x5A);
    TricklingTransport transport(encodePacket(kCalculatorId, kCmdData, screen));
    const auto started = std::chrono::steady_clock::now();
    try {
        readPacket(transport, kFirst, kNext, 768, Millis(100));
        FAIL() << "a packet that took longer than its limit was accepted";
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kNoAnswer);
        EXPECT_TRUE(e.description().empty());
        EXPECT_NE(e.detail().find("took longer than 100 ms"), std::string::npos) << e.detail();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_LT(transport.position_, 100u) << "it stopped reading once the time was up";
    EXPECT_EQ(transport.longestWait, kFirst);

    // A byte due after what is left of the packet's time: the packet limit
    // ran out, not the byte limit, and the detail says which.
    TricklingTransport slower(encodePacket(kCalculatorId, kCmdData, screen), Millis(40));
    try {
        readPacket(slower, kFirst, kNext, 768, Millis(100));
        FAIL() << "a packet that took longer than its limit was accepted";
    } catch (const LinkError &e) {
        EXPECT_NE(e.detail().find("took longer than 100 ms (the packet limit"), std::string::npos) << e.detail();
    }

    // The same bytes at the same pace inside a generous limit are one good packet.
    TricklingTransport patient({0x73, 0x56, 0x00, 0x00});
    EXPECT_EQ(readPacket(patient, kFirst, kNext, 768, Millis(1000)).command, kCmdAck);
}
