#pragma once

#include <string>

namespace calclink {

// What a device name means on this machine.
struct LinkDevice {
    enum class Kind { Serial, Usb };
    Kind kind = Kind::Serial;
    std::string path; // Serial: the port link or /dev/ttyS*
    int usbIndex = 0; // Usb: 0 for the first device found
};

// "COM1".."COM4": the port link when it exists (even if it points nowhere,
// so that the error names it), else, when there is no such link,
// /dev/ttyS0..3; a ports folder that cannot be looked in throws a LinkError
// that names it. "\\.\UsbN": USB cable N. Any other name throws LinkError
// kInvalidArgument.
LinkDevice resolveDeviceName(const std::string &deviceName);

// The per-user port link for COM`port` (1..4): files::ekranoFolder()/ports/COMn.
std::string portLinkPath(int port);

} // namespace calclink
