#pragma once

#include <string>

namespace calclink {

// What a device name means on this machine.
struct LinkDevice {
    enum class Kind { Serial, Usb };
    Kind kind = Kind::Serial;
    std::string path; // Serial: the port link or /dev/ttyS*
    int usbIndex = 0; // Usb: 0 for the first cable found
};

// "COM1".."COM4": the port link when it exists (even if it points nowhere,
// so that the error names it), else /dev/ttyS0..3. "\\.\UsbN": USB cable N.
// Any other name throws LinkError kInvalidArgument.
LinkDevice resolveDeviceName(const std::string &deviceName);

// The per-user configuration folder, where the port links and the window's
// settings both live: $XDG_CONFIG_HOME, or ~/.config when the variable is
// unset, empty or relative (the XDG rules make a relative one invalid).
std::string configFolder();

// The per-user port link for COM`port` (1..4): configFolder()/Ekrano/ports/COMn.
std::string portLinkPath(int port);

} // namespace calclink
