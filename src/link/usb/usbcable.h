#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "transport.h"
#include "usbdevice.h"
#include "usbkind.h"

namespace calclink {

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

// The outcome of looking for a device and opening it.
struct UsbOpening {
    enum Status { Opened, NoUsb, NotFound, Failed };
    Status status = Failed;
    std::unique_ptr<UsbCable> cable; // for Opened
    int found = 0;                   // devices present, of both kinds, for NotFound
    int error = 0;                   // errno, for Failed
    std::string path;                // the device node, for Failed when known
    std::string reason;              // the USB library's words, for NoUsb
    // For NotFound, the product strings of the colour calculators that say
    // why: asked by number, every one present; by port path, the one there.
    std::vector<std::string> unreadable;
};

// Looks for the link cables and the calculators on their own port with
// libusb, both kinds counted together in a stable order (bus, then port),
// and opens `device`, by its number or by its port path.
UsbOpening openLibusbCable(const UsbDevice &device);

// Where one device sits: its bus, its address and its device node, its
// kind, its USB product string (empty when it has none) and its port path.
struct UsbCablePlace {
    int bus = 0;
    int address = 0;
    std::string path;
    UsbKind kind = UsbKind::LinkCable;
    std::string product;
    std::string portPath;
};
// The devices present, the unreadable ones among them, in the order that
// numbers them (bus, then port), found without opening any and without
// a transfer to any; nothing, with the USB library's words in `reason`, when
// USB cannot be used.
std::optional<std::vector<UsbCablePlace>> listLibusbCables(std::string &reason);

// How the link finds and opens the devices: listLibusbCables and
// openLibusbCable, unless a test or a benchmark puts simulated devices in
// their place. An empty lister or opener puts libusb's back. Set them while
// no capture runs.
using UsbOpener = std::function<UsbOpening(const UsbDevice &device)>;
using UsbLister = std::function<std::optional<std::vector<UsbCablePlace>>(std::string &reason)>;
void setUsbOpener(UsbOpener opener, UsbLister lister = {});
// The devices present, as listLibusbCables or the lister set in its place finds them.
std::optional<std::vector<UsbCablePlace>> listUsbCables(std::string &reason);

// What the user can do when opening a cable fails with `err` (errno), if anything.
std::string usbAdvice(int err);

} // namespace calclink
