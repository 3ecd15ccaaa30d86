#include "trace.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "fileopen.h"
#include "linkerror.h"

namespace calclink {

Trace::Trace(std::FILE *out) : out_(out) {}

Trace::Trace(const char *path, bool append, std::string &error)
{
    if (!path || !*path)
        return;
    const int fd = openWithoutWaiting(path, O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC));
    if (fd < 0) {
        error = std::string("cannot write the trace to ") + path + ": " + std::strerror(errno);
        return;
    }
    out_ = ::fdopen(fd, append ? "a" : "w");
    if (!out_) {
        error = std::string("cannot write the trace to ") + path + ": " + std::strerror(errno);
        ::close(fd);
        return;
    }
    owned_ = true;
}

Trace::~Trace()
{
    if (owned_)
        std::fclose(out_);
}

void Trace::event(const std::string &text) const
{
    if (!out_)
        return;
    const double ms = std::chrono::duration<double, std::milli>(SteadyClock::now() - start_).count();
    // One call a line, so that lines of two threads never mix.
    std::fprintf(out_, "%10.3f ms  %s\n", ms, text.c_str());
    std::fflush(out_);
}

const Trace &Trace::off()
{
    static const Trace trace;
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
