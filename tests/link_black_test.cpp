// The Black cable's bit engine against simulated wires and a simulated
// calculator whose link code follows the bit table step by step on its own,
// so that a mistake made the same way on both sides cannot pass. Where the
// calculator answers from its thread, both sides wait up to a minute, which
// only a side that stopped for good reaches: a busy machine that leaves a
// thread unscheduled for a second cannot fail them. Where it stops or a wire
// sticks, the host has a bit limit of milliseconds and the calculator is
// scripted inside the host's own calls, so that what the host reports cannot
// depend on how busy the machine is either.

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <mutex>
#include <random>
#include <stdlib.h>
#include <thread>
#include <time.h>
#include <unistd.h>

#include "blacktransport.h"
#include "linkchoice.h"
#include "linkerror.h"
#include "memorytransport.h"
#include "packet.h"
#include "screenexchange.h"

using namespace calclink;
using namespace std::chrono_literals;

namespace {

// Two wires, each high only while neither side (nor a fault) pulls it low.
class SimBus {
public:
    enum Side { Host, Calculator, Short }; // Short: a fault outside both sides

    // Returns how often each wire (red, white) has gone high so far.
    std::array<uint64_t, 2> drive(Side side, Wires pulls)
    {
        std::lock_guard lock(mutex_);
        const Wires before = levelsLocked();
        pulls_[side] = pulls;
        const Wires after = levelsLocked();
        rises_[0] += !before.red && after.red;
        rises_[1] += !before.white && after.white;
        if (side == Host)
            hostTrace_.push_back(pulls);
        changed_.notify_all();
        return rises_;
    }
    std::array<uint64_t, 2> rises()
    {
        std::lock_guard lock(mutex_);
        return rises_;
    }
    Wires levels()
    {
        std::lock_guard lock(mutex_);
        return levelsLocked();
    }
    Wires waitForChange(Wires seen, SteadyClock::time_point deadline)
    {
        std::unique_lock lock(mutex_);
        changed_.wait_until(lock, deadline, [&] { return levelsLocked() != seen; });
        return levelsLocked();
    }
    // A fault outside both sides: a wire shorted to ground.
    void holdLow(bool red, bool white) { drive(Short, Wires{!red, !white}); }
    Wires hostPulls()
    {
        std::lock_guard lock(mutex_);
        return pulls_[Host];
    }
    std::vector<Wires> hostTrace()
    {
        std::lock_guard lock(mutex_);
        return hostTrace_;
    }

private:
    Wires levelsLocked() const
    {
        return {pulls_[0].red && pulls_[1].red && pulls_[2].red, pulls_[0].white && pulls_[1].white && pulls_[2].white};
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    Wires pulls_[3];
    std::array<uint64_t, 2> rises_{};
    std::vector<Wires> hostTrace_;
};

// The host's end, given to the engine. `polls` makes it wait the way the
// serial port does (pollForChange) instead of being woken by the bus.
class SimWires : public BlackWires {
public:
    SimWires(std::shared_ptr<SimBus> bus, bool polls) : bus_(std::move(bus)), polls_(polls) {}
    void drive(Wires mine) override { bus_->drive(SimBus::Host, mine); }
    Wires read() override { return bus_->levels(); }
    Wires waitForChange(Wires seen, SteadyClock::time_point deadline) override
    {
        return polls_ ? pollForChange(*this, seen, deadline) : bus_->waitForChange(seen, deadline);
    }

private:
    std::shared_ptr<SimBus> bus_;
    bool polls_;
};

// The calculator's end, in a thread of its own. Its link code is the bit
// table read literally, with the levels as a two-bit mask and an optional
// small random pause before each step to shuffle the timing. Like a
// calculator that watches its port all the time, it never misses a wire
// going high, however briefly: the bus counts the rises, so a test thread
// that is not scheduled for a moment does not make it fail. It waits for
// the host up to kPatience, which only a broken host reaches.
class SimCalculator {
public:
    static constexpr int kRed = 1, kWhite = 2;
    static constexpr std::chrono::milliseconds kPatience{60000};

    explicit SimCalculator(std::shared_ptr<SimBus> bus, bool jitter = false) : bus_(std::move(bus)), jitter_(jitter) {}
    ~SimCalculator()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    void play(std::function<void(SimCalculator &)> script)
    {
        thread_ = std::thread([this, script] {
            try {
                script(*this);
            } catch (const std::exception &e) {
                std::lock_guard lock(mutex_);
                failure_ = e.what();
            }
        });
    }
    void finish()
    {
        thread_.join();
        std::lock_guard lock(mutex_);
        if (!failure_.empty())
            ADD_FAILURE() << "simulated calculator: " << failure_;
    }

    // Receives one byte, least significant bit first.
    uint8_t getByte()
    {
        int value = 0;
        for (int bit = 0; bit < 8; ++bit) {
            awaitMask([](int m) { return m != (kRed | kWhite); }, kPatience, "a bit");
            if (!(mask() & kRed)) { // red low: a 0
                pull(kWhite);
                awaitHigh(kRed, "red high");
                pull(0);
            } else { // white low: a 1
                pull(kRed);
                awaitHigh(kWhite, "white high");
                pull(0);
                value |= 1 << bit;
            }
        }
        return uint8_t(value);
    }
    std::vector<uint8_t> getBytes(size_t count)
    {
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < count; ++i)
            bytes.push_back(getByte());
        return bytes;
    }

    // Sends one byte.
    void putByte(uint8_t value)
    {
        for (int bit = 0; bit < 8; ++bit) {
            if (((value >> bit) & 1) == 0) {
                pull(kRed);
                awaitMask([](int m) { return (m & kWhite) == 0; }, kPatience, "white low");
                pull(0);
                awaitHigh(kWhite, "white high");
            } else {
                pull(kWhite);
                awaitMask([](int m) { return (m & kRed) == 0; }, kPatience, "red low");
                pull(0);
                awaitHigh(kRed, "red high");
            }
        }
    }
    void putBytes(const std::vector<uint8_t> &bytes)
    {
        for (uint8_t byte : bytes)
            putByte(byte);
    }

    // Pulls the wires in `lowMask` low and leaves the others released.
    void pull(int lowMask)
    {
        pause();
        risesAtPull_ = bus_->drive(SimBus::Calculator, Wires{!(lowMask & kRed), !(lowMask & kWhite)});
    }

private:
    int mask()
    {
        const Wires w = bus_->levels();
        return (w.red ? kRed : 0) | (w.white ? kWhite : 0);
    }
    void awaitMask(const std::function<bool(int)> &done, std::chrono::milliseconds limit, const char *what)
    {
        const auto deadline = SteadyClock::now() + limit;
        while (!done(mask())) {
            if (stop_ || SteadyClock::now() >= deadline)
                throw std::runtime_error(std::string("gave up waiting for ") + what);
            const Wires w = bus_->levels();
            bus_->waitForChange(w, std::min(deadline, SteadyClock::now() + 20ms));
        }
    }
    // Waits for a wire to be high, or to have been high since the last pull.
    void awaitHigh(int wire, const char *what)
    {
        const size_t which = wire == kRed ? 0 : 1;
        const uint64_t before = risesAtPull_[which];
        awaitMask([&](int m) { return (m & wire) != 0 || bus_->rises()[which] > before; }, kPatience, what);
    }
    void pause()
    {
        if (!jitter_)
            return;
        std::uniform_int_distribution<int> us(0, 30);
        const int wait = us(random_);
        if (wait > 20)
            std::this_thread::sleep_for(std::chrono::microseconds(wait - 20));
        else if (wait > 10)
            std::this_thread::yield();
    }

    std::shared_ptr<SimBus> bus_;
    bool jitter_;
    std::minstd_rand random_{12345};
    std::array<uint64_t, 2> risesAtPull_{};
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::string failure_;
};


// A calculator that answers inside the host's own calls, with no thread of
// its own: each pull or release of the host's gets the calculator's next
// step at once. It either sends the low bits of a byte, or takes bits and
// then answers one more that it never lets go of; after its script it is
// quiet, so the only wait left is the one its fault makes the host sit out.
class ScriptedCalculator : public BlackWires {
public:
    static std::unique_ptr<ScriptedCalculator> sending(uint8_t byte, int bits)
    {
        auto calc = std::make_unique<ScriptedCalculator>();
        calc->sends_ = true;
        calc->byte_ = byte;
        calc->bits_ = bits;
        return calc;
    }
    static std::unique_ptr<ScriptedCalculator> taking(int bits, bool holdTheNext)
    {
        auto calc = std::make_unique<ScriptedCalculator>();
        calc->bits_ = bits;
        calc->holdTheNext_ = holdTheNext;
        return calc;
    }

    void drive(Wires host) override
    {
        host_ = host;
        sends_ ? sendStep() : takeStep();
    }
    Wires read() override { return {host_.red && mine_.red, host_.white && mine_.white}; }
    Wires waitForChange(Wires seen, SteadyClock::time_point deadline) override
    {
        // Nothing here changes by itself: a wait ends at once or at its deadline.
        if (read() == seen)
            std::this_thread::sleep_until(deadline);
        return read();
    }
    Wires hostPulls() const { return host_; }

private:
    static constexpr Wires kReleased{true, true};

    void sendStep()
    {
        if (mine_ != kReleased && host_ != kReleased) { // the host answered this bit
            mine_ = kReleased;
            ++done_;
        } else if (mine_ == kReleased && host_ == kReleased && done_ < bits_) {
            const bool one = (byte_ >> done_) & 1;
            mine_ = one ? Wires{true, false} : Wires{false, true};
        }
    }
    void takeStep()
    {
        const bool hostPullsOne = host_.red != host_.white;
        if (hostPullsOne && mine_ == kReleased && (done_ < bits_ || (holdTheNext_ && done_ == bits_))) {
            mine_ = host_.red ? Wires{false, true} : Wires{true, false}; // the other wire
        } else if (host_ == kReleased && mine_ != kReleased && done_ < bits_) {
            mine_ = kReleased;
            ++done_;
        }
    }

    bool sends_ = false;
    uint8_t byte_ = 0;
    int bits_ = 0;
    bool holdTheNext_ = false;
    int done_ = 0;
    Wires host_, mine_;
};

std::vector<uint8_t> screenData()
{
    std::vector<uint8_t> bitmap(kBitmapSize);
    for (size_t i = 0; i < bitmap.size(); ++i)
        bitmap[i] = uint8_t(i * 37 + (i >> 8));
    return bitmap;
}

// The whole calculator side of a screen read: request in, ACK and DATA out, ACK in.
void serveScreen(SimCalculator &calc, std::vector<uint8_t> &received)
{
    received = calc.getBytes(4);
    calc.putBytes(encodePacket(kCalculatorId, kCmdAck));
    calc.putBytes(encodePacket(kCalculatorId, kCmdData, screenData()));
    const std::vector<uint8_t> ack = calc.getBytes(4);
    received.insert(received.end(), ack.begin(), ack.end());
}

double seconds(SteadyClock::duration d) { return std::chrono::duration<double>(d).count(); }

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The cable's real limits; for a calculator that answers from its thread,
// a minute for every wait; and a bit limit of milliseconds, for the tests
// in which the host is meant to give up.
const LinkTimeouts kBlack = cableTimeouts(kCableBlack);
const LinkTimeouts kAnswering = [] {
    LinkTimeouts limits;
    limits.reply = limits.byte = limits.packet = limits.capture = limits.write = limits.bit =
        SimCalculator::kPatience;
    return limits;
}();
constexpr Millis kShortBit{20};

// Runs `action`, expects kNoAnswer with `detailPart` in its detail and the
// host's wires released afterwards, and returns how long it took.
double failsWithNoAnswer(const std::function<void()> &action, const std::string &detailPart,
                         const std::function<Wires()> &hostPulls)
{
    const auto start = SteadyClock::now();
    try {
        action();
        ADD_FAILURE() << "no error";
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kNoAnswer) << e.what();
        EXPECT_TRUE(e.description().empty()) << e.description();
        EXPECT_NE(e.detail().find(detailPart), std::string::npos) << e.detail();
    }
    EXPECT_EQ(hostPulls(), (Wires{true, true})) << "the host must release both wires after a failure";
    return seconds(SteadyClock::now() - start);
}

struct BlackCable : ::testing::Test {
    std::shared_ptr<SimBus> bus = std::make_shared<SimBus>();
    std::unique_ptr<BlackTransport> host(Millis bitLimit = kAnswering.bit, bool polls = false)
    {
        return std::make_unique<BlackTransport>(std::make_unique<SimWires>(bus, polls), bitLimit);
    }
    double failsWithNoAnswer(const std::function<void()> &action, const std::string &detailPart)
    {
        return ::failsWithNoAnswer(action, detailPart, [this] { return bus->hostPulls(); });
    }
    // The host sends `bytes` and the calculator sends them back: each side's
    // bytes must be the ones sent.
    void expectEcho(const std::vector<uint8_t> &bytes, bool jitter, bool polls)
    {
        SimCalculator calc(bus, jitter);
        std::vector<uint8_t> got;
        calc.play([&](SimCalculator &c) {
            got = c.getBytes(bytes.size());
            c.putBytes(bytes);
        });
        auto link = host(kAnswering.bit, polls);
        link->send(bytes.data(), bytes.size());
        std::vector<uint8_t> back;
        uint8_t byte;
        while (back.size() < bytes.size() && link->receive(&byte, 1, kAnswering.reply) == 1)
            back.push_back(byte);
        calc.finish();
        EXPECT_EQ(got, bytes) << "host to calculator";
        EXPECT_EQ(back, bytes) << "calculator to host";
    }
};

TEST_F(BlackCable, ReadsAScreenThroughThePacketLayer)
{
    SimCalculator calc(bus);
    std::vector<uint8_t> received;
    calc.play([&](SimCalculator &c) { serveScreen(c, received); });
    TraceText traced;
    BlackTransport link(std::make_unique<SimWires>(bus, false), kAnswering.bit, Stop::never(), traced.trace());
    const Bitmap bitmap = readScreen(link, kAnswering, traced.trace());
    calc.finish();
    EXPECT_EQ(traced.count("black: sent "), 8);
    EXPECT_EQ(traced.count("black: received "), int(4 + kDataPacketBytes)) << "each byte, with the time it took";

    const std::vector<uint8_t> expected = screenData();
    EXPECT_TRUE(std::equal(bitmap.begin(), bitmap.end(), expected.begin()));
    EXPECT_EQ(received, (std::vector<uint8_t>{0x23, 0x6D, 0x00, 0x00, 0x23, 0x56, 0x00, 0x00}));
}

TEST_F(BlackCable, EveryByteValueCrossesBothWays)
{
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[size_t(i)] = uint8_t(i);
    expectEcho(all, /*jitter=*/true, /*polls=*/false);
}

// Wires that cannot notify a change, as on a serial port, read back by
// polling; a few bytes, since a busy machine makes every poll slow.
TEST_F(BlackCable, PolledWiresCarryBytesBothWays)
{
    expectEcho({0x00, 0xFF, 0x6D, 0x92, 0x01, 0x80, 0x55, 0xAA}, /*jitter=*/false, /*polls=*/true);
}

TEST_F(BlackCable, SendsLeastSignificantBitFirstRedForZero)
{
    SimCalculator calc(bus);
    calc.play([](SimCalculator &c) { c.getByte(); });
    const uint8_t scr = 0x6D; // 0110 1101
    host()->send(&scr, 1);
    calc.finish();
    std::string bits;
    for (const Wires &pulls : bus->hostTrace()) {
        if (pulls.red != pulls.white)
            bits += pulls.red ? '1' : '0'; // white pulled: a 1
    }
    EXPECT_EQ(bits, "10110110");
}

TEST_F(BlackCable, WithNobodyOnTheCableEveryWaitEndsAtItsLimit)
{
    auto link = host(kShortBit, /*polls=*/true);
    uint8_t byte;
    const auto start = SteadyClock::now();
    const double cpuStart = threadCpuSeconds();
    EXPECT_EQ(link->receive(&byte, 1, 100ms), 0u);
    const double cpu = threadCpuSeconds() - cpuStart;
    const double waited = seconds(SteadyClock::now() - start);
    EXPECT_GE(waited, 0.1) << "the first bit of a reply waits the caller's limit, not the shorter bit limit";
    EXPECT_LT(cpu, 0.1 * waited) << "waiting must sleep, not spin";

    const uint8_t scr = 0x6D;
    const double took = failsWithNoAnswer([&] { link->send(&scr, 1); }, "did not answer on the red wire (bit 0");
    EXPECT_GE(took, 0.02) << "a bit waits its limit";

    // A whole capture fails rather than hangs.
    LinkTimeouts timeouts = kBlack;
    timeouts.bit = kShortBit;
    failsWithNoAnswer([&] { readScreen(*link, timeouts); }, "did not answer");
}

TEST(BlackCableScripted, ACalculatorStoppingInsideAByteFailsOnTheBitLimit)
{
    {
        SCOPED_TRACE("calculator sending");
        auto wires = ScriptedCalculator::sending(0x73, 3);
        const ScriptedCalculator &calc = *wires;
        BlackTransport link(std::move(wires), kShortBit);
        uint8_t byte;
        // Inside a byte the bit limit applies, not the reply's limit.
        const double took = failsWithNoAnswer([&] { link.receive(&byte, 1, 10s); }, "middle of a byte (bit 3)",
                                              [&] { return calc.hostPulls(); });
        EXPECT_LT(took, 5.0);
    }
    {
        SCOPED_TRACE("calculator taking");
        auto wires = ScriptedCalculator::taking(3, /*holdTheNext=*/false);
        const ScriptedCalculator &calc = *wires;
        BlackTransport link(std::move(wires), kShortBit);
        const uint8_t scr = 0x6D; // bit 3 is a 1: the host pulls white, the calculator should pull red
        failsWithNoAnswer([&] { link.send(&scr, 1); }, "did not answer on the red wire (bit 3 of byte 0, 0x6D)",
                          [&] { return calc.hostPulls(); });
    }
    {
        SCOPED_TRACE("calculator hanging with its answer pulled");
        auto wires = ScriptedCalculator::taking(3, /*holdTheNext=*/true);
        const ScriptedCalculator &calc = *wires;
        BlackTransport link(std::move(wires), kShortBit);
        const uint8_t scr = 0x6D;
        failsWithNoAnswer([&] { link.send(&scr, 1); }, "the red wire stays low (bit 3 of byte 0, 0x6D)",
                          [&] { return calc.hostPulls(); });
    }
}

TEST_F(BlackCable, WireStuckLowFails)
{
    auto link = host(kShortBit);
    bus->holdLow(/*red=*/true, /*white=*/false);
    const uint8_t scr = 0x6D;
    failsWithNoAnswer([&] { link->send(&scr, 1); }, "red wire stays low (bit 0");
    uint8_t byte;
    failsWithNoAnswer([&] { link->receive(&byte, 1, kBlack.reply); }, "red wire stays low (bit 0)");
}

TEST(BlackCablePort, PseudoTerminalIsRefusedAtOpen)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string path = ptsname(master);
    try {
        openBlack("COM2", path, kBlack);
        ADD_FAILURE() << "a pseudo-terminal has no modem lines";
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kSystemErrorBase + ENOTTY);
        EXPECT_NE(e.description().find("COM2"), std::string::npos) << e.description();
        EXPECT_NE(e.description().find(path), std::string::npos) << e.description();
        EXPECT_NE(e.description().find("no modem lines"), std::string::npos) << e.description();
    }
    close(master);
}

} // namespace
