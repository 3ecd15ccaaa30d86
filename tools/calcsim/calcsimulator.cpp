#include "calcsimulator.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// The calculator's side of the protocol, framed here on its own rather than
// with the link library's encoder, so that the tests compare two
// independent readings of the packet format.
constexpr uint8_t kHost = 0x23;
constexpr uint8_t kCalculator = 0x73;
constexpr uint8_t kStrangerId = 0x55;
constexpr uint8_t kScr = 0x6D, kAck = 0x56, kData = 0x15, kErr = 0x5A, kSkip = 0x36;

std::vector<uint8_t> packet(uint8_t machineId, uint8_t command, const std::vector<uint8_t> &data = {},
                            uint16_t checksumDelta = 0)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(4 + data.size() + 2);
    bytes.push_back(machineId);
    bytes.push_back(command);
    bytes.push_back(uint8_t(data.size() & 0xFF));
    bytes.push_back(uint8_t(data.size() >> 8));
    if (!data.empty()) {
        uint16_t sum = 0;
        for (uint8_t b : data)
            sum = uint16_t(sum + b);
        sum = uint16_t(sum + checksumDelta);
        bytes.insert(bytes.end(), data.begin(), data.end());
        bytes.push_back(uint8_t(sum & 0xFF));
        bytes.push_back(uint8_t(sum >> 8));
    }
    return bytes;
}

bool carriesData(uint8_t command)
{
    switch (command) {
    case 0x15: case 0x36: case 0x06: case 0x88: case 0xA2: case 0xC9:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void fail(const char *what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

CalcSimulator::CalcSimulator(calclink::Bitmap screen) : screen_(screen)
{
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) < 0)
        fail("pipe2");
    try {
        openTerminal();
    } catch (...) {
        ::close(wake_[0]);
        ::close(wake_[1]);
        throw;
    }
}

CalcSimulator::~CalcSimulator()
{
    stop();
    closeTerminal();
    ::close(wake_[0]);
    ::close(wake_[1]);
}

void CalcSimulator::openTerminal()
{
    const auto bail = [this](const char *what) {
        const int err = errno;
        closeTerminal();
        errno = err;
        fail(what);
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        bail("posix_openpt");
    char name[128];
    if (::grantpt(master_) < 0 || ::unlockpt(master_) < 0 || ::ptsname_r(master_, name, sizeof name) != 0)
        bail("preparing the pseudo-terminal");
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    path_ = name;

    // Our own descriptor of the slave: while it is open the master never sees
    // a hang-up, however often clients come and go.
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0)
        bail("opening the pseudo-terminal");
    termios raw;
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
}

void CalcSimulator::closeTerminal()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

void CalcSimulator::setScreen(const calclink::Bitmap &screen)
{
    std::lock_guard lock(mutex_);
    screen_ = screen;
}

void CalcSimulator::setAnimated(bool animated)
{
    std::lock_guard lock(mutex_);
    animated_ = animated;
}

void CalcSimulator::setFault(Fault fault, std::chrono::milliseconds lateBy)
{
    std::lock_guard lock(mutex_);
    fault_ = fault;
    lateBy_ = lateBy;
}

void CalcSimulator::start()
{
    std::lock_guard lock(control_);
    if (serving_)
        return;
    if (thread_.joinable())
        thread_.join(); // ended by a HangUp
    if (master_ < 0)
        openTerminal();
    char drain[16];
    while (::read(wake_[0], drain, sizeof drain) > 0) {
    }
    awaitingAck_ = ackDue_ = false;
    serving_ = true;
    thread_ = std::thread(&CalcSimulator::serve, this);
}

void CalcSimulator::stop()
{
    std::lock_guard lock(control_);
    if (!thread_.joinable())
        return;
    const char wake = 1;
    [[maybe_unused]] ssize_t n = ::write(wake_[1], &wake, 1);
    thread_.join();
    serving_ = false;
}

// Waits for `duration`; false when stop() interrupts it.
bool CalcSimulator::pause(std::chrono::milliseconds duration)
{
    const auto deadline = std::chrono::steady_clock::now() + duration;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left <= 0ms)
            return true;
        pollfd p{wake_[0], POLLIN, 0};
        const int n = ::poll(&p, 1, int(left.count()));
        if (n > 0)
            return false;
    }
}

void CalcSimulator::setFaultReport(std::function<void(const std::string &)> report)
{
    std::lock_guard lock(control_);
    report_ = std::move(report);
}

void CalcSimulator::missedAck(const std::string &why)
{
    ackDue_ = false;
    ++missingAcks_;
    if (report_)
        report_("the host did not acknowledge the screen it was sent (no final ACK): " + why);
}

// Reads one byte from the host; false when stop() interrupts the wait. An
// ACK still due is waited for until its limit, even once stop() has asked.
bool CalcSimulator::readByte(uint8_t &byte)
{
    bool stopping = false;
    for (;;) {
        const ssize_t n = ::read(master_, &byte, 1);
        if (n == 1)
            return true;
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            fail("reading the pseudo-terminal");
        int timeout = -1;
        if (ackDue_) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(ackDeadline_ - std::chrono::steady_clock::now());
            if (left <= 0ms) {
                missedAck("none within " + std::to_string(kAckLimit.count()) + " ms");
                continue;
            }
            timeout = int(left.count());
        } else if (stopping) {
            return false;
        }
        pollfd p[2] = {{wake_[0], POLLIN, 0}, {master_, POLLIN, 0}};
        if (::poll(stopping ? p + 1 : p, stopping ? 1 : 2, timeout) < 0 && errno != EINTR)
            fail("poll");
        stopping |= p[0].revents != 0;
    }
}

// Writes every byte (one at a time, with pauses, while trickling); false when
// stop() interrupts a wait.
bool CalcSimulator::writeAll(const std::vector<uint8_t> &bytes)
{
    const bool trickle = requestFault_ == Fault::Trickle;
    size_t done = 0;
    while (done < bytes.size()) {
        if (trickle && done > 0 && !pause(requestLateBy_))
            return false;
        const ssize_t n = ::write(master_, bytes.data() + done, trickle ? 1 : bytes.size() - done);
        if (n > 0) {
            done += size_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            fail("writing the pseudo-terminal");
        pollfd p[2] = {{wake_[0], POLLIN, 0}, {master_, POLLOUT, 0}};
        if (::poll(p, 2, -1) < 0 && errno != EINTR)
            fail("poll");
        if (p[0].revents)
            return false;
    }
    return true;
}

void CalcSimulator::serve()
{
    try {
        while (master_ >= 0) {
            // Resynchronise on the host's machine id, so that a stray byte
            // costs one packet and not every packet after it.
            uint8_t header[4];
            if (!readByte(header[0]))
                break;
            if (header[0] != kHost)
                continue;
            if (!readByte(header[1]) || !readByte(header[2]) || !readByte(header[3]))
                break;
            if (carriesData(header[1])) {
                // Nothing the host sends carries data; step over it.
                size_t skip = size_t(header[2] | (header[3] << 8)) + 2;
                uint8_t ignored;
                while (skip > 0 && readByte(ignored))
                    --skip;
                if (skip > 0)
                    break;
                continue;
            }
            switch (header[1]) {
            case kScr:
                if (ackDue_)
                    missedAck("a new request came instead");
                ++requests_;
                answerScreenRequest();
                break;
            case kErr:
                ++errors_;
                if (awaitingAck_)
                    sendData(requestFault_ == Fault::BadChecksumAlways);
                break;
            case kAck:
                acks_ += ackDue_;
                awaitingAck_ = ackDue_ = false;
                break;
            default:
                break;
            }
        }
    } catch (const std::exception &) {
        // The terminal failed under us; nothing is left to serve.
        serving_ = false;
        closeTerminal();
    }
    serving_ = false;
}

void CalcSimulator::answerScreenRequest()
{
    std::chrono::milliseconds lateBy;
    {
        std::lock_guard lock(mutex_);
        requestFault_ = fault_;
        sentScreen_ = animated_ ? animatedScreen(frame_++) : screen_;
        lateBy = lateBy_;
        requestLateBy_ = lateBy_;
    }
    awaitingAck_ = ackDue_ = false;
    const std::vector<uint8_t> screen(sentScreen_.begin(), sentScreen_.end());

    switch (requestFault_) {
    case Fault::Silent:
        return;
    case Fault::Late:
        if (!pause(lateBy))
            return;
        break;
    default:
        break;
    }
    if (!writeAll(packet(kCalculator, kAck)))
        return;

    switch (requestFault_) {
    case Fault::Skip:
        writeAll(packet(kCalculator, kSkip, {0x01, 0x00, 0x00, 0x00, 0x00}));
        return;
    case Fault::WrongLength: {
        std::vector<uint8_t> longer = screen;
        longer.push_back(0);
        writeAll(packet(kCalculator, kData, longer));
        return;
    }
    case Fault::WrongMachineId:
        writeAll(packet(kStrangerId, kData, screen));
        return;
    case Fault::HangUp: {
        std::vector<uint8_t> half = packet(kCalculator, kData, screen);
        half.resize(4 + screen.size() / 2);
        writeAll(half);
        pause(50ms);
        // Not serving from here on, before the client can see the hang-up:
        // a start() that follows it must find the thread ending, join it and
        // open a fresh terminal.
        serving_ = false;
        closeTerminal();
        return;
    }
    case Fault::SlowReader: {
        // Bytes of its own ahead of whatever the host sends next, more than
        // the terminal's input buffer holds: the kernel then keeps the
        // host's next bytes, the ACK, in its queue until this side reads
        // again, as it does for a reader that has fallen behind. They are
        // not the host's machine id, so reading skips them.
        const std::vector<uint8_t> backlog(4096, 0);
        if (::write(slave_, backlog.data(), backlog.size()) < 0)
            fail("backing up the input");
        sendData(false);
        pause(requestLateBy_); // stop() ends the pause; the ACK is still waited for
        return;
    }
    default:
        sendData(requestFault_ == Fault::BadChecksumOnce || requestFault_ == Fault::BadChecksumAlways);
    }
}

void CalcSimulator::sendData(bool badChecksum)
{
    const std::vector<uint8_t> screen(sentScreen_.begin(), sentScreen_.end());
    awaitingAck_ = true;
    ackDue_ = writeAll(packet(kCalculator, kData, screen, badChecksum ? 1 : 0)) && !badChecksum;
    ackDeadline_ = std::chrono::steady_clock::now() + kAckLimit;
}
