#include "transports.h"

#include "devicenames.h"
#include "fileopen.h"
#include "linkerror.h"
#include "translation.h"

namespace calclink {

namespace {

// A path and, for a link, what it points to.
std::string whereTo(const std::string &path)
{
    const std::string target = linkTarget(path);
    return target.empty() ? path : path + " -> " + target;
}

} // namespace

std::unique_ptr<Transport> openTransport(int cableCode, const std::string &deviceName, const LinkTimeouts &timeouts,
                                         const Stop &stop, const Trace &trace)
{
    if (cableCode != kCableGray && cableCode != kCableBlack && cableCode != kCableUsb)
        throw LinkError(kInvalidArgument,
                        fill(translate("calclink", "The cable code %1 is not known; 1 (Gray), 2 (Black) and 5 (USB) "
                                                   "are."),
                             {std::to_string(cableCode)}));

    const LinkDevice device = resolveDeviceName(deviceName);
    const bool usb = device.kind == LinkDevice::Kind::Usb;
    if (cableCode == kCableUsb && !usb)
        throw LinkError(kInvalidArgument,
                        fill(translate("calclink", "The USB cable needs a USB device name, not \"%1\"."),
                             {deviceName}));
    if (cableCode != kCableUsb && usb)
        throw LinkError(kInvalidArgument,
                        fill(translate("calclink", "A serial cable needs a serial port (COM1 to COM4), not \"%1\"."),
                             {deviceName}));

    if (trace.on())
        trace.event("device: " + deviceName + " is " + (usb ? "USB device number " + std::to_string(device.usbIndex)
                                                              : whereTo(device.path)));
    switch (cableCode) {
    case kCableGray:
        return openGray(deviceName, device.path, timeouts, stop, trace);
    case kCableBlack:
        return openBlack(deviceName, device.path, timeouts, stop, trace);
    default:
        return openUsb(deviceName, device.usbIndex, timeouts, stop, trace);
    }
}

} // namespace calclink
