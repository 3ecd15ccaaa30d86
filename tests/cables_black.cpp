// The Black cable's bit engine against simulated wires and a simulated
// calculator whose link code follows the bit table step by step on its own,
// so that a mistake made the same way on both sides cannot pass.

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
#include "linkerror.h"
#include "packet.h"
#include "screenexchange.h"
#include "transports.h"

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
// that is not scheduled for a moment does not make it fail.
class SimCalculator {
public:
    static constexpr int kRed = 1, kWhite = 2;

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

    // Receives one byte, least significant bit first; `bits` < 8 stops in the middle.
    uint8_t getByte(std::chrono::milliseconds firstLimit = 3000ms, int bits = 8)
    {
        int value = 0;
        for (int bit = 0; bit < bits; ++bit) {
            awaitMask([](int m) { return m != (kRed | kWhite); }, bit == 0 ? firstLimit : 1000ms, "a bit");
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
    std::vector<uint8_t> getBytes(size_t count, std::chrono::milliseconds firstLimit = 3000ms)
    {
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < count; ++i)
            bytes.push_back(getByte(i == 0 ? firstLimit : 1000ms));
        return bytes;
    }

    // Sends one byte; `bits` < 8 stops in the middle, leaving the wires released.
    void putByte(uint8_t value, int bits = 8)
    {
        for (int bit = 0; bit < bits; ++bit) {
            if (((value >> bit) & 1) == 0) {
                pull(kRed);
                awaitMask([](int m) { return (m & kWhite) == 0; }, 1000ms, "white low");
                pull(0);
                awaitHigh(kWhite, "white high");
            } else {
                pull(kWhite);
                awaitMask([](int m) { return (m & kRed) == 0; }, 1000ms, "red low");
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

    // Waits for the next bit and answers it, but never lets go of the answer.
    void answerAndHold()
    {
        awaitMask([](int m) { return m != (kRed | kWhite); }, 1000ms, "a bit");
        pull((mask() & kRed) ? kRed : kWhite);
    }

    // Pulls the wires in `lowMask` low and leaves the others released.
    void pull(int lowMask)
    {
        pause();
        risesAtPull_ = bus_->drive(SimBus::Calculator, Wires{!(lowMask & kRed), !(lowMask & kWhite)});
    }
    bool stopped() const { return stop_; }

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
        awaitMask([&](int m) { return (m & wire) != 0 || bus_->rises()[which] > before; }, 1000ms, what);
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
    const std::vector<uint8_t> ack = calc.getBytes(4, 1000ms);
    received.insert(received.end(), ack.begin(), ack.end());
}

double seconds(SteadyClock::duration d) { return std::chrono::duration<double>(d).count(); }

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

struct BlackCable : ::testing::Test {
    std::shared_ptr<SimBus> bus = std::make_shared<SimBus>();
    std::unique_ptr<BlackTransport> host(bool polls = false)
    {
        return std::make_unique<BlackTransport>(std::make_unique<SimWires>(bus, polls), LinkTimeouts{}.bit);
    }
    // Runs `action`, expects kNoAnswer, and returns how long it took.
    double failsWithNoAnswer(const std::function<void()> &action, const std::string &detailPart)
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
        EXPECT_EQ(bus->hostPulls(), (Wires{true, true})) << "the host must release both wires after a failure";
        return seconds(SteadyClock::now() - start);
    }
};

TEST_F(BlackCable, ReadsAScreenThroughThePacketLayer)
{
    // Once woken by the bus, once polling like the serial port; the second
    // is what a byte costs on a real port, less the ioctls.
    for (const bool polls : {false, true}) {
        SCOPED_TRACE(polls ? "polling" : "notified");
        SimCalculator calc(bus);
        std::vector<uint8_t> received;
        calc.play([&](SimCalculator &c) { serveScreen(c, received); });
        auto link = host(polls);
        const auto start = SteadyClock::now();
        const double cpuStart = threadCpuSeconds();
        const Bitmap bitmap = readScreen(*link);
        const double cpu = threadCpuSeconds() - cpuStart;
        const double took = seconds(SteadyClock::now() - start);
        calc.finish();

        const std::vector<uint8_t> expected = screenData();
        EXPECT_TRUE(std::equal(bitmap.begin(), bitmap.end(), expected.begin()));
        EXPECT_EQ(received, (std::vector<uint8_t>{0x23, 0x6D, 0x00, 0x00, 0x23, 0x56, 0x00, 0x00}));
        const size_t bytes = 8 + 4 + 4 + kBitmapSize + 2;
        std::cout << "[ measure  ] Black cable, " << (polls ? "polling" : "notified") << " wires: " << bytes
                  << " bytes in " << took * 1e3 << " ms, " << took * 1e6 / double(bytes) << " us a byte, "
                  << cpu * 1e3 << " ms of CPU\n";
    }
}

TEST_F(BlackCable, EveryByteValueCrossesBothWays)
{
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[size_t(i)] = uint8_t(i);
    SimCalculator calc(bus, /*jitter=*/true);
    std::vector<uint8_t> got;
    calc.play([&](SimCalculator &c) {
        got = c.getBytes(all.size());
        c.putBytes(all);
    });
    auto link = host();
    link->send(all.data(), all.size());
    std::vector<uint8_t> back;
    uint8_t byte;
    while (back.size() < all.size() && link->receive(&byte, 1, 2000ms) == 1)
        back.push_back(byte);
    calc.finish();
    EXPECT_EQ(got, all) << "host to calculator";
    EXPECT_EQ(back, all) << "calculator to host";
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

TEST_F(BlackCable, SilentCalculatorTimesOut)
{
    auto link = host(/*polls=*/true);
    uint8_t byte;
    const auto start = SteadyClock::now();
    const double cpuStart = threadCpuSeconds();
    EXPECT_EQ(link->receive(&byte, 1, 400ms), 0u);
    const double cpu = threadCpuSeconds() - cpuStart;
    const double waited = seconds(SteadyClock::now() - start);
    EXPECT_GE(waited, 0.39);
    EXPECT_LT(waited, 0.9) << "the first bit of a reply waits the caller's limit, not the bit limit";
    EXPECT_LT(cpu, 0.1 * waited) << "waiting must sleep, not spin";

    const uint8_t scr = 0x6D;
    const double took = failsWithNoAnswer([&] { link->send(&scr, 1); }, "did not answer");
    EXPECT_GT(took, 0.9);
    EXPECT_LT(took, 2.0);

    // With nobody on the cable, a whole capture fails rather than hangs.
    const double capture = failsWithNoAnswer([&] { readScreen(*link); }, "did not answer");
    EXPECT_LT(capture, 2.5);
}

TEST_F(BlackCable, CalculatorStoppingInsideAByteFailsWithinTheBitLimit)
{
    {
        SCOPED_TRACE("calculator sending");
        SimCalculator calc(bus);
        calc.play([](SimCalculator &c) { c.putByte(0x73, 3); });
        auto link = host();
        uint8_t byte;
        const double took = failsWithNoAnswer([&] { link->receive(&byte, 1, 2000ms); }, "middle of a byte");
        EXPECT_GT(took, 0.9);
        EXPECT_LT(took, 1.8) << "inside a byte the limit is one second";
        calc.finish();
    }
    {
        SCOPED_TRACE("calculator receiving");
        SimCalculator calc(bus);
        calc.play([](SimCalculator &c) { c.getByte(3000ms, 3); });
        auto link = host();
        const uint8_t scr = 0x6D;
        const double took = failsWithNoAnswer([&] { link->send(&scr, 1); }, "did not answer");
        EXPECT_GT(took, 0.9);
        EXPECT_LT(took, 1.8);
        calc.finish();
    }
    {
        SCOPED_TRACE("calculator hanging with its answer pulled");
        SimCalculator calc(bus);
        calc.play([](SimCalculator &c) {
            c.getByte(3000ms, 3);
            c.answerAndHold();
        });
        auto link = host();
        const uint8_t scr = 0x6D; // bit 3 is a 1: the calculator holds red
        const double took = failsWithNoAnswer([&] { link->send(&scr, 1); }, "red wire stays low");
        EXPECT_LT(took, 1.8);
        calc.finish();
    }
}

TEST_F(BlackCable, WireStuckLowFails)
{
    auto link = host();
    bus->holdLow(/*red=*/true, /*white=*/false);
    const uint8_t scr = 0x6D;
    double took = failsWithNoAnswer([&] { link->send(&scr, 1); }, "red wire stays low");
    EXPECT_LT(took, 1.8);
    uint8_t byte;
    took = failsWithNoAnswer([&] { link->receive(&byte, 1, 2000ms); }, "red wire stays low");
    EXPECT_LT(took, 1.8);
}

TEST(BlackCablePort, PseudoTerminalIsRefusedAtOpen)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string path = ptsname(master);
    try {
        openBlack("COM2", path);
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
