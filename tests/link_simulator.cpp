// The whole road over a pseudo-terminal: CalcLink, the Gray cable's serial
// code and the simulated calculator, with each of its faults.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "calclink.h"
#include "calcsimulator.h"
#include "devicenames.h"
#include "linkerror.h"
#include "screenexchange.h"
#include "serialport.h"
#include "transports.h"

using namespace calclink;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

Bitmap testScreen()
{
    Bitmap screen;
    for (size_t i = 0; i < screen.size(); ++i)
        screen[i] = uint8_t(i * 13 + 5);
    return screen;
}

// A simulator serving a known screen, reachable as COM1 through a port link
// in a private XDG_CONFIG_HOME.
class OverPty : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/ekrano-pty-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        config_ = pattern;
        ::setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
        simulator_.start();
        linkCom1();
    }
    void TearDown() override
    {
        simulator_.stop();
        ::unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(config_);
    }
    void linkCom1()
    {
        const fs::path link = portLinkPath(1);
        fs::create_directories(link.parent_path());
        fs::remove(link);
        fs::create_symlink(simulator_.path(), link);
    }
    Bitmap capture()
    {
        CalcScreen screen;
        screen.Configure(26);
        CalcLink link;
        link.Connect(kCableGray, "COM1");
        link.GetScreen(screen);
        return *screen.bitmap();
    }

    fs::path config_;
    CalcSimulator simulator_{testScreen()};
};

// What a capture with `timeouts` ends in, and how long it took.
struct Outcome {
    std::optional<LinkError> error;
    Clock::duration took;
};

Outcome captureWith(const std::string &path, const LinkTimeouts &timeouts)
{
    const auto start = Clock::now();
    try {
        const std::unique_ptr<Transport> transport = openGray("COM1", path);
        readScreen(*transport, timeouts);
    } catch (const LinkError &e) {
        return {e, Clock::now() - start};
    }
    return {std::nullopt, Clock::now() - start};
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

TEST_F(OverPty, EveryFaultEndsInNoAnswerWithinItsLimit)
{
    // Shortened limits, so that the silent cases cost little; the answers that
    // do come arrive within microseconds.
    const LinkTimeouts quick{300ms, 200ms};
    const struct {
        Fault fault;
        const char *detail;
        Clock::duration within;
    } cases[] = {
        {Fault::Silent, "no reply", 800ms},
        {Fault::Late, "no reply", 800ms},
        {Fault::BadChecksumAlways, "checksum", 500ms},
        {Fault::WrongLength, "769", 500ms},
        {Fault::Skip, "SKIP", 500ms},
        {Fault::WrongMachineId, "0x55", 500ms},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.detail);
        // A fresh calculator each time, so that a late answer cannot reach the next case.
        CalcSimulator simulator(testScreen());
        simulator.setFault(c.fault, 1500ms);
        simulator.start();
        const Outcome outcome = captureWith(simulator.path(), quick);
        ASSERT_TRUE(outcome.error) << "the capture succeeded";
        EXPECT_EQ(outcome.error->number(), kNoAnswer);
        EXPECT_TRUE(outcome.error->description().empty()) << outcome.error->description();
        EXPECT_NE(outcome.error->detail().find(c.detail), std::string::npos) << outcome.error->detail();
        EXPECT_LT(outcome.took, c.within);
        EXPECT_EQ(simulator.requestsServed(), 1);
        if (c.fault == Fault::BadChecksumAlways) {
            EXPECT_EQ(simulator.errorsReceived(), 2) << "two resends, then the capture gives up";
        }
    }
}

TEST_F(OverPty, LateWithinTheLimitStillSucceeds)
{
    simulator_.setFault(Fault::Late, 300ms);
    EXPECT_EQ(capture(), testScreen());
}

TEST_F(OverPty, SilentCalculatorFailsInAboutTwoSeconds)
{
    simulator_.setFault(Fault::Silent);
    const auto start = Clock::now();
    try {
        capture();
        FAIL() << "a silent calculator gave a screen";
    } catch (const LinkError &e) {
        EXPECT_EQ(e.number(), kNoAnswer);
        EXPECT_TRUE(e.description().empty());
    }
    const auto took = Clock::now() - start;
    EXPECT_GE(took, 1900ms);
    EXPECT_LT(took, 3s);
}

TEST_F(OverPty, HangUpIsASystemErrorAndTheSimulatorCanServeAgain)
{
    simulator_.setFault(Fault::HangUp);
    const std::string deadPath = simulator_.path();
    const Outcome outcome = captureWith(deadPath, {});
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->number(), kSystemErrorBase + EIO);
    EXPECT_NE(outcome.error->description().find("COM1"), std::string::npos) << outcome.error->description();
    EXPECT_NE(outcome.error->description().find(deadPath), std::string::npos) << outcome.error->description();
    EXPECT_LT(outcome.took, 1s);

    EXPECT_FALSE(simulator_.serving());
    simulator_.setFault(Fault::None);
    simulator_.start();
    EXPECT_TRUE(simulator_.serving());
    linkCom1();
    EXPECT_EQ(capture(), testScreen());
}

TEST_F(OverPty, SecondOpenOfTheSamePortIsBusy)
{
    const std::unique_ptr<Transport> first = openTransport(kCableGray, "COM1");
    try {
        openTransport(kCableGray, "COM1");
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
    simulator_.setFault(Fault::Late, 400ms);
    const Outcome first = captureWith(simulator_.path(), {200ms, 200ms});
    ASSERT_TRUE(first.error);
    ::usleep(400 * 1000); // the late ACK and DATA of the old screen are now queued
    Bitmap newer{};
    newer[100] = 0xAA;
    simulator_.setScreen(newer);
    simulator_.setFault(Fault::None);
    EXPECT_EQ(capture(), newer) << "the capture read the answer to an earlier request";
}

TEST(Screens, BuiltinScreenShowsAxesAndACurve)
{
    const Bitmap screen = builtinScreen();
    const auto dark = [&](int x, int y) { return bool(screen[size_t(y) * 12 + size_t(x) / 8] & (0x80 >> (x % 8))); };
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
    char pattern[] = "/tmp/ekrano-screen-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path folder = pattern;
    const std::unique_ptr<const fs::path, void (*)(const fs::path *)> removeFolder(
        &folder, [](const fs::path *path) { fs::remove_all(*path); });

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
        expected[size_t(i) * 12 + size_t(i) / 8] |= uint8_t(0x80 >> (i % 8));
    expected[767] |= 0x01;
    EXPECT_EQ(*screen, expected);

    std::ofstream(folder / "small.pbm") << "P1\n2 2\n1 0\n0 1\n";
    EXPECT_FALSE(loadScreen((folder / "small.pbm").string(), error));
    EXPECT_NE(error.find("2 x 2"), std::string::npos) << error;
    EXPECT_FALSE(loadScreen((folder / "absent.png").string(), error));
    EXPECT_NE(error.find("absent.png"), std::string::npos) << error;
}
