#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace calclink {

// The two kinds of device the "USB" choice reads: the link cable, which
// carries the link port's packets, and a calculator plugged in on its own
// port, which speaks a framing of its own (directexchange.h); and the
// calculators of the same family with a colour screen, whose screen Ekrano
// cannot read: they are shown, so that the user learns why, but never
// opened nor counted in \\.\UsbN.
enum class UsbKind { LinkCable, Calculator, Unreadable };
// One device Ekrano reads: its vendor's and its product's ids, and its kind.
struct UsbProduct {
    uint16_t vendor;
    uint16_t product;
    UsbKind kind;
};
// The kind of the device with these ids, if it is one Ekrano reads (usbids.h lists them).
std::optional<UsbKind> usbKindOf(uint16_t vendor, uint16_t product);
// "USB link cable", "calculator on its own USB port" or "calculator with a
// colour screen", in English (for the trace; translate("calclink", ...)
// gives it in the user's language).
const char *usbKindName(UsbKind kind);
// The ids of the first device of a kind, as "0451:E010", for a device that
// names itself with no product string.
std::string usbIdsOf(UsbKind kind);

// The bulk endpoints of every kind.
inline constexpr uint8_t kUsbEndpointOut = 0x02;
inline constexpr uint8_t kUsbEndpointIn = 0x81;

} // namespace calclink
