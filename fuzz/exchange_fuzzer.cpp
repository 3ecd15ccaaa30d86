// The whole screen exchange against arbitrary calculator replies. Whatever
// the calculator sends, the capture either returns the screen of a DATA
// packet that added up, after at most two resend requests and with our ACK
// last, or fails as a calculator-side failure without acknowledging
// anything; it never reads more than four packets of one screen each.
//
// The first input byte chooses how many bytes the transport hands out a
// call; the rest is what the calculator sends.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "calclink.h"
#include "linkerror.h"
#include "memorytransport.h"
#include "packet.h"
#include "screenexchange.h"

using namespace calclink;

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "screen exchange: %s\n", what);
        std::abort();
    }
}

const std::vector<uint8_t> kScr{0x23, 0x6D, 0, 0};
const std::vector<uint8_t> kAck{0x23, 0x56, 0, 0};
const std::vector<uint8_t> kErr{0x23, 0x5A, 0, 0};
constexpr size_t kDataPacketSize = 4 + kBitmapSize + 2;

// The host's packets: SCR, then `errors` ERRs, then ACK when `acknowledged`.
std::vector<uint8_t> hostSent(size_t errors, bool acknowledged)
{
    std::vector<uint8_t> bytes = kScr;
    for (size_t i = 0; i < errors; ++i)
        bytes.insert(bytes.end(), kErr.begin(), kErr.end());
    if (acknowledged)
        bytes.insert(bytes.end(), kAck.begin(), kAck.end());
    return bytes;
}

size_t countErrs(const std::vector<uint8_t> &sent)
{
    size_t errors = 0;
    for (size_t i = 4; i + 4 <= sent.size(); i += 4)
        errors += std::equal(kErr.begin(), kErr.end(), sent.begin() + ptrdiff_t(i));
    return errors;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t chunk = data[0] == 0xFF ? SIZE_MAX : size_t(data[0]) + 1;
    const std::vector<uint8_t> replies(data + 1, data + size);
    // Used up, the memory transport reports a time-out at once: the link's
    // real limits of 2 s and 1 s never make this wait.
    MemoryTransport transport(replies, chunk);

    Bitmap bitmap{};
    bool read = false;
    try {
        bitmap = readScreen(transport);
        read = true;
    } catch (const LinkError &error) {
        require(error.number() == kNoAnswer, "a failed exchange must be a calculator-side failure");
        require(error.description().empty(), "a calculator-side failure carries no description");
    }

    const size_t consumed = replies.size() - transport.unread();
    require(consumed <= 4 * kDataPacketSize, "read more than four packets of one screen each");
    const size_t errors = countErrs(transport.sent());
    require(errors <= 2, "asked for a resend more than twice");
    require(transport.sent() == hostSent(errors, read), "the host sent something other than SCR, ERR.., ACK");
    for (Millis wait : transport.waits())
        require(wait > Millis(0) && wait <= Millis(2000), "a wait beyond the reply limit");
    if (!read)
        return 0;

    // The screen is the data of the last packet read, a good DATA of 768 bytes.
    require(consumed >= 4 + (errors + 1) * kDataPacketSize, "a screen from fewer bytes than its packets");
    const auto packet = replies.begin() + ptrdiff_t(consumed - kDataPacketSize);
    require(isCalculatorId(packet[0]) && packet[1] == kCmdData && packet[2] == 0x00 && packet[3] == 0x03,
            "the screen came from something other than a calculator's DATA of 768 bytes");
    require(std::equal(bitmap.begin(), bitmap.end(), packet + 4), "the screen is not the DATA's bytes");
    require(checksum(bitmap) == uint16_t(packet[4 + kBitmapSize] | (packet[5 + kBitmapSize] << 8)),
            "a screen whose checksum did not add up was accepted");

    // And the picture handed to the window is that screen.
    CalcScreen screen;
    screen.setBitmap(bitmap);
    require(screen.GetPicture() == bitmap, "the picture is not the screen read");
    return 0;
}
