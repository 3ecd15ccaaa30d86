#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calclink {

// Which USB device, a link cable or a calculator on its own USB port:
// - by number: both kinds counted together, in the order of where they are
//   plugged in (bus, then the ports down to the device), 0 the first, as
//   ekrano-capture --list shows them; a device unplugged renumbers those
//   after it;
// - or, when `portPath` is set, by where it is plugged in, as sysfs names
//   the device ("1-1.3": bus 1, its port 1, then port 3 of the hub there),
//   which stays the same while the others come and go.
// Part of the cable and port chosen (linkchoice.h), and what the USB folder
// looks for.
struct UsbDevice {
    int number = 0;       // when portPath is empty
    std::string portPath; // a path that usbPortPath() accepts, or empty

    bool operator==(const UsbDevice &) const = default;
};

// The deepest a USB device can be: the ports down to it from the bus.
inline constexpr size_t kMostUsbPorts = 7;

// `text` if it is a port path as sysfs writes one: the bus, "-", then one
// to kMostUsbPorts port numbers joined by ".", each number from 1 to 255
// without leading zeros; else nothing.
std::optional<std::string> usbPortPath(std::string_view text);

// The port path of a device on `bus` behind `ports` (from the bus down), as
// sysfs names it; empty when there are no ports (a bus's own root hub).
std::string usbPortPathOf(uint8_t bus, const std::vector<uint8_t> &ports);

} // namespace calclink
