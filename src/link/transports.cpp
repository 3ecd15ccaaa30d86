#include "transports.h"

#include "devicenames.h"
#include "linkerror.h"

namespace calclink {

std::unique_ptr<Transport> openTransport(int cableCode, const std::string &deviceName, const LinkTimeouts &timeouts,
                                         const Stop &stop)
{
    if (cableCode != kCableGray && cableCode != kCableBlack && cableCode != kCableUsb)
        throw LinkError(kInvalidArgument, "The cable code " + std::to_string(cableCode) +
                                              " is not known; 1 (Gray), 2 (Black) and 5 (USB) are.");

    const LinkDevice device = resolveDeviceName(deviceName);
    const bool usb = device.kind == LinkDevice::Kind::Usb;
    if (cableCode == kCableUsb && !usb)
        throw LinkError(kInvalidArgument, "The USB cable needs a USB device name, not \"" + deviceName + "\".");
    if (cableCode != kCableUsb && usb)
        throw LinkError(kInvalidArgument,
                        "A serial cable needs a serial port (COM1 to COM4), not \"" + deviceName + "\".");

    switch (cableCode) {
    case kCableGray:
        return openGray(deviceName, device.path, timeouts, stop);
    case kCableBlack:
        return openBlack(deviceName, device.path, timeouts, stop);
    default:
        return openUsb(deviceName, device.usbIndex, timeouts, stop);
    }
}

} // namespace calclink
