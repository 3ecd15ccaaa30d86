#pragma once

#include <memory>
#include <optional>
#include <string>

#include "blackwires.h"
#include "stop.h"
#include "timeouts.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

// The Black cable's bit engine: bytes as handshakes on the two wires, least
// significant bit first. A 0 bit: the sender pulls red low, the receiver
// answers by pulling white low until red is high again. A 1 bit: the same
// with the colours swapped. Every wait is bounded (the first bit of a reply
// by the caller's time-out, every other by `bitLimit`), ends early when
// `stop` says so, and a failure leaves both wires released.
class BlackTransport : public Transport {
public:
    // Each byte, with the time it took, goes to `trace`.
    BlackTransport(std::unique_ptr<BlackWires> wires, Millis bitLimit, const Stop &stop = Stop::never(),
                   const Trace &trace = Trace::off());

    void send(const uint8_t *data, size_t size) override;

    // Receives one byte at a time: on this bus nothing arrives unless this
    // side answers each bit, so there is never more than one byte to store.
    size_t receive(uint8_t *buffer, size_t max, Millis timeout) override;

    // A release can be shorter than either side's look at the wires:
    // - after the last bit sent, the calculator may release its answer and
    //   at once pull the same wire again as the first bit of its reply; a
    //   wire still low this long after the last bit is taken as that reply;
    static constexpr std::chrono::microseconds kReplyStart{10000};
    // - before sending after a byte received, this side keeps both wires
    //   released at least this long, so that the calculator sees its last
    //   answer end;
    static constexpr std::chrono::microseconds kTurnaroundGap{1000};
    // - after answering a bit, this side's wire may take a moment to read
    //   high again; still low after this long, it is the sender's next bit.
    static constexpr std::chrono::microseconds kSettle{100};

private:
    void sendByte(uint8_t byte, size_t index, bool last);
    std::optional<uint8_t> receiveByte(Millis firstBitLimit);
    template <typename Pred> std::optional<Wires> waitUntil(Pred done, SteadyClock::duration limit);
    // Throws kNoAnswer with `detail` and the limit that ran out: the bit
    // limit, or the caller's for the first bit of a byte; `silent` when the
    // calculator has not moved a wire at all.
    [[noreturn]] void fail(const std::string &detail, std::optional<Millis> firstBitLimit = std::nullopt,
                           bool silent = false);
    void releaseQuietly();

    std::unique_ptr<BlackWires> wires_;
    const Millis bitLimit_;
    const Stop &stop_;
    const Trace &trace_;
    std::optional<SteadyClock::time_point> receivedAt_; // the end of the last byte received, until a send
    SteadyClock::time_point firstBitAt_;                // when the byte being received began
};

// The Black cable on the serial port at `path`, which `deviceName` (the
// name the user chose, for the error sentences) resolved to: the bit engine
// on the port's modem lines, each wait of a bit within `timeouts.bit`
// (the Black cable's own limits are cableTimeouts(kCableBlack)).
std::unique_ptr<Transport> openBlack(const std::string &deviceName, const std::string &path,
                                     const LinkTimeouts &timeouts, const Stop &stop = Stop::never(),
                                     const Trace &trace = Trace::off());

} // namespace calclink
