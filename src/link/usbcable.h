#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "linkerror.h"
#include "stop.h"
#include "timeouts.h"
#include "trace.h"
#include "transport.h"

namespace calclink {

inline constexpr uint16_t kUsbVendorId = 0x0451;
inline constexpr uint16_t kUsbProductId = 0xE001;          // the USB link cable
inline constexpr uint16_t kUsbProductCalculator = 0xE003;  // a calculator on its own USB port
inline constexpr uint16_t kUsbProductCalculatorPlus = 0xE008; // the same with more memory
inline constexpr uint16_t kUsbProductColour = 0xE010;      // a calculator with a colour screen, not read
inline constexpr uint8_t kUsbEndpointOut = 0x02;
inline constexpr uint8_t kUsbEndpointIn = 0x81;
// The udev rule that gives the cable to the user at the computer: the file's
// name in packaging/udev and in every folder udev reads rules from.
inline constexpr char kUdevRuleName[] = "60-ekrano.rules";

// The two kinds of device the "USB" choice reads: the link cable, which
// carries the link port's packets, and a calculator plugged in on its own
// port, which speaks a framing of its own (directexchange.h); and the
// calculators of the same family with a colour screen, whose screen Ekrano
// cannot read: they are shown, so that the user learns why, but never
// opened nor counted in \\.\UsbN.
enum class UsbKind { LinkCable, Calculator, Unreadable };
// The kind a product id of the vendor means, if it is one of them.
std::optional<UsbKind> usbKindOf(uint16_t productId);
// "USB link cable", "calculator on its own USB port" or "calculator with a
// colour screen", in English (for the trace; translate("calclink", ...)
// gives it in the user's language).
const char *usbKindName(UsbKind kind);
// A device's USB product string as a sentence may show it: in quotes, its
// control characters as '?', at most 126 characters; empty for none.
std::string quotedProduct(const std::string &product);
// The sentence, in the user's language, for a calculator whose screen is not
// the 96 x 64 monochrome one (`product`: its USB product string, or empty).
std::string unreadableScreen(const std::string &product);

// What one bulk transfer came to.
struct UsbTransfer {
    enum Status { Done, TimedOut, NoDevice, Failed };
    Status status = Done;
    size_t count = 0; // bytes moved, on a time-out too
    int error = 0;    // the errno that fits, for Failed
    const char *libusbStatus = nullptr; // the USB library's own name for the outcome, for the trace
};

// One opened USB device, a link cable or a calculator: configured, its interface claimed, both endpoints'
// halts cleared. Destroying it releases the interface, the handle and the USB
// library's context, also after the cable was pulled out.
class UsbCable {
public:
    virtual ~UsbCable() = default;

    // The device node, /dev/bus/usb/BBB/DDD, for the error sentences.
    virtual std::string path() const = 0;
    // The largest USB packet of the IN endpoint.
    virtual size_t packetSize() const = 0;
    virtual UsbKind kind() const { return UsbKind::LinkCable; }
    // The device's USB product string, read once when it was opened; empty when it has none.
    virtual std::string product() const { return {}; }
    // A time limit of 0 is taken as 1 ms, never as "no limit".
    virtual UsbTransfer bulkWrite(const uint8_t *data, size_t size, Millis timeout) = 0;
    virtual UsbTransfer bulkRead(uint8_t *buffer, size_t size, Millis timeout) = 0;
};

// The outcome of looking for cable number `index` and opening it.
struct UsbOpening {
    enum Status { Opened, NoUsb, NotFound, Failed };
    Status status = Failed;
    std::unique_ptr<UsbCable> cable; // for Opened
    int found = 0;                   // devices present, of both kinds, for NotFound
    int error = 0;                   // errno, for Failed
    std::string path;                // the device node, for Failed when known
    std::string reason;              // the USB library's words, for NoUsb
    std::vector<std::string> unreadable; // the product strings of the colour calculators present, for NotFound
};

// Looks for the link cables and the calculators on their own port with
// libusb, both kinds counted together in a stable order (bus, then port),
// and opens the one at `index`.
UsbOpening openLibusbCable(int index);

// How openUsb() finds and opens device number `index`: openLibusbCable,
// unless a test or a benchmark puts a simulated device in its place. An
// empty opener puts libusb back. Set it while no capture runs.
using UsbOpener = std::function<UsbOpening(int index)>;
void setUsbOpener(UsbOpener opener);

// Where one device sits: its bus, its address and its device node, its
// kind and its USB product string (empty when it has none).
struct UsbCablePlace {
    int bus = 0;
    int address = 0;
    std::string path;
    UsbKind kind = UsbKind::LinkCable;
    std::string product;
};
// The devices present, the unreadable ones among them, in the same order,
// found without opening any; nothing, with the USB library's words in
// `reason`, when USB cannot be used.
std::optional<std::vector<UsbCablePlace>> listLibusbCables(std::string &reason);

// What the user can do when opening a cable fails with `err` (errno), if anything.
std::string usbAdvice(int err);

// Turns an opening into the USB transport, or throws the LinkError the user
// reads (no cable, only k cables, permission and how to get it, busy ...).
std::unique_ptr<Transport> usbTransport(UsbOpening opening, const std::string &deviceName, int index,
                                        const LinkTimeouts &timeouts = {}, const Stop &stop = Stop::never(),
                                        const Trace &trace = Trace::off());

// The byte stream over a USB device. Reads ask for a multiple of the USB
// packet, at least 32 bytes (one packet of the cable, one of 64 bytes of a
// calculator on its own port), so a packet is never cut, and keep what the
// caller did not ask for until the next read. Every transfer lasts at most
// one check interval of `stop`, so that a cancelled capture ends at once,
// and goes to `trace` with its size and status.
class UsbTransport : public Transport {
public:
    // `writeLimit`: how long the calculator may take to accept a write.
    UsbTransport(std::unique_ptr<UsbCable> cable, std::string deviceName, Millis writeLimit = LinkTimeouts{}.write,
                 const Stop &stop = Stop::never(), const Trace &trace = Trace::off());

    void send(const uint8_t *data, size_t size) override;
    size_t receive(uint8_t *buffer, size_t max, Millis timeout) override;
    Framing framing() const override;
    std::string product() const override { return cable_->product(); }

private:
    [[noreturn]] void failed(const UsbTransfer &transfer, Doing doing);
    void traced(const char *direction, size_t size, const UsbTransfer &transfer) const;

    std::unique_ptr<UsbCable> cable_;
    std::string deviceName_;
    const Millis writeLimit_;
    const Stop &stop_;
    const Trace &trace_;
    std::vector<uint8_t> chunk_;   // one read's worth
    size_t surplusBegin_ = 0;      // chunk_[surplusBegin_, surplusEnd_) not yet handed out
    size_t surplusEnd_ = 0;
};

} // namespace calclink
