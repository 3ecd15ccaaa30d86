#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace calclink {

// The numbers every failing link operation reports.
inline constexpr uint32_t kNoAnswer = 0x80004005;        // calculator silent, wrong, refusing, bad checksum, wire low
inline constexpr uint32_t kSystemErrorBase = 0x80070000; // + errno: the device could not be opened or used
inline constexpr uint32_t kNoUsbCable = 0x80070002;      // no USB cable present, or USB unusable
inline constexpr uint32_t kInvalidArgument = 0x80070057; // a value the library does not accept
inline constexpr uint32_t kCancelled = 0x800704C7;       // the capture was cancelled (the window is closing)

// A failed link operation: a 32-bit number and the sentence the user reads.
// The calculator-side failures (kNoAnswer) carry an empty description, so the
// window shows its own message that sends the user to the calculator, the
// cable and the link settings; `detail` then says what went wrong, for tests
// and for anyone debugging the link, and is never shown in the window.
class LinkError : public std::runtime_error {
public:
    LinkError(uint32_t number, std::string description, std::string detail = {}, bool silent = false)
        : std::runtime_error(description.empty() ? detail : description),
          number_(number), description_(std::move(description)), detail_(std::move(detail)), silent_(silent) {}

    uint32_t number() const { return number_; }
    const std::string &description() const { return description_; }
    const std::string &detail() const { return detail_; }
    // kNoAnswer: nothing at all came back (the calculator is off or busy),
    // as opposed to an answer that was wrong.
    bool silent() const { return silent_; }

private:
    uint32_t number_;
    std::string description_;
    std::string detail_;
    bool silent_;
};

// `value` in upper-case hexadecimal, zero-padded to at least `digits`
// digits, with no prefix: the link's one formatter, for failure numbers
// (80004005), ids in details ("0x" + hexadecimal(id, 2)) and the trace's bytes.
std::string hexadecimal(uint32_t value, int digits = 0);

// A device's name for itself (Transport::product(), a USB product string) as
// a sentence may show it: in quotes, its control characters as '?', at most
// 126 characters; empty for none.
std::string quotedProduct(const std::string &product);

// A calculator-side failure: no description, only the detail.
inline LinkError noAnswer(std::string detail) { return LinkError(kNoAnswer, {}, std::move(detail)); }
// A calculator that sent nothing at all: kNoAnswer, silent().
inline LinkError silence(std::string detail) { return LinkError(kNoAnswer, {}, std::move(detail), true); }

// What the library was doing with a device when the system refused it.
enum class Doing { Opening, SettingUp, ReadingFrom, WritingTo, UsingModemLines, SettingModemLines, ReadingModemLines };

// A device that could not be opened or used: kSystemErrorBase + err, with a
// sentence in the user's language that names the device name the user
// chose, the path it resolved to, what the library was doing, the system's
// reason (strerror) and, when given, what the user can do about it:
// "Opening COM1 (/dev/ttyS0) failed: Permission denied. <advice>"
LinkError systemError(int err, const std::string &deviceName, const std::string &path, Doing doing,
                      const std::string &advice = {});

} // namespace calclink
