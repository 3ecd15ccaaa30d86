#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace calclink {

// The link library's units of time: every limit is in milliseconds, every
// deadline on the steady clock.
using Millis = std::chrono::milliseconds;
using SteadyClock = std::chrono::steady_clock;

// One open physical link to the calculator, seen as a byte stream. The three
// cables (serial bytes, the two-wire bus, USB bulk transfers) all look like
// this to the packet layer. Every call is bounded in time; a device failure
// (unplugged, I/O error) throws LinkError with kSystemErrorBase + errno.
class Transport {
public:
    virtual ~Transport() = default;

    // Sends every byte, or throws. A peer that takes no byte within about a
    // second fails with kNoAnswer.
    virtual void send(const uint8_t *data, size_t size) = 0;

    // Waits up to `timeout` for the first byte, then stores what has arrived,
    // at most `max` bytes (max >= 1). Returns the count, 0 on time-out.
    virtual size_t receive(uint8_t *buffer, size_t max, Millis timeout) = 0;

    // What is spoken over it: the link port's packets (every cable), or the
    // framing of a calculator on its own USB port. The screen exchange is
    // chosen by it.
    enum class Framing { LinkPort, DirectUsb };
    virtual Framing framing() const { return Framing::LinkPort; }

    // What the device calls itself (a USB product string), for the
    // sentences that name it; empty when it has no such name.
    virtual std::string product() const { return {}; }
};

} // namespace calclink
