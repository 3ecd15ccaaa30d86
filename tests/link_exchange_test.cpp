// The screen exchange and the picture it gives, in memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calclink.h"
#include "linkerror.h"
#include "memorytransport.h"
#include "screenexchange.h"
#include "tempfolder.h"
#include "trace.h"

using namespace calclink;

namespace {

const std::vector<uint8_t> kScr{0x23, 0x6D, 0, 0};
const std::vector<uint8_t> kAck{0x23, 0x56, 0, 0};
const std::vector<uint8_t> kErr{0x23, 0x5A, 0, 0};
const std::vector<uint8_t> kCalcAck{0x73, 0x56, 0, 0};

std::vector<uint8_t> testScreen()
{
    std::vector<uint8_t> screen(kBitmapSize);
    for (size_t i = 0; i < screen.size(); ++i)
        screen[i] = uint8_t(i * 31 + 7);
    return screen;
}

std::vector<uint8_t> dataPacket(const std::vector<uint8_t> &screen, uint16_t checksumError = 0)
{
    std::vector<uint8_t> bytes = encodePacket(0x73, kCmdData, screen);
    bytes[bytes.size() - 2] = uint8_t(bytes[bytes.size() - 2] + checksumError);
    return bytes;
}

std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> all;
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST(ScreenExchange, RequestAcknowledgeDataAcknowledge)
{
    const std::vector<uint8_t> screen = testScreen();
    MemoryTransport transport(concat({kCalcAck, dataPacket(screen)}), 50);
    const Bitmap bitmap = readScreen(transport);
    EXPECT_TRUE(std::equal(bitmap.begin(), bitmap.end(), screen.begin()));
    EXPECT_EQ(transport.sent(), concat({kScr, kAck}));
}

TEST(ScreenExchange, BadChecksumIsAnsweredWithErrAtMostTwice)
{
    const std::vector<uint8_t> screen = testScreen();
    MemoryTransport once(concat({kCalcAck, dataPacket(screen, 1), dataPacket(screen)}));
    const Bitmap bitmap = readScreen(once);
    EXPECT_TRUE(std::equal(bitmap.begin(), bitmap.end(), screen.begin()));
    EXPECT_EQ(once.sent(), concat({kScr, kErr, kAck}));

    MemoryTransport twice(concat({kCalcAck, dataPacket(screen, 1), dataPacket(screen, 1), dataPacket(screen)}));
    EXPECT_NO_THROW(readScreen(twice));
    EXPECT_EQ(twice.sent(), concat({kScr, kErr, kErr, kAck}));

    MemoryTransport always(concat({kCalcAck, dataPacket(screen, 1), dataPacket(screen, 1), dataPacket(screen, 1)}));
    try {
        readScreen(always);
        FAIL() << "a third bad checksum was accepted";
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kNoAnswer);
        EXPECT_TRUE(e.description().empty());
    }
    EXPECT_EQ(always.sent(), concat({kScr, kErr, kErr})) << "the screen was acknowledged although it was bad";
}

TEST(ScreenExchange, WrongAnswersFailWithoutDescription)
{
    const std::vector<uint8_t> screen = testScreen();
    const std::vector<uint8_t> skip = encodePacket(0x73, kCmdSkip, std::vector<uint8_t>{1, 0, 0, 0, 0});
    const std::vector<uint8_t> shorter(screen.begin(), screen.end() - 1);
    std::vector<uint8_t> longer = screen;
    longer.push_back(0);
    std::vector<uint8_t> stranger = dataPacket(screen);
    stranger[0] = 0x55;
    std::vector<uint8_t> halfScreen = dataPacket(screen);
    halfScreen.resize(400);

    const struct {
        const char *what;
        std::vector<uint8_t> reply;
        const char *detail;
    } cases[] = {
        {"silence", {}, "no reply"},
        {"SKIP for ACK", skip, "SKIP"},
        {"SKIP for DATA", concat({kCalcAck, skip}), "SKIP"},
        {"ERR for ACK", {0x73, 0x5A, 0, 0}, "ERR"},
        {"DATA for ACK", dataPacket(screen), "DATA"},
        {"second ACK for DATA", concat({kCalcAck, kCalcAck}), "ACK"},
        {"767 bytes", concat({kCalcAck, encodePacket(0x73, kCmdData, shorter)}), "767"},
        {"769 bytes", concat({kCalcAck, encodePacket(0x73, kCmdData, longer)}), "769"},
        {"empty DATA", concat({kCalcAck, {0x73, 0x15, 0, 0}}), "0 bytes"},
        {"stranger's DATA", concat({kCalcAck, stranger}), "0x55"},
        {"half a screen", concat({kCalcAck, halfScreen}), "stopped after"},
    };
    for (const auto &c : cases) {
        MemoryTransport transport(c.reply);
        try {
            readScreen(transport);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const LinkError &e) {
            EXPECT_EQ(e.number(), kNoAnswer) << c.what;
            EXPECT_TRUE(e.description().empty()) << c.what << ": " << e.description();
            EXPECT_NE(e.detail().find(c.detail), std::string::npos) << c.what << ": " << e.detail();
            EXPECT_EQ(e.silent(), c.reply.empty()) << c.what << ": only silence is silent";
        }
        EXPECT_EQ(transport.sent(), kScr) << c.what << ": sent more than the request";
    }
}

TEST(CalcScreen, ThePictureIsTheScreenReadAndItsBitsArePixelsFromTheTopLeft)
{
    Bitmap bitmap{};
    bitmap[0] = 0x80;   // (0, 0)
    bitmap[11] = 0x01;  // (95, 0)
    bitmap[12] = 0x40;  // (1, 1)
    bitmap[767] = 0x01; // (95, 63)
    CalcScreen screen;
    screen.Configure(26);
    screen.setBitmap(bitmap);
    EXPECT_EQ(screen.GetPicture(), bitmap);
    int dark = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            dark += isDark(bitmap, x, y);
    EXPECT_EQ(dark, 4);
    EXPECT_TRUE(isDark(bitmap, 0, 0));
    EXPECT_TRUE(isDark(bitmap, 95, 0));
    EXPECT_TRUE(isDark(bitmap, 1, 1));
    EXPECT_TRUE(isDark(bitmap, 95, 63));
    setDark(bitmap, 95, 63, false);
    EXPECT_EQ(bitmap[767], 0);
}

TEST(CalcScreen, RefusesUnknownFormatAndPictureBeforeScreen)
{
    CalcScreen screen;
    try {
        screen.Configure(25);
        FAIL();
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kInvalidArgument);
        EXPECT_NE(e.description().find("25"), std::string::npos);
    }
    try {
        screen.GetPicture();
        FAIL();
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kInvalidArgument);
        EXPECT_FALSE(e.description().empty());
    }
}

TEST(CalcLink, GetScreenBeforeConnectIsRefused)
{
    CalcLink link;
    CalcScreen screen;
    try {
        link.GetScreen(screen);
        FAIL();
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kInvalidArgument);
        EXPECT_FALSE(e.description().empty());
    }
    EXPECT_FALSE(screen.bitmap());
}

// The limits a capture has when the caller gives none: the README's promises
// (an answer or a message within about two seconds, any Gray or USB capture
// over within ten, a Black one within the minute a slow adapter needs).
TEST(LinkTimeouts, EachCableHasItsOwnRealLimits)
{
    const auto ms = [](const LinkTimeouts &t) {
        return std::vector<Millis::rep>{t.reply.count(),   t.byte.count(),  t.packet.count(),
                                        t.capture.count(), t.write.count(), t.bit.count()};
    };
    const std::vector<Millis::rep> byteCables{2000, 1000, 2000, 10000, 1000, 1000};
    EXPECT_EQ(ms(LinkTimeouts{}), byteCables);
    EXPECT_EQ(ms(cableTimeouts(kCableGray)), byteCables);
    EXPECT_EQ(ms(cableTimeouts(kCableUsb)), byteCables);
    // 80 ms a byte on a slow USB serial adapter: a DATA packet of 774 bytes,
    // and a capture of 786 bytes after the calculator's first answer.
    EXPECT_EQ(ms(cableTimeouts(kCableBlack)), (std::vector<Millis::rep>{2000, 1000, 80 * 774, 80 * 786 + 2000, 1000, 1000}));
}

TEST(Trace, ALongRunKeepsItsLastLinesWithinTwiceTheLimit)
{
    TempFolder folder;
    const std::string path = (folder.path() / "trace").string();
    std::string error;
    Trace trace(path.c_str(), true, error, 1000);
    for (int line = 0; line < 100; ++line)
        trace.event("line " + std::to_string(line));
    EXPECT_LE(std::filesystem::file_size(path), 1000u);
    EXPECT_LE(std::filesystem::file_size(path + ".1"), 1000u);
    std::stringstream last;
    last << std::ifstream(path).rdbuf();
    EXPECT_NE(last.str().find("  line 99\n"), std::string::npos) << last.str();
    EXPECT_EQ(trace.lost() + error, "");
}
