#pragma once

#include <string>
#include <vector>

namespace calclink {

// The port check of ekrano-capture --list: one line for each of COM1 to
// COM4, then one for each USB device (a link cable or a calculator on its own
// USB port, numbered as \\.\UsbN counts them and named by its port path,
// USB-1-1.3; or a calculator with a colour screen, which Ekrano cannot read
// and does not count) with its USB product string, and one saying there is
// none when none can be read.
// Each says where the name leads (the port link and its target, or
// /dev/ttySn; the USB device's kind, bus and address), whether this user can open it now, and if
// not, why and what to do. It asks no calculator anything and changes
// nothing: it reads the links, the device files and their permissions and
// the system's list of devices, and never opens a serial port, since opening
// one raises DTR and RTS (a Black cable would see its wires move) and closing
// it drops them again.
std::vector<std::string> checkPorts();

// `text` as a terminal can show it: control characters as \xNN, so that
// a name or an option cannot move the cursor or change the colours.
std::string printable(const std::string &text);

} // namespace calclink
