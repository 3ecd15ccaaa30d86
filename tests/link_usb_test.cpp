// The USB transport over a fake cable that plays the calculator's side of the
// bulk transfers, and the errors a user reads when opening fails; the
// exchange of a calculator on its own USB port over the simulated device.

#include <gtest/gtest.h>

#include <cerrno>
#include <deque>
#include <mutex>
#include <thread>

#include "capture.h"
#include "directdevice.h"
#include "directexchange.h"
#include "everycalculator.h"
#include "linkerror.h"
#include "memorytransport.h"
#include "packet.h"
#include "screenexchange.h"
#include "screenreader.h"
#include "usbtransport.h"

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
    return usbTransport(std::move(opening), kUsb0, {}, timeouts);
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
        auto link = usbTransport(std::move(opening), kUsb0, {}, {}, Stop::never(), traced.trace());
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
        return errorOf([&] { usbTransport(std::move(opening), name, UsbDevice{index, {}}); });
    };

    LinkError e = openingError(UsbOpening::NotFound, 0, 0, kUsb0, 0);
    EXPECT_EQ(e.number(), kNoUsbCable);
    EXPECT_NE(e.description().find("Neither a USB link cable nor a calculator on its own USB port is connected"), std::string::npos) << e.description();

    e = openingError(UsbOpening::NotFound, 1, 0, "\\\\.\\Usb1", 1);
    EXPECT_EQ(e.number(), kNoUsbCable);
    EXPECT_NE(e.description().find("second USB device (link cable or calculator), but only 1 is connected"),
              std::string::npos)
        << e.description();

    // Only a colour model, named by its product string with the control characters a device could send shown safely.
    UsbOpening colour;
    colour.status = UsbOpening::NotFound;
    colour.unreadable = {"Colour\x1b[2Jtest"};
    e = errorOf([&] { usbTransport(std::move(colour), kUsb0, {}); });
    EXPECT_EQ(e.number(), kNoUsbCable);
    for (const char *part : {"\"Colour?[2Jtest\"", "colour screen", "96 x 64 monochrome screen"})
        EXPECT_NE(e.description().find(part), std::string::npos) << part << " in: " << e.description();

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
        link = openUsb(kUsb0, {});
    } catch (const LinkError &e) {
        if (e.number() != kNoUsbCable)
            GTEST_SKIP() << "a USB link cable is plugged in: " << e.what();
        EXPECT_FALSE(e.description().empty());
        return;
    }
    GTEST_SKIP() << "a USB link cable is plugged in";
}

// The recorded exchange with a calculator on its own USB port, both ways,
// byte for byte: what the host sends, and what the simulated calculator
// answers, with the screen in place of the recorded one.
const std::vector<uint8_t> kRecordedHost = {
    0x00, 0x00, 0x00, 0x04, 0x01, 0x00, 0x00, 0x04, 0x00,                     // buffer size request: 1024
    0x00, 0x00, 0x00, 0x10, 0x04, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x01,         // set mode
    0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x07, 0xD0,
    0x00, 0x00, 0x00, 0x02, 0x05, 0xE0, 0x00,                                 // of the mode acknowledgement
    0x00, 0x00, 0x00, 0x0A, 0x04, 0x00, 0x00, 0x00, 0x04, 0x00, 0x07, 0x00, 0x01, 0x00, 0x22, // the screen, please
};
const std::vector<uint8_t> kHostAck = {0x00, 0x00, 0x00, 0x02, 0x05, 0xE0, 0x00};

std::vector<uint8_t> recordedCalculator(const std::vector<uint8_t> &bitmap)
{
    std::vector<uint8_t> bytes = {
        0x00, 0x00, 0x00, 0x04, 0x02, 0x00, 0x00, 0x00, 0xFA,                         // allocation: 250
        0x00, 0x00, 0x00, 0x02, 0x05, 0xE0, 0x00,                                     // of the set mode
        0x00, 0x00, 0x00, 0x0A, 0x04, 0x00, 0x00, 0x00, 0x04, 0x00, 0x12, 0x00, 0x00, 0x07, 0xD0, // mode acknowledgement
        0x00, 0x00, 0x00, 0x02, 0x05, 0xE0, 0x00,                                     // of the request
        0x00, 0x00, 0x00, 0x0A, 0x04, 0x00, 0x00, 0x00, 0x04, 0xBB, 0x00, 0x00, 0x01, 0xD4, 0xC0, // delay acknowledgement
        0x00, 0x00, 0x00, 0xFA, 0x03, 0x00, 0x00, 0x03, 0x07, 0x00, 0x08, 0x00, 0x01, 0x00, 0x22, 0x00, 0x03, 0x00,
    };
    size_t at = 0;
    for (const auto &[head, count] : {std::pair{std::vector<uint8_t>{}, 237}, {{0, 0, 0, 0xFA, 3}, 250},
                                      {{0, 0, 0, 0xFA, 3}, 250}, {{0, 0, 0, 0x1F, 4}, 31}}) {
        bytes.insert(bytes.end(), head.begin(), head.end());
        bytes.insert(bytes.end(), bitmap.begin() + ptrdiff_t(at), bitmap.begin() + ptrdiff_t(at + size_t(count)));
        at += size_t(count);
    }
    return bytes;
}

// A calculator on its own USB port, and the USB transport over it.
struct CalculatorOnItsPort {
    explicit CalculatorOnItsPort(DirectCalculator::Behaviour behaviour, const Stop &stop = Stop::never(),
                        const Trace &trace = Trace::off())
    {
        behaviour.screen = screen;
        plug->calculator = DirectCalculator(behaviour);
        UsbOpening opening;
        opening.status = UsbOpening::Opened;
        opening.cable = std::make_unique<DirectDevice>(plug);
        transport = usbTransport(std::move(opening), kUsb0, {}, limits, stop, trace);
    }

    Bitmap screen = [] {
        Bitmap bitmap;
        const std::vector<uint8_t> bytes = testBitmap();
        std::copy(bytes.begin(), bytes.end(), bitmap.begin());
        return bitmap;
    }();
    std::shared_ptr<DirectPlug> plug = std::make_shared<DirectPlug>();
    // Limits of tens of milliseconds, for the calculators that stay silent or answer late.
    LinkTimeouts limits = [] {
        LinkTimeouts l;
        l.reply = 60ms;
        l.byte = 60ms;
        return l;
    }();
    std::unique_ptr<Transport> transport;
};

TEST(DirectUsb, TheRecordedExchangeByteForByte)
{
    DirectCalculator::Behaviour behaviour;
    behaviour.delayAcks = 1;
    CalculatorOnItsPort link(behaviour);
    EXPECT_EQ(link.transport->framing(), Transport::Framing::DirectUsb) << "the device chooses the exchange";
    std::vector<uint8_t> answered;
    {
        // The calculator's side alone, fed what the host sends, gives the recorded answer.
        DirectCalculator calculator(link.plug->calculator);
        std::vector<uint8_t> host = kRecordedHost;
        for (int i = 0; i < 5; ++i)
            host.insert(host.end(), kHostAck.begin(), kHostAck.end());
        for (const uint8_t byte : host) // one byte at a time: any chunking will do
            for (const DirectCalculator::Send &send : calculator.feed(&byte, 1))
                answered.insert(answered.end(), send.bytes.begin(), send.bytes.end());
    }
    EXPECT_EQ(answered, recordedCalculator(testBitmap()));

    TraceText traced;
    const Bitmap screen = readDirectScreen(*link.transport, link.limits, traced.trace());
    EXPECT_EQ(screen, link.screen);
    EXPECT_EQ(traced.count("sent 00 00 00 02 05 E0 00 acknowledgement"), 6);
    EXPECT_EQ(traced.count("received the delay acknowledgement, 4 bytes"), 1);
    EXPECT_EQ(traced.count("received the parameter data, 775 bytes"), 1);
    std::vector<uint8_t> expected = kRecordedHost;
    for (int i = 0; i < 5; ++i) // the delay acknowledgement and the four parts of the screen
        expected.insert(expected.end(), kHostAck.begin(), kHostAck.end());
    EXPECT_EQ(link.plug->written, expected);
    for (size_t size : link.plug->readSizes)
        EXPECT_EQ(size, 64u) << "every read asks for one USB packet";
    EXPECT_EQ(link.plug->calculator.screensSent(), 1);
    EXPECT_TRUE(link.plug->calculator.hostFaults().empty()) << link.plug->calculator.hostFaults().front();
}

TEST(DirectUsb, CalculatorsThatMisbehave)
{
    using Behaviour = DirectCalculator::Behaviour;
    struct Case {
        const char *name;
        void (*set)(Behaviour &);
        const char *failure; // nullptr: the screen arrives
        uint32_t number = kNoAnswer; // kNoUsbCable: a screen not of 96 x 64, told to the user
        void (*device)(DirectPlug &) = nullptr;
    };
    const Case cases[] = {
        {"late, asking for time", [](Behaviour &b) { b.delayAcks = 2, b.late = 150ms; }, nullptr},
        {"late, without asking", [](Behaviour &b) { b.late = 10s; }, "no reply within 60 ms (the reply limit)"},
        {"asking for time before the mode acknowledgement", [](Behaviour &b) { b.modeDelayAcks = 1; }, nullptr},
        {"asking for time too often", [](Behaviour &b) { b.delayAcks = kMostDelays + 1; }, "more time 5 times"},
        {"too often, counted over the capture", [](Behaviour &b) { b.modeDelayAcks = 3, b.delayAcks = 2; },
         "more time 5 times"},
        {"raw packets of whole USB packets", [](Behaviour &b) { b.allocation = 59; }, nullptr},
        {"raw packets of four whole USB packets", [](Behaviour &b) { b.allocation = 251; }, nullptr},
        {"the same, each with a zero-length packet after it", [](Behaviour &b) { b.allocation = 251; }, nullptr,
         kNoAnswer, [](DirectPlug &p) { p.zeroLength = true; }},
        {"raw packets sharing USB packets", [](Behaviour &b) { b.modeDelayAcks = 1, b.allocation = 100; }, nullptr,
         kNoAnswer, [](DirectPlug &p) { p.packs = true; }},
        {"a tiny allocation: the host's set mode in parts", [](Behaviour &b) { b.allocation = 5; }, nullptr},
        {"no allocation", [](Behaviour &b) { b.allocation = 0; }, "buffer size of 0"},
        {"more than asked for", [](Behaviour &b) { b.allocation = 4096; }, "buffer size of 4096", kNoUsbCable},
        {"an error packet", [](Behaviour &b) { b.errorCode = 0x0022; }, "error 0x0022 (no such parameter)"},
        {"an error of its own", [](Behaviour &b) { b.errorCode = 0x1234; }, "error 0x1234"},
        {"the screen marked invalid", [](Behaviour &b) { b.invalid = true; }, "marked the screen parameter invalid"},
        {"a smaller value", [](Behaviour &b) { b.valueSize = 767; }, "value held 767 bytes, not 768", kNoUsbCable},
        {"a colour screen's value", [](Behaviour &b) { b.valueSize = 38400; }, "value held 38400 bytes, not 768",
         kNoUsbCable},
        {"a larger value in small parts", [](Behaviour &b) { b.valueSize = 4000, b.allocation = 8; },
         "virtual packet of 4007 bytes, more than the 775", kNoUsbCable},
        {"more raw data than agreed", [](Behaviour &b) { b.partSize = 600; }, "600 data bytes, more than the 250"},
        {"silent", [](Behaviour &b) { b.silent = true; }, "no reply within 60 ms"},
        {"cut short in a raw packet", [](Behaviour &b) { b.cutShort = true; },
         "The part of a virtual packet stopped after 130 bytes"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Behaviour behaviour;
        c.set(behaviour);
        CalculatorOnItsPort link(behaviour);
        if (c.device)
            c.device(*link.plug);
        if (!c.failure) {
            EXPECT_EQ(readDirectScreen(*link.transport, link.limits), link.screen);
            EXPECT_EQ(link.plug->calculator.screensSent(), 1);
        } else {
            const LinkError error = errorOf([&] { readDirectScreen(*link.transport, link.limits); });
            EXPECT_EQ(error.number(), c.number);
            EXPECT_NE(error.detail().find(c.failure), std::string::npos) << error.detail();
            if (c.number == kNoAnswer)
                EXPECT_TRUE(error.description().empty());
            else // the device by its product string, and why it cannot be read
                EXPECT_NE(error.description().find("The calculator \"Ekrano test\" does not have the 96 x 64 "
                                                   "monochrome screen"),
                          std::string::npos)
                    << error.description();
        }
        for (const std::string &fault : link.plug->calculator.hostFaults())
            ADD_FAILURE() << "the host's fault: " << fault;
    }
}

TEST(DirectUsb, ACaptureDropsWhatTheOneBeforeLeft)
{
    // The first capture gives up while the calculator is about to send the
    // screen; its first raw packet stays on the calculator's side.
    DirectCalculator::Behaviour late;
    late.late = 10s;
    CalculatorOnItsPort link(late);
    EXPECT_EQ(errorOf([&] { readDirectScreen(*link.transport, link.limits); }).number(), kNoAnswer);
    link.transport.reset();
    {
        std::lock_guard lock(link.plug->mutex);
        ASSERT_EQ(link.plug->waiting.size(), 4u) << "255 bytes in USB packets";
        for (DirectPlug::UsbPacket &packet : link.plug->waiting)
            packet.ready = DirectPlug::Clock::now(); // the calculator got round to it
        link.plug->busFree = DirectPlug::Clock::now();
        link.plug->calculator.behaviour().late = 0ms;
    }

    TraceText traced;
    UsbOpening opening;
    opening.status = UsbOpening::Opened;
    opening.cable = std::make_unique<DirectDevice>(link.plug);
    const auto next = usbTransport(std::move(opening), kUsb0, {}, link.limits, Stop::never(), traced.trace());
    EXPECT_EQ(readDirectScreen(*next, link.limits, traced.trace()), link.screen);
    EXPECT_EQ(traced.count("dropped 255 bytes an earlier exchange left"), 1);
    EXPECT_EQ(traced.count("a calculator on its own USB port \"Ekrano test\": configuration 1"), 1)
        << "the product string, read when opened";
}

TEST(DirectUsb, UnpluggedInTheMiddleOfTheScreen)
{
    // The kernel reports the same unplug as a vanished device or as an I/O error on the endpoint.
    for (const auto &[status, err] : {std::pair{UsbTransfer::NoDevice, ENODEV}, {UsbTransfer::Failed, EIO}}) {
        CalculatorOnItsPort link({});
        link.plug->readsBeforeUnplug = 8; // past the mode acknowledgement, in the screen's parts
        link.plug->unplugAs = status;
        const LinkError error = errorOf([&] { readDirectScreen(*link.transport, link.limits); });
        EXPECT_EQ(error.number(), kSystemErrorBase + err);
        EXPECT_NE(error.description().find("/dev/bus/usb/003/009"), std::string::npos) << error.description();
        EXPECT_NE(error.description().find("plug it in again"), std::string::npos) << error.description();
        link.transport.reset();
        EXPECT_EQ(link.plug->closings, 1) << "the device is released";
    }
}

TEST(DirectUsb, CancelledWhileTheCalculatorIsSilent)
{
    Stop stop;
    DirectCalculator::Behaviour silent;
    silent.silent = true;
    CalculatorOnItsPort link(silent, stop);
    link.limits = {}; // the cable's own: 2 s for a reply
    std::thread canceller([&] {
        std::this_thread::sleep_for(100ms);
        stop.cancel();
    });
    const auto start = SteadyClock::now();
    const LinkError error = errorOf([&] { readDirectScreen(*link.transport, link.limits); });
    canceller.join();
    EXPECT_EQ(error.number(), kCancelled);
    EXPECT_LT(SteadyClock::now() - start, 1s) << "a cancel ends the wait, not the reply limit";
}

TEST(DirectUsb, DeviceKindsAndNames)
{
    EXPECT_EQ(usbKindOf(0x0451, 0xE001), UsbKind::LinkCable);
    EXPECT_EQ(usbKindOf(0x0451, 0xE003), UsbKind::Calculator);
    EXPECT_EQ(usbKindOf(0x0451, 0xE008), UsbKind::Calculator);
    EXPECT_EQ(usbKindOf(0x0451, 0xE010), UsbKind::Unreadable);
    EXPECT_EQ(usbKindOf(0x0451, 0xE004), std::nullopt);
    EXPECT_STREQ(usbKindName(UsbKind::Calculator), "calculator on its own USB port");
    EXPECT_EQ((LinkChoice{LinkChoice::Usb, 3, {2, {}}}.deviceName()), "\\\\.\\Usb2")
        << "--port USB2, whatever COM port is stored";
    EXPECT_EQ((LinkChoice{LinkChoice::Gray, 3, {2, {}}}.deviceName()), "COM3");

    // \\.\Usb1 through capture(), with one calculator plugged in as \\.\Usb0.
    auto plug = std::make_shared<DirectPlug>();
    plug->calculator.behaviour().screen[0] = 0x81;
    setUsbOpener(directOpener(plug));
    Stop stop;
    const CaptureResult first = capture(LinkChoice::ofDevice(kCableUsb, kUsb0), stop);
    ASSERT_TRUE(first.screen) << first.why();
    EXPECT_EQ((*first.screen)[0], 0x81);
    const CaptureResult second = capture(LinkChoice::ofDevice(kCableUsb, "\\\\.\\Usb1"), stop);
    EXPECT_EQ(second.number, kNoUsbCable);
    EXPECT_NE(second.description.find("second USB device (link cable or calculator), but only 1 is connected"),
              std::string::npos)
        << second.description;
    // By where it is plugged in: there, and a port with nothing in it.
    EXPECT_TRUE(capture(LinkChoice::ofDevice(kCableUsb, "\\\\.\\Usb-1-1"), stop).screen);
    const CaptureResult elsewhere = capture(LinkChoice::ofDevice(kCableUsb, "\\\\.\\Usb-1-2"), stop);
    setUsbOpener({});
    EXPECT_EQ(elsewhere.number, kNoUsbCable);
    EXPECT_NE(elsewhere.description.find("is plugged in at USB port 1-2 (\\\\.\\Usb-1-2)"), std::string::npos)
        << elsewhere.description;
}

TEST(DirectUsb, EveryCalculatorIsReadAtOnceAndOneThatStallsOrFailsHoldsNoOther)
{
    // At 1-1 and 1-4 calculators that answer, at 1-2 one that never does, at
    // 1-3 one pulled out at its first read; nothing at 1-5.
    auto bus = std::make_shared<DirectBus>();
    for (const char *place : {"1-1", "1-2", "1-3", "1-4"}) {
        bus->plugs.emplace_back(place, std::make_shared<DirectPlug>());
        bus->plugs.back().second->calculator.behaviour().screen[0] = uint8_t(place[2]);
    }
    bus->plugs[1].second->calculator.behaviour().silent = true;
    bus->plugs[2].second->readsBeforeUnplug = 0;
    setUsbOpener(directOpener(bus));
    LinkTimeouts patient; // only a cancel ends the silent one's wait
    patient.reply = patient.capture = 600s;

    // The silent one is cancelled only once every other capture has been
    // taken: none of them waited for it.
    Stop all;
    std::mutex mutex;
    std::vector<std::optional<CaptureResult>> readings(5);
    size_t taken = 0;
    std::vector<LinkChoice> choices;
    for (size_t i = 0; i < readings.size(); ++i)
        choices.push_back({LinkChoice::Usb, 1, {0, "1-" + std::to_string(i + 1)}});
    captureEach(choices, all, [&](size_t i, const CaptureResult &result) {
        std::lock_guard lock(mutex);
        readings[i] = result;
        if (++taken == readings.size() - 1)
            all.cancel();
    }, patient);
    setUsbOpener({});

    for (size_t i : {0, 3}) {
        ASSERT_TRUE(readings[i]->screen) << readings[i]->why();
        EXPECT_EQ((*readings[i]->screen)[0], uint8_t('1' + i)) << "each its own calculator's screen";
    }
    EXPECT_TRUE(readings[1]->cancelled()) << readings[1]->why();
    EXPECT_EQ(readings[2]->number, kSystemErrorBase + ENODEV) << readings[2]->why();
    EXPECT_EQ(readings[4]->number, kNoUsbCable) << readings[4]->why();
}

} // namespace
