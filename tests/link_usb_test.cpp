// The USB transport over a fake cable that plays the calculator's side of the
// bulk transfers, and the errors a user reads when opening fails.

#include <gtest/gtest.h>

#include <cerrno>
#include <deque>
#include <thread>

#include "linkerror.h"
#include "memorytransport.h"
#include "packet.h"
#include "screenexchange.h"
#include "transports.h"
#include "usbcable.h"

using namespace calclink;
using namespace std::chrono_literals;

namespace {

// One scripted answer to a bulk read: bytes (at most what was asked for, the
// rest stays queued like the next USB packet), or a status.
struct Reply {
    std::vector<uint8_t> bytes;
    UsbTransfer::Status status = UsbTransfer::Done;
};

struct FakeLog {
    std::vector<uint8_t> written;
    std::vector<size_t> readSizes;
    std::vector<Millis> readLimits;
    bool closed = false;
};

class FakeCable : public UsbCable {
public:
    FakeCable(std::shared_ptr<FakeLog> log, std::deque<Reply> replies, size_t packet = 32)
        : log_(std::move(log)), replies_(std::move(replies)), packet_(packet) {}
    ~FakeCable() override { log_->closed = true; }

    std::string path() const override { return "/dev/bus/usb/001/007"; }
    size_t packetSize() const override { return packet_; }

    UsbTransfer bulkWrite(const uint8_t *data, size_t size, Millis timeout) override
    {
        if (writeStatus == UsbTransfer::TimedOut)
            std::this_thread::sleep_for(timeout); // as a cable waits before it gives up
        if (writeStatus != UsbTransfer::Done)
            return {writeStatus, writeTakes, 0};
        log_->written.insert(log_->written.end(), data, data + size);
        return {UsbTransfer::Done, size, 0};
    }

    UsbTransfer bulkRead(uint8_t *buffer, size_t size, Millis timeout) override
    {
        log_->readSizes.push_back(size);
        log_->readLimits.push_back(timeout);
        if (replies_.empty()) {
            std::this_thread::sleep_for(timeout);
            return {UsbTransfer::TimedOut, 0, 0};
        }
        Reply &next = replies_.front();
        if (next.status != UsbTransfer::Done) {
            const UsbTransfer result{next.status, 0, next.status == UsbTransfer::Failed ? EIO : 0};
            replies_.pop_front();
            return result;
        }
        // Like a device whose packet is larger than what was asked: the
        // fake hands out at most `size`, the USB stack would overflow.
        const size_t count = std::min(size, next.bytes.size());
        std::copy_n(next.bytes.begin(), count, buffer);
        next.bytes.erase(next.bytes.begin(), next.bytes.begin() + ptrdiff_t(count));
        if (next.bytes.empty())
            replies_.pop_front();
        return {UsbTransfer::Done, count, 0};
    }

    UsbTransfer::Status writeStatus = UsbTransfer::Done;
    size_t writeTakes = 0;

private:
    std::shared_ptr<FakeLog> log_;
    std::deque<Reply> replies_;
    size_t packet_;
};

// The calculator's answer to SCR as the cable delivers it: 32-byte USB packets.
std::deque<Reply> screenReplies(const std::vector<uint8_t> &bitmap, std::vector<uint8_t> *stream = nullptr)
{
    std::vector<uint8_t> all = encodePacket(kCalculatorId, kCmdAck);
    const std::vector<uint8_t> data = encodePacket(kCalculatorId, kCmdData, bitmap);
    all.insert(all.end(), data.begin(), data.end());
    if (stream)
        *stream = all;
    std::deque<Reply> replies;
    for (size_t i = 0; i < all.size(); i += 32)
        replies.push_back({std::vector<uint8_t>(all.begin() + ptrdiff_t(i), all.begin() + ptrdiff_t(std::min(i + 32, all.size())))});
    return replies;
}

std::vector<uint8_t> testBitmap()
{
    std::vector<uint8_t> bitmap(kBitmapSize);
    for (size_t i = 0; i < bitmap.size(); ++i)
        bitmap[i] = uint8_t(i ^ (i >> 3));
    return bitmap;
}

const std::string kUsb0 = "\\\\.\\Usb0";

// For a calculator that is meant to stay silent or stop taking bytes: tens
// of milliseconds, where the cable's own limits are seconds.
LinkTimeouts silentLimits()
{
    LinkTimeouts limits;
    limits.reply = 30ms;
    limits.byte = 30ms;
    limits.write = 30ms;
    return limits;
}

std::unique_ptr<Transport> transportOver(std::unique_ptr<FakeCable> cable, const LinkTimeouts &timeouts = {})
{
    UsbOpening opening;
    opening.status = UsbOpening::Opened;
    opening.cable = std::move(cable);
    return usbTransport(std::move(opening), kUsb0, 0, timeouts);
}

LinkError errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const LinkError &e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return LinkError(0, {});
}

TEST(UsbCable, ReadsAScreenDeliveredIn32BytePackets)
{
    auto log = std::make_shared<FakeLog>();
    const std::vector<uint8_t> bitmap = testBitmap();
    TraceText traced;
    {
        UsbOpening opening;
        opening.status = UsbOpening::Opened;
        opening.cable = std::make_unique<FakeCable>(log, screenReplies(bitmap));
        auto link = usbTransport(std::move(opening), kUsb0, 0, {}, Stop::never(), traced.trace());
        const Bitmap screen = readScreen(*link, {}, traced.trace());
        EXPECT_TRUE(std::equal(screen.begin(), screen.end(), bitmap.begin()));
    }
    EXPECT_EQ(traced.count("usb: OUT 4 bytes: 4 moved, done"), 2);
    EXPECT_EQ(traced.count("usb: IN 32 bytes: "), 25) << "every transfer with its size and status";
    EXPECT_EQ(log->written, (std::vector<uint8_t>{0x23, 0x6D, 0x00, 0x00, 0x23, 0x56, 0x00, 0x00}));
    for (size_t size : log->readSizes)
        EXPECT_EQ(size, 32u) << "every read asks for a whole USB packet";
    // 4 + 774 bytes are 25 packets: the packet layer's small reads are served
    // from what the last transfer brought, not by asking the cable again.
    EXPECT_EQ(log->readSizes.size(), 25u);
    EXPECT_TRUE(log->closed) << "the cable is released with the transport";
}

TEST(UsbCable, KeepsSurplusAndHandlesShortAndEmptyReads)
{
    auto log = std::make_shared<FakeLog>();
    std::vector<uint8_t> ten(10);
    for (size_t i = 0; i < ten.size(); ++i)
        ten[i] = uint8_t(i + 1);
    std::deque<Reply> replies{{ten}, {{}}, {{0x42}}};
    auto link = transportOver(std::make_unique<FakeCable>(log, replies));
    uint8_t buffer[32];

    ASSERT_EQ(link->receive(buffer, 4, 500ms), 4u);
    EXPECT_EQ(buffer[0], 1);
    ASSERT_EQ(link->receive(buffer, 32, 500ms), 6u) << "the rest of the short read, and no more";
    EXPECT_EQ(buffer[0], 5);
    EXPECT_EQ(buffer[5], 10);
    EXPECT_EQ(log->readSizes.size(), 1u);

    // A zero-length packet is not the end of the wait.
    ASSERT_EQ(link->receive(buffer, 32, 500ms), 1u);
    EXPECT_EQ(buffer[0], 0x42);

    // Silence is a time-out, reported as 0 for the packet layer; a limit of
    // 0 ms is not handed on as libusb's "no limit".
    EXPECT_EQ(link->receive(buffer, 32, 0ms), 0u);
    for (Millis limit : log->readLimits)
        EXPECT_GE(limit.count(), 1);
}

TEST(UsbCable, ReadsWholePacketsOfALargerEndpoint)
{
    auto log = std::make_shared<FakeLog>();
    std::vector<uint8_t> big(64, 0x55);
    auto link = transportOver(std::make_unique<FakeCable>(log, std::deque<Reply>{{big}}, 64));
    uint8_t buffer[64];
    EXPECT_EQ(link->receive(buffer, 64, 500ms), 64u);
    EXPECT_EQ(log->readSizes.front(), 64u) << "32 bytes would cut a 64-byte packet";
}

TEST(UsbCable, SilenceAndARefusedWriteAreNoAnswerWithinTheirLimits)
{
    auto log = std::make_shared<FakeLog>();
    auto link = transportOver(std::make_unique<FakeCable>(log, std::deque<Reply>{}), silentLimits());
    LinkError error = errorOf([&] { readScreen(*link, silentLimits()); });
    EXPECT_EQ(error.number(), kNoAnswer);
    EXPECT_TRUE(error.description().empty());
    EXPECT_NE(error.detail().find("no reply within 30 ms"), std::string::npos) << error.detail();

    auto cable = std::make_unique<FakeCable>(log, std::deque<Reply>{});
    cable->writeStatus = UsbTransfer::TimedOut;
    link = transportOver(std::move(cable), silentLimits());
    const uint8_t scr[4] = {0x23, 0x6D, 0, 0};
    error = errorOf([&] { link->send(scr, 4); });
    EXPECT_EQ(error.number(), kNoAnswer);
    EXPECT_NE(error.detail().find("took 0 of 4 bytes within 30 ms"), std::string::npos) << error.detail();
}

TEST(UsbCable, CablePulledOutDuringTransfer)
{
    auto log = std::make_shared<FakeLog>();
    std::deque<Reply> replies = screenReplies(testBitmap());
    replies.resize(5);
    replies.push_back({{}, UsbTransfer::NoDevice});
    {
        auto link = transportOver(std::make_unique<FakeCable>(log, replies));
        const LinkError error = errorOf([&] { readScreen(*link); });
        EXPECT_EQ(error.number(), kSystemErrorBase + ENODEV);
        EXPECT_NE(error.description().find(kUsb0), std::string::npos) << error.description();
        EXPECT_NE(error.description().find("/dev/bus/usb/001/007"), std::string::npos) << error.description();
        EXPECT_NE(error.description().find("plug it in again"), std::string::npos) << error.description();
    }
    EXPECT_TRUE(log->closed);

    auto cable = std::make_unique<FakeCable>(log, std::deque<Reply>{});
    cable->writeStatus = UsbTransfer::NoDevice;
    auto link = transportOver(std::move(cable));
    const uint8_t scr[4] = {0x23, 0x6D, 0, 0};
    EXPECT_EQ(errorOf([&] { link->send(scr, 4); }).number(), kSystemErrorBase + ENODEV);

    // The same unplug, as the kernel reports it about half of the time: an I/O error on the endpoint.
    replies.back() = {{}, UsbTransfer::Failed};
    link = transportOver(std::make_unique<FakeCable>(log, replies));
    const LinkError error = errorOf([&] { readScreen(*link); });
    EXPECT_EQ(error.number(), kSystemErrorBase + EIO);
    EXPECT_NE(error.description().find("plug it in again"), std::string::npos) << error.description();
}

TEST(UsbCable, OpeningErrorsTellTheUserWhatToDo)
{
    const auto openingError = [](UsbOpening::Status status, int found, int err, const std::string &name, int index) {
        UsbOpening opening;
        opening.status = status;
        opening.found = found;
        opening.error = err;
        opening.path = "/dev/bus/usb/002/003";
        opening.reason = "Other error";
        return errorOf([&] { usbTransport(std::move(opening), name, index); });
    };

    LinkError e = openingError(UsbOpening::NotFound, 0, 0, kUsb0, 0);
    EXPECT_EQ(e.number(), kNoUsbCable);
    EXPECT_NE(e.description().find("No USB link cable is connected"), std::string::npos) << e.description();

    e = openingError(UsbOpening::NotFound, 1, 0, "\\\\.\\Usb1", 1);
    EXPECT_EQ(e.number(), kNoUsbCable);
    EXPECT_NE(e.description().find("second USB link cable, but only 1 is connected"), std::string::npos)
        << e.description();

    e = openingError(UsbOpening::NoUsb, 0, 0, kUsb0, 0);
    EXPECT_EQ(e.number(), kNoUsbCable);
    EXPECT_EQ(e.description(), "USB cannot be used on this computer: Other error.");

    e = openingError(UsbOpening::Failed, 0, EACCES, kUsb0, 0);
    EXPECT_EQ(e.number(), kSystemErrorBase + EACCES);
    for (const char *part : {"\\\\.\\Usb0", "/dev/bus/usb/002/003", "60-ekrano.rules", "sudo make install-udev"})
        EXPECT_NE(e.description().find(part), std::string::npos) << part << " in: " << e.description();

    e = openingError(UsbOpening::Failed, 0, EBUSY, kUsb0, 0);
    EXPECT_EQ(e.number(), kSystemErrorBase + EBUSY);
}

TEST(UsbCable, NoCableOnThisMachine)
{
    // The real libusb path: in a test run there is no cable (or no USB at
    // all), which must be a described kNoUsbCable, not a crash or a hang.
    std::unique_ptr<Transport> link;
    try {
        link = openUsb(kUsb0, 0);
    } catch (const LinkError &e) {
        if (e.number() != kNoUsbCable)
            GTEST_SKIP() << "a USB link cable is plugged in: " << e.what();
        EXPECT_FALSE(e.description().empty());
        return;
    }
    GTEST_SKIP() << "a USB link cable is plugged in";
}

} // namespace
