#include "blacktransport.h"

#include <thread>

#include "linkerror.h"
#include "modemlines.h"

namespace calclink {

namespace {

enum class Wire { Red, White };

constexpr Wires kReleased{true, true};

bool isHigh(Wires levels, Wire wire) { return wire == Wire::Red ? levels.red : levels.white; }
Wire other(Wire wire) { return wire == Wire::Red ? Wire::White : Wire::Red; }
Wires pulling(Wire wire) { return wire == Wire::Red ? Wires{false, true} : Wires{true, false}; }
const char *name(Wire wire) { return wire == Wire::Red ? "red" : "white"; }

const char *whichLow(Wires levels)
{
    if (!levels.red && !levels.white)
        return "both wires stay low";
    return levels.red ? "the white wire stays low" : "the red wire stays low";
}

} // namespace

BlackTransport::BlackTransport(std::unique_ptr<BlackWires> wires, Millis bitLimit, const Stop &stop,
                               const Trace &trace)
    : wires_(std::move(wires)), bitLimit_(bitLimit), stop_(stop), trace_(trace)
{
    wires_->drive(kReleased);
}

template <typename Pred>
std::optional<Wires> BlackTransport::waitUntil(Pred done, SteadyClock::duration limit)
{
    const auto deadline = SteadyClock::now() + limit;
    Wires levels = wires_->read();
    for (;;) {
        if (done(levels))
            return levels;
        if (SteadyClock::now() >= deadline)
            return std::nullopt;
        stop_.check();
        levels = wires_->waitForChange(levels, stop_.nextCheck(deadline));
    }
}

void BlackTransport::fail(const std::string &detail, std::optional<Millis> firstBitLimit, bool silent)
{
    const std::string limit = firstBitLimit ? std::to_string(firstBitLimit->count()) + " ms limit of this wait"
                                            : "bit limit of " + std::to_string(bitLimit_.count()) + " ms";
    const std::string sentence = "Black cable: " + detail + ": the " + limit + " ran out";
    throw silent ? silence(sentence) : noAnswer(sentence);
}

void BlackTransport::releaseQuietly()
{
    // Already failing: a port that cannot release its lines any more (an
    // adapter pulled out) must not hide the first error.
    try {
        wires_->drive(kReleased);
    } catch (...) {
    }
}

void BlackTransport::send(const uint8_t *data, size_t size)
{
    try {
        if (receivedAt_) {
            std::this_thread::sleep_until(*receivedAt_ + kTurnaroundGap);
            receivedAt_.reset();
        }
        for (size_t i = 0; i < size; ++i) {
            const auto start = SteadyClock::now();
            sendByte(data[i], i, i + 1 == size);
            if (trace_.on())
                trace_.event("black: sent " + hexadecimal(data[i], 2) + " in " +
                             milliseconds(SteadyClock::now() - start));
        }
    } catch (...) {
        releaseQuietly();
        throw;
    }
}

void BlackTransport::sendByte(uint8_t byte, size_t index, bool last)
{
    const auto where = [&](int bit) {
        return " (bit " + std::to_string(bit) + " of byte " + std::to_string(index) + ", 0x" + hexadecimal(byte, 2) +
               ")";
    };
    for (int bit = 0; bit < 8; ++bit) {
        const Wire mine = (byte >> bit & 1) ? Wire::White : Wire::Red;
        const Wire theirs = other(mine);
        // Both wires high before each bit: the receiver's release of the last
        // bit has to be seen before this side pulls again, or a slow-rising
        // wire would read as the next bit's answer.
        if (!waitUntil([](Wires w) { return w == kReleased; }, bitLimit_))
            fail(whichLow(wires_->read()) + where(bit));
        wires_->drive(pulling(mine));
        if (!waitUntil([&](Wires w) { return !isHigh(w, theirs); }, bitLimit_))
            fail(std::string("the calculator did not answer on the ") + name(theirs) + " wire" + where(bit),
                 std::nullopt, index == 0 && bit == 0);
        wires_->drive(kReleased);
        const bool replyMayStart = last && bit == 7;
        if (!waitUntil([&](Wires w) { return isHigh(w, theirs); }, replyMayStart ? kReplyStart : bitLimit_)) {
            // Left to the next receive, which takes it as the reply's first
            // bit, or fails within a second if the wire really is stuck.
            if (replyMayStart)
                return;
            fail(std::string("the ") + name(theirs) + " wire stays low" + where(bit));
        }
    }
}

size_t BlackTransport::receive(uint8_t *buffer, size_t max, Millis timeout)
{
    if (max == 0)
        return 0;
    try {
        const auto start = SteadyClock::now();
        const std::optional<uint8_t> byte = receiveByte(timeout);
        if (!byte)
            return 0;
        buffer[0] = *byte;
        receivedAt_ = SteadyClock::now();
        if (trace_.on())
            trace_.event("black: received " + hexadecimal(*byte, 2) + " in " +
                         milliseconds(*receivedAt_ - firstBitAt_) + ", its first bit after " +
                         milliseconds(firstBitAt_ - start));
        return 1;
    } catch (...) {
        releaseQuietly();
        throw;
    }
}

std::optional<uint8_t> BlackTransport::receiveByte(Millis firstBitLimit)
{
    const auto oneLow = [](Wires w) { return w.red != w.white; };
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const auto where = [bit] { return " (bit " + std::to_string(bit) + ")"; };
        const std::optional<Wires> start = waitUntil(oneLow, bit == 0 ? firstBitLimit : bitLimit_);
        if (!start) {
            const Wires now = wires_->read();
            if (now == kReleased) {
                if (bit == 0)
                    return std::nullopt;
                fail("the calculator stopped in the middle of a byte" + where());
            }
            fail(whichLow(now) + where(), bit == 0 ? std::optional(firstBitLimit) : std::nullopt);
        }
        if (bit == 0)
            firstBitAt_ = SteadyClock::now();
        const Wire theirs = start->red ? Wire::White : Wire::Red;
        const Wire mine = other(theirs);
        wires_->drive(pulling(mine));
        if (!waitUntil([&](Wires w) { return isHigh(w, theirs); }, bitLimit_))
            fail(std::string("the ") + name(theirs) + " wire stays low" + where());
        wires_->drive(kReleased);
        // A wire still on its way up would read as the sender's next pull.
        waitUntil([&](Wires w) { return isHigh(w, mine); }, kSettle);
        if (theirs == Wire::White)
            byte |= uint8_t(1u << bit);
    }
    return byte;
}

std::unique_ptr<Transport> openBlack(const std::string &deviceName, const std::string &path,
                                     const LinkTimeouts &timeouts, const Stop &stop, const Trace &trace)
{
    return std::make_unique<BlackTransport>(openModemLineWires(deviceName, path, stop, trace), timeouts.bit, stop,
                                            trace);
}

} // namespace calclink
