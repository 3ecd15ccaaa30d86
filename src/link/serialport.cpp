#include "serialport.h"

#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "fileopen.h"
#include "linkerror.h"
#include "translation.h"

namespace calclink {

bool isPseudoTerminal(dev_t device)
{
    return major(device) >= 136 && major(device) <= 143;
}

std::string portAdvice(int err, const std::string &path)
{
    switch (err) {
    case EACCES:
    case EPERM:
        return translate("calclink", "Serial ports belong to the dialout group: add yourself to it with "
                                     "\"sudo adduser $USER dialout\", then log out and in again.");
    case EBUSY:
        return translate("calclink", "Another program is using the port; close it and try again.");
    case ENOENT:
    case ENXIO:
    case ENODEV: {
        const std::string target = linkTarget(path);
        // Only ENOENT means that the target is missing. ENXIO and ENODEV come
        // from a device file that is there with no device behind it: an
        // adapter's unplugged, or /dev/tty in a program without a terminal.
        if (!target.empty())
            return fill(err == ENOENT ? translate("calclink", "The port link points to %1, which is not there: is the "
                                                              "cable or adapter plugged in?")
                                      : translate("calclink", "The port link points to %1, which has no device behind "
                                                              "it: is the cable or adapter plugged in?"),
                        {target});
        return translate("calclink", "Is the cable plugged in, and is this the right port?");
    }
    case ENOTTY:
        return translate("calclink", "It is not a serial port.");
    default:
        return {};
    }
}

namespace {

// The bits a second of a termios speed; one not in the table counts as the
// slowest the link uses, 9600.
long baudOf(speed_t speed)
{
    static const struct {
        speed_t code;
        long baud;
    } speeds[] = {{B300, 300},       {B600, 600},       {B1200, 1200},     {B2400, 2400},     {B4800, 4800},
                  {B19200, 19200},   {B38400, 38400},   {B57600, 57600},   {B115200, 115200}, {B230400, 230400},
                  {B460800, 460800}, {B921600, 921600}};
    for (const auto &entry : speeds)
        if (entry.code == speed)
            return entry.baud;
    return 9600;
}

// How long one byte takes on the wire at `speed`: a start bit, 8 data bits
// and a stop bit.
std::chrono::microseconds byteTimeAt(speed_t speed)
{
    return std::chrono::microseconds(10 * 1000000L / baudOf(speed));
}

// Termios settings as the trace shows them: the words, then the flags.
std::string describe(const termios &t)
{
    const tcflag_t size = t.c_cflag & CSIZE;
    std::string text = std::to_string(baudOf(::cfgetospeed(&t))) + " baud, " +
                       (size == CS8 ? "8" : size == CS7 ? "7" : size == CS6 ? "6" : "5") + " data bits, " +
                       (t.c_cflag & PARENB ? "parity" : "no parity") + ", " +
                       (t.c_cflag & CSTOPB ? "2 stop bits" : "1 stop bit") + ", " +
                       (t.c_cflag & CRTSCTS ? "RTS/CTS flow control" : "no RTS/CTS") + ", " +
                       (t.c_iflag & (IXON | IXOFF) ? "XON/XOFF" : "no XON/XOFF") + ", " +
                       (t.c_lflag & ICANON ? "canonical;" : "raw;");
    for (const auto &[name, flags] : {std::pair{" iflag ", t.c_iflag}, {" oflag ", t.c_oflag},
                                      {" cflag ", t.c_cflag}, {" lflag ", t.c_lflag}})
        text += name + hexadecimal(uint32_t(flags));
    return text + " VMIN " + std::to_string(t.c_cc[VMIN]) + " VTIME " + std::to_string(t.c_cc[VTIME]);
}

int remainingMs(SteadyClock::time_point deadline)
{
    const auto left = std::chrono::ceil<Millis>(deadline - SteadyClock::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

// poll() for one event until `deadline`, retrying on EINTR and looking at
// `stop` between steps (which throws when it says so). Returns the revents,
// 0 on time-out, -1 with errno set on failure.
int waitFor(int fd, short events, SteadyClock::time_point deadline, const Stop &stop)
{
    for (;;) {
        stop.check();
        const auto step = stop.nextCheck(deadline);
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, remainingMs(step));
        if (n > 0)
            return p.revents;
        if (n < 0 && errno != EINTR)
            return -1;
        if (n == 0 && SteadyClock::now() >= deadline)
            return 0;
    }
}

} // namespace

SerialPort::SerialPort(const std::string &deviceName, const std::string &path, std::optional<speed_t> baud,
                       const Stop &stop, const Trace &trace)
    : deviceName_(deviceName), path_(path), stop_(stop), trace_(trace)
{
    do {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
        const int err = errno;
        throw systemError(err, deviceName_, path_, Doing::Opening, portAdvice(err, path_));
    }

    // Two programs sharing a port would interleave their bytes; the lock is
    // advisory, which is what other serial programs check as well.
    if (::flock(fd_, LOCK_EX | LOCK_NB) < 0 && errno == EWOULDBLOCK) {
        ::close(fd_);
        throw systemError(EBUSY, deviceName_, path_, Doing::Opening, portAdvice(EBUSY, path_));
    }

    if (::tcgetattr(fd_, &saved_) < 0) {
        const int err = errno;
        ::close(fd_);
        throw systemError(err, deviceName_, path_, Doing::SettingUp, portAdvice(err, path_));
    }

    termios raw = saved_;
    ::cfmakeraw(&raw);
    raw.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    raw.c_cflag &= ~tcflag_t(CSIZE | PARENB | CSTOPB | CRTSCTS);
    raw.c_cflag |= CS8 | CLOCAL | CREAD;
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    if (baud) {
        ::cfsetispeed(&raw, *baud);
        ::cfsetospeed(&raw, *baud);
    }
    int rc;
    do {
        rc = ::tcsetattr(fd_, TCSANOW, &raw);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        const int err = errno;
        ::close(fd_);
        throw systemError(err, deviceName_, path_, Doing::SettingUp, portAdvice(err, path_));
    }
    ::tcflush(fd_, TCIFLUSH);
    byteTime_ = byteTimeAt(::cfgetospeed(&raw));
    struct stat info;
    pseudoTerminal_ = ::fstat(fd_, &info) == 0 && isPseudoTerminal(info.st_rdev);
    if (trace_.on()) {
        trace_.event("port: opened " + path_ + " and locked it; found " + describe(saved_));
        trace_.event(std::string("port: set ") + describe(raw) + (baud ? "" : " (the speed as found)") +
                     "; waiting input discarded");
    }
}

SerialPort::~SerialPort()
{
    // Input is discarded, so that nothing of this capture is left for the
    // next program; output only when it could not get out in time, or the
    // capture was cancelled, so that close() does not wait for it either.
    const bool drained = !stop_.cancelled() && drainOutput();
    ::tcflush(fd_, drained ? TCIFLUSH : TCIOFLUSH);
    // Fails harmlessly (EIO) when the device has gone.
    ::tcsetattr(fd_, TCSANOW, &saved_);
    ::close(fd_);
    trace_.event(std::string("port: ") +
                 (drained ? "input" : stop_.cancelled() ? "input and output (cancelled)" : "input and output") +
                 " discarded, the settings found put back, closed");
}

// The last bytes written (the final ACK) must reach the calculator before
// the port is closed or gets its old settings back: another speed under
// them would garble them, and a flush would drop them. tcdrain() could wait
// without end on a broken adapter, so each step here is bounded. What the
// ports report:
// - a UART: TIOCOUTQ counts the kernel's buffer but not the chip's transmit
//   FIFO (16 bytes and more), and the transmitter-empty bit of the line
//   status register (TIOCSERGETLSR) is set once the FIFO and the shift
//   register are empty, that is when the last stop bit is on the wire;
// - a USB serial adapter: TIOCOUTQ counts the driver's buffer and the USB
//   transfers under way, and the adapter has no line status register
//   (ENOTTY); once the transfers are done, the bytes are in the adapter's
//   chip, which sends them in the time they take at the port's speed;
// - a pseudo-terminal: TIOCOUTQ reads 0 as soon as the bytes are written,
//   because they are already on their way to the other side's queue, where
//   they stay unless TCOFLUSH discards what the kernel has not handed over
//   yet; it has no transmitter and no line status register (ENOTTY).
// So: the kernel's queue empty; then, but for a pseudo-terminal, the
// transmitter empty where the port can say so, otherwise the time of the
// last write's bytes at the port's speed (with a little more for a USB
// adapter's frame). False when the wait ran out first.
bool SerialPort::drainOutput() const
{
    if (writtenLast_ == 0)
        return true; // nothing was written (the Black cable only moves the modem lines)
    const auto start = SteadyClock::now();
    const auto deadline = start + kDrainLimit;
    const auto waitUntil = [&](const char *what, const auto &done) {
        for (;;) {
            if (done()) {
                trace_.event(std::string("port: ") + what + " after " + milliseconds(SteadyClock::now() - start));
                return true;
            }
            if (SteadyClock::now() >= deadline) {
                trace_.event(std::string("port: not ") + what + " within " + milliseconds(kDrainLimit));
                return false;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    };
    int queued = 0;
    // A failure here is a device that has gone: nothing is waiting.
    if (!waitUntil("the kernel's output queue empty",
                   [&] { return ::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued == 0; }))
        return false;
    if (pseudoTerminal_)
        return true;
    unsigned status = 0;
    if (::ioctl(fd_, TIOCSERGETLSR, &status) == 0)
        return waitUntil("the transmitter empty", [&] {
            return ::ioctl(fd_, TIOCSERGETLSR, &status) != 0 || (status & TIOCSER_TEMT);
        });
    const auto sent = lastWrite_ + byteTime_ * long(writtenLast_) + kAdapterFrame;
    return waitUntil("no line status register: the last bytes written out at the port's speed",
                     [&] { return SteadyClock::now() >= sent; });
}

void SerialPort::fail(int err, Doing doing) const
{
    throw systemError(err, deviceName_, path_, doing,
                      err == EIO ? translate("calclink", "The cable or adapter may have been unplugged.")
                                 : std::string());
}

bool SerialPort::setModemLines(int setBits, int clearBits)
{
    // A pseudo-terminal, and some adapters, have no modem lines at all.
    const auto apply = [this](unsigned long request, int bits) {
        if (bits == 0)
            return true;
        int rc;
        do {
            rc = ::ioctl(fd_, request, &bits);
        } while (rc < 0 && errno == EINTR);
        if (rc == 0)
            return true;
        if (errno == ENOTTY || errno == EINVAL)
            return false;
        fail(errno, Doing::SettingModemLines);
    };
    return apply(TIOCMBIS, setBits) && apply(TIOCMBIC, clearBits);
}

std::optional<int> SerialPort::modemLines() const
{
    int bits = 0;
    int rc;
    do {
        rc = ::ioctl(fd_, TIOCMGET, &bits);
    } while (rc < 0 && errno == EINTR);
    if (rc == 0)
        return bits;
    if (errno == ENOTTY || errno == EINVAL)
        return std::nullopt;
    fail(errno, Doing::ReadingModemLines);
}

// A terminal never raises SIGPIPE (only pipes and sockets do); a hung-up
// terminal fails the write with EIO instead.
void SerialPort::write(const uint8_t *data, size_t size, Millis limit)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, size - done);
        if (n > 0) {
            done += size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            fail(errno, Doing::WritingTo);
        const int revents = waitFor(fd_, POLLOUT, SteadyClock::now() + limit, stop_);
        if (revents < 0)
            fail(errno, Doing::WritingTo);
        if (revents == 0)
            throw noAnswer("the port took no byte for " + std::to_string(limit.count()) + " ms (the write limit)");
        if (revents & (POLLHUP | POLLERR | POLLNVAL))
            fail(EIO, Doing::WritingTo);
    }
    writtenLast_ = size;
    lastWrite_ = SteadyClock::now();
}

size_t SerialPort::read(uint8_t *buffer, size_t max, Millis timeout)
{
    const auto deadline = SteadyClock::now() + timeout;
    bool hungUp = false;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, max);
        if (n > 0)
            return size_t(n);
        // End of file on a terminal is a hang-up: the device or its other end has gone.
        if (n == 0 || (errno == EAGAIN && hungUp))
            fail(EIO, Doing::ReadingFrom);
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN)
            fail(errno, Doing::ReadingFrom);
        const int revents = waitFor(fd_, POLLIN, deadline, stop_);
        if (revents < 0)
            fail(errno, Doing::ReadingFrom);
        if (revents == 0)
            return 0;
        // The next read() returns the data, or the error behind POLLHUP/POLLERR.
        hungUp = !(revents & POLLIN);
    }
}

} // namespace calclink
