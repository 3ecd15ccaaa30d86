#pragma once

#include <string>

namespace calclink {

// The per-user port link of COM`port` (1 to 4), by which a user makes any
// serial device (a USB serial adapter, say) that port: files::ekranoFolder()/ports/COMn.
std::string portLinkPath(int port);

// The device COM`port` (1 to 4) opens, which `deviceName` names: its port
// link when it exists (even if it points nowhere, so that the error names
// it), else, when there is no such link, /dev/ttyS0 to /dev/ttyS3. A ports
// folder that cannot be looked in throws a LinkError that names it.
std::string serialPortPath(int port, const std::string &deviceName);

} // namespace calclink
