// The whole road over a pseudo-terminal: CalcLink, the Gray cable's serial
// code and the simulated calculator, with each of its faults. A calculator
// that answers is met with the cable's own limits; one that stays silent,
// with limits of milliseconds, so that no verdict here hangs on the clock.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "calclink.h"
#include "calcsimulator.h"
#include "capture.h"
#include "graytransport.h"
#include "linkerror.h"
#include "portlinks.h"
#include "screenexchange.h"
#include "screenreader.h"
#include "serialport.h"
#include "tempfolder.h"
#include "transportfactory.h"

using namespace calclink;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

Bitmap testScreen()
{
    Bitmap screen;
    for (size_t i = 0; i < screen.size(); ++i)
        screen[i] = uint8_t(i * 13 + 5);
    return screen;
}

// Limits for a calculator that is meant to stay silent: tens of
// milliseconds, where the cable's own are seconds.
LinkTimeouts silentLimits()
{
    LinkTimeouts limits;
    limits.reply = 30ms;
    limits.byte = 30ms;
    return limits;
}

// A simulator serving a known screen, reachable as COM1 through a port link
// in a private XDG_CONFIG_HOME.
class OverPty : public PrivateConfig {
protected:
    void SetUp() override
    {
        PrivateConfig::SetUp();
        simulator_.start();
        linkPort(1, simulator_.path());
    }
    void TearDown() override
    {
        simulator_.stop();
        EXPECT_EQ(simulator_.acksReceived(), goodCaptures_) << "a good capture whose final ACK never arrived";
        PrivateConfig::TearDown();
    }
    // A capture through CalcLink with the Gray cable's own limits.
    Bitmap capture()
    {
        CalcScreen screen;
        screen.Configure(26);
        CalcLink link;
        link.Connect(kCableGray, "COM1");
        link.GetScreen(screen);
        ++goodCaptures_;
        return *screen.bitmap();
    }

    CalcSimulator simulator_{testScreen()};
    int goodCaptures_ = 0;
};

// The error a capture over `path` with `timeouts` ends in, if any.
std::optional<LinkError> captureWith(const std::string &path, const LinkTimeouts &timeouts)
{
    try {
        const std::unique_ptr<Transport> transport = openGray("COM1", path, timeouts);
        readScreen(*transport, timeouts);
    } catch (const LinkError &e) {
        return e;
    }
    return std::nullopt;
}

// The bytes waiting to be read on a terminal, seen through a descriptor of its own.
int queuedBytes(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    int queued = -1;
    if (fd >= 0) {
        ::ioctl(fd, FIONREAD, &queued);
        ::close(fd);
    }
    return queued;
}

} // namespace

TEST_F(OverPty, CaptureThroughCalcLinkGivesTheCalculatorsScreen)
{
    EXPECT_EQ(capture(), testScreen());
    // Every capture opens and closes the port anew; the calculator keeps serving.
    Bitmap other{};
    other[0] = 0x80;
    simulator_.setScreen(other);
    EXPECT_EQ(capture(), other);
    EXPECT_EQ(simulator_.requestsServed(), 2);
    EXPECT_EQ(simulator_.errorsReceived(), 0);
}

TEST_F(OverPty, BadChecksumOnceCostsOneResend)
{
    simulator_.setFault(Fault::BadChecksumOnce);
    EXPECT_EQ(capture(), testScreen());
    EXPECT_EQ(simulator_.errorsReceived(), 1);
}

TEST_F(OverPty, EveryFaultEndsInNoAnswerThatSaysWhatHappened)
{
    // A wrong answer fails on what arrived, and so at once, with the
    // cable's own limits; a silence or a late answer fails on the reply
    // limit, shortened here, which the detail names.
    const struct {
        Fault fault;
        const char *detail;
        LinkTimeouts timeouts;
    } cases[] = {
        {Fault::Silent, "no reply within 30 ms", silentLimits()},
        {Fault::Late, "no reply within 30 ms", silentLimits()},
        {Fault::BadChecksumAlways, "checksum was wrong three times", {}},
        {Fault::WrongLength, "769", {}},
        {Fault::Skip, "SKIP", {}},
        {Fault::WrongMachineId, "0x55", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.detail);
        // A fresh calculator each time, so that a late answer cannot reach the next case.
        CalcSimulator simulator(testScreen());
        simulator.setFault(c.fault, 1500ms);
        simulator.start();
        const std::optional<LinkError> error = captureWith(simulator.path(), c.timeouts);
        ASSERT_TRUE(error) << "the capture succeeded";
        EXPECT_EQ(error->number(), kNoAnswer);
        EXPECT_TRUE(error->description().empty()) << error->description();
        EXPECT_NE(error->detail().find(c.detail), std::string::npos) << error->detail();
        EXPECT_EQ(simulator.requestsServed(), 1);
        if (c.fault == Fault::BadChecksumAlways) {
            EXPECT_EQ(simulator.errorsReceived(), 2) << "two resends, then the capture gives up";
        }
    }
}

// The host's last bytes wait in the kernel while the calculator is busy;
// closing the port must not discard them (the fixture counts the ACKs).
TEST_F(OverPty, ACalculatorThatReadsSlowlyStillGetsEveryFinalAck)
{
    simulator_.setFault(Fault::SlowReader, 50ms);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(capture(), testScreen());
}

TEST_F(OverPty, LateWithinTheLimitStillSucceeds)
{
    simulator_.setFault(Fault::Late, 100ms);
    EXPECT_EQ(capture(), testScreen());
}

// The capture with its caller's limits: the reply limit for a silent
// calculator, and the whole capture's for one that sends a byte at a time,
// each well inside the byte limit, for ever.
TEST_F(OverPty, TheCaptureKeepsToTheLimitsItIsGiven)
{
    simulator_.setFault(Fault::Silent);
    Stop stop;
    LinkTimeouts silent = silentLimits();
    silent.capture = 100ms;
    CaptureResult result = calclink::capture(LinkChoice::ofDevice(kCableGray, "COM1"), stop, {}, silent);
    EXPECT_FALSE(result.screen);
    EXPECT_EQ(result.number, kNoAnswer);
    EXPECT_NE(result.detail.find("no reply within 30 ms"), std::string::npos) << result.why();

    // The same stop for the next capture, as the screen reader uses it: the
    // limit of the one before, long passed, is not this one's.
    std::this_thread::sleep_for(silent.capture + 50ms);
    simulator_.setFault(Fault::None);
    result = calclink::capture(LinkChoice::ofDevice(kCableGray, "COM1"), stop);
    EXPECT_TRUE(result.screen) << result.why();
    goodCaptures_ += result.screen.has_value();

    simulator_.setFault(Fault::Trickle, 20ms);
    LinkTimeouts trickle;
    trickle.capture = 300ms;
    Stop again;
    result = calclink::capture(LinkChoice::ofDevice(kCableGray, "COM1"), again, {}, trickle);
    EXPECT_FALSE(result.screen);
    EXPECT_EQ(result.number, kNoAnswer);
    EXPECT_NE(result.detail.find("the capture took longer than 300 ms (the capture limit)"), std::string::npos)
        << result.why();
}

TEST_F(OverPty, ACancelledCaptureEndsAsCancelledAndFreesThePort)
{
    simulator_.setFault(Fault::Silent);
    Stop stop;
    const CaptureResult result =
        calclink::capture(LinkChoice::ofDevice(kCableGray, "COM1"), stop, [&] { stop.cancel(); });
    EXPECT_TRUE(result.cancelled()) << result.why();
    simulator_.setFault(Fault::None);
    EXPECT_EQ(capture(), testScreen()) << "the port was left open";
}

TEST_F(OverPty, HangUpIsASystemErrorAndTheSimulatorCanServeAgain)
{
    simulator_.setFault(Fault::HangUp);
    const std::string deadPath = simulator_.path();
    // A device failure, not a wait for the limits to run out.
    const std::optional<LinkError> error = captureWith(deadPath, {});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), kSystemErrorBase + EIO);
    EXPECT_NE(error->description().find("COM1"), std::string::npos) << error->description();
    EXPECT_NE(error->description().find(deadPath), std::string::npos) << error->description();

    EXPECT_FALSE(simulator_.serving());
    simulator_.setFault(Fault::None);
    simulator_.start();
    EXPECT_TRUE(simulator_.serving());
    linkPort(1, simulator_.path());
    EXPECT_EQ(capture(), testScreen());
}

TEST_F(OverPty, SecondOpenOfTheSamePortIsBusy)
{
    const std::unique_ptr<Transport> first = openTransport(LinkChoice::ofDevice(kCableGray, "COM1"));
    try {
        openTransport(LinkChoice::ofDevice(kCableGray, "COM1"));
        FAIL() << "the port opened twice";
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kSystemErrorBase + EBUSY);
        EXPECT_NE(e.description().find("COM1"), std::string::npos) << e.description();
    }
}

TEST_F(OverPty, SerialPortRestoresSettingsAndHasNoModemLines)
{
    const int fd = ::open(simulator_.path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios cooked;
    ASSERT_EQ(::tcgetattr(fd, &cooked), 0);
    cooked.c_lflag |= ICANON | ECHO;
    cooked.c_iflag |= ICRNL | IXON;
    ASSERT_EQ(::tcsetattr(fd, TCSANOW, &cooked), 0);
    {
        SerialPort port("COM1", simulator_.path(), B9600);
        termios raw;
        ASSERT_EQ(::tcgetattr(fd, &raw), 0);
        EXPECT_FALSE(raw.c_lflag & (ICANON | ECHO));
        EXPECT_FALSE(raw.c_iflag & (ICRNL | IXON));
        EXPECT_EQ(raw.c_cflag & CSIZE, tcflag_t(CS8));
        EXPECT_TRUE(raw.c_cflag & CLOCAL);
        // A pseudo-terminal has no modem lines; that is not an error.
        EXPECT_FALSE(port.setModemLines(TIOCM_DTR | TIOCM_RTS, 0));
        EXPECT_FALSE(port.modemLines());
    }
    termios after;
    ASSERT_EQ(::tcgetattr(fd, &after), 0);
    EXPECT_TRUE(after.c_lflag & ICANON);
    EXPECT_TRUE(after.c_lflag & ECHO);
    EXPECT_TRUE(after.c_iflag & IXON);
    ::close(fd);
}

TEST_F(OverPty, StaleInputIsDiscardedWhenThePortOpens)
{
    // A late answer to an earlier capture waits in the terminal; a new capture must not read it.
    simulator_.setFault(Fault::Late, 300ms);
    ASSERT_TRUE(captureWith(simulator_.path(), silentLimits()));
    const int staleAnswer = 4 + int(kDataPacketBytes);
    for (int i = 0; i < 1000 && queuedBytes(simulator_.path()) < staleAnswer; ++i)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(queuedBytes(simulator_.path()), staleAnswer) << "the late ACK and DATA never arrived";
    Bitmap newer{};
    newer[100] = 0xAA;
    simulator_.setScreen(newer);
    simulator_.setFault(Fault::None);
    EXPECT_EQ(capture(), newer) << "the capture read the answer to an earlier request";
}

TEST(Screens, BuiltinScreenShowsAxesAndACurve)
{
    const Bitmap screen = builtinScreen();
    const auto dark = [&](int x, int y) { return isDark(screen, x, y); };
    int darkCount = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            darkCount += dark(x, y);
    EXPECT_GT(darkCount, 96 + 64);      // more than the two axes
    EXPECT_LT(darkCount, 96 * 64 / 4); // still mostly a light screen
    for (int x = 0; x < 96; ++x)
        EXPECT_TRUE(dark(x, 32)) << "x axis at " << x;
    for (int y = 0; y < 64; ++y)
        EXPECT_TRUE(dark(48, y)) << "y axis at " << y;
}

TEST(Screens, LoadScreenReadsPbmAndRefusesOtherSizes)
{
    const TempFolder temporary;
    const fs::path &folder = temporary.path();
    ASSERT_FALSE(folder.empty());

    // Plain PBM: 1 is dark. A diagonal from the top left, and the bottom right pixel.
    {
        std::ofstream pbm(folder / "screen.pbm");
        pbm << "P1\n96 64\n";
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 96; ++x)
                pbm << ((x == y || (x == 95 && y == 63)) ? "1 " : "0 ");
            pbm << '\n';
        }
    }
    std::string error;
    const std::optional<Bitmap> screen = loadScreen((folder / "screen.pbm").string(), error);
    ASSERT_TRUE(screen) << error;
    Bitmap expected{};
    for (int i = 0; i < 64; ++i)
        setDark(expected, i, i);
    setDark(expected, 95, 63);
    EXPECT_EQ(*screen, expected);

    std::ofstream(folder / "small.pbm") << "P1\n2 2\n1 0\n0 1\n";
    EXPECT_FALSE(loadScreen((folder / "small.pbm").string(), error));
    EXPECT_NE(error.find("2 x 2"), std::string::npos) << error;
    EXPECT_FALSE(loadScreen((folder / "absent.png").string(), error));
    EXPECT_NE(error.find("absent.png"), std::string::npos) << error;
}

TEST_F(OverPty, TheScreenReaderHandsOnEveryResultInOrderAndEndsWhenTold)
{
    // Back to back: every screen the calculator sent, none left out, each
    // with the time its capture ended; then a failure, and a wait after it
    // that cancelling the stop cuts short.
    simulator_.setAnimated(true);
    std::vector<ScreenReader::Reading> readings;
    std::promise<void> failed;
    Stop stop;
    const auto started = SteadyClock::now();
    {
        ScreenReader reader(
            LinkChoice::ofDevice(kCableGray, "COM1"),
            [&](const ScreenReader::Reading &reading) {
                readings.push_back(reading);
                if (readings.size() == 30)
                    simulator_.setFault(Fault::Skip);
                if (!reading.result.screen)
                    failed.set_value();
                return ScreenReader::Next::again(reading.result.screen ? 0s : 1h);
            },
            stop, silentLimits());
        ASSERT_EQ(failed.get_future().wait_for(20s), std::future_status::ready);
        EXPECT_FALSE(reader.waitUntil(SteadyClock::now())) << "ended by itself";
        stop.cancel();
        EXPECT_TRUE(reader.waitUntil(SteadyClock::now() + 10s)) << "the wait after the failure went on";
    }
    goodCaptures_ = 30;
    ASSERT_GE(readings.size(), 31u);
    for (size_t i = 0; i < 30; ++i) {
        ASSERT_TRUE(readings[i].result.screen) << i << ": " << readings[i].result.why();
        EXPECT_EQ(*readings[i].result.screen, animatedScreen(int(i))) << "screen " << i;
        EXPECT_LE(i == 0 ? started : readings[i - 1].ended, readings[i].ended) << "screen " << i;
    }
    EXPECT_EQ(readings[30].result.number, kNoAnswer) << readings[30].result.why();
    EXPECT_EQ(readings.size(), 31u) << "read again during the wait";
}
