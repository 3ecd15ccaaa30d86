#include "trace.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fileopen.h"
#include "linkerror.h"
#include "translation.h"

namespace calclink {

namespace {

enum class Sent { All, Behind, Failed };

// Writes what `fd` takes at once, in pieces of at most PIPE_BUF bytes, each
// after poll() has said that it fits: a pipe takes such a piece whole or not
// at all, and nothing here waits, even on a descriptor that is not
// non-blocking (an inherited one, whose flags are shared with other
// programs). `done` counts the bytes that went out.
Sent sendAtOnce(int fd, const char *data, size_t size, size_t &done)
{
    done = 0;
    while (done < size) {
        pollfd ready{fd, POLLOUT, 0};
        const int n = ::poll(&ready, 1, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            return Sent::Behind;
        const ssize_t w = ::write(fd, data + done, std::min<size_t>(size - done, PIPE_BUF));
        if (w < 0 && errno == EINTR)
            continue;
        if (w < 0)
            return errno == EAGAIN ? Sent::Behind : Sent::Failed;
        done += size_t(w);
    }
    return Sent::All;
}

} // namespace

Trace::Trace(std::FILE *out) : name_(translate("calclink", "standard error"))
{
    if (!out)
        return;
    std::fflush(out);
    fd_ = ::fileno(out);
    if (fd_ < 0)
        stream_ = out;
    else if (fd_ != STDERR_FILENO)
        name_ = translate("calclink", "the trace's file");
}

Trace::Trace(const char *path, bool append, std::string &error, uint64_t limit)
{
    if (!path || !*path)
        return;
    const int fd = files::openWithoutWaiting(path, O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC));
    if (fd < 0) {
        const int err = errno;
        error = fill(translate("calclink", "cannot write the trace to %1: %2"), {path, std::strerror(err)});
        return;
    }
    // The descriptor is this trace's own, so making it non-blocking changes nobody else's.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    fd_ = fd;
    owned_ = true;
    name_ = path;
    struct stat info;
    if (limit > 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        path_ = path;
        limit_ = limit;
        written_ = uint64_t(info.st_size);
    }
}

Trace::~Trace()
{
    if (owned_)
        ::close(fd_);
}

void Trace::event(const std::string &text) const
{
    if (!on())
        return;
    const double ms = std::chrono::duration<double, std::milli>(SteadyClock::now() - start_).count();
    char time[32];
    std::snprintf(time, sizeof time, "%10.3f ms  ", ms);
    std::lock_guard lock(mutex_);
    if (failed_)
        return;
    const std::string line = (broken_ ? "\n" : "") + std::string(time) + text + "\n";
    if (stream_) {
        std::fputs(line.c_str(), stream_);
        std::fflush(stream_);
        return;
    }
    if (limit_ > 0 && written_ > 0 && written_ + line.size() > limit_ && !reopen())
        return;
    size_t done = 0;
    const Sent sent = sendAtOnce(fd_, line.data(), line.size(), done);
    const int err = errno;
    written_ += done;
    broken_ = sent != Sent::All && done > 0;
    if (sent == Sent::Behind)
        lose(translate("calclink", "its reader fell behind"));
    else if (sent == Sent::Failed) {
        failed_ = true;
        lose(std::strerror(err));
    }
}

// Called with the lock held: the file so far becomes path.1, and a new one begins.
bool Trace::reopen() const
{
    const std::string earlier = path_ + ".1";
    const int fd = ::rename(path_.c_str(), earlier.c_str()) == 0
                       ? files::openWithoutWaiting(path_, O_WRONLY | O_CREAT | O_TRUNC)
                       : -1;
    if (fd < 0 || ::dup3(fd, fd_, O_CLOEXEC) < 0) {
        const int err = errno;
        if (fd >= 0)
            ::close(fd);
        failed_ = true;
        lose(fill(translate("calclink", "it could not begin again after %1: %2"), {earlier, std::strerror(err)}));
        return false;
    }
    ::close(fd);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
    written_ = 0;
    broken_ = false;
    return true;
}

// Called with the lock held.
void Trace::lose(const std::string &why) const
{
    if (!lost_.empty())
        return;
    lost_ = why;
    if (program_.empty())
        return;
    const std::string line =
        program_ + ": " + fill(translate("calclink", "the trace %1 is incomplete: %2"), {name_, why}) + "\n";
    size_t done;
    sendAtOnce(STDERR_FILENO, line.data(), line.size(), done);
}

std::string Trace::lost() const
{
    std::lock_guard lock(mutex_);
    return lost_;
}

void Trace::tellLoss(std::string program)
{
    std::lock_guard lock(mutex_);
    program_ = std::move(program);
}

const Trace &Trace::off()
{
    static const Trace trace;
    return trace;
}

std::unique_ptr<Trace> environmentTrace(const char *program)
{
    std::string error;
    auto trace = std::make_unique<Trace>(std::getenv("EKRANO_TRACE"), true, error, kTraceLimit);
    if (!error.empty()) {
        const std::string line = std::string(program) + ": " + error + "\n";
        size_t done;
        sendAtOnce(STDERR_FILENO, line.data(), line.size(), done);
    }
    trace->tellLoss(program);
    return trace;
}

std::string hexBytes(std::span<const uint8_t> bytes)
{
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += hexadecimal(byte, 2);
    }
    return text;
}

std::string milliseconds(SteadyClock::duration duration)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f ms", std::chrono::duration<double, std::milli>(duration).count());
    return text;
}

} // namespace calclink
