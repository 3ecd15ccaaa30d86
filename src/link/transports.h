#pragma once

#include <memory>
#include <string>

#include "transport.h"

namespace calclink {

inline constexpr int kCableGray = 1;
inline constexpr int kCableBlack = 2;
inline constexpr int kCableUsb = 5;

// Opens the transport that a cable code and a device name mean on this
// machine (port links, /dev/ttyS*, the USB cable), or throws LinkError.
std::unique_ptr<Transport> openTransport(int cableCode, const std::string &deviceName);

// The three physical layers. `deviceName` is the name the user chose, for the
// error sentences; `path` the device it resolved to.
std::unique_ptr<Transport> openGray(const std::string &deviceName, const std::string &path);
std::unique_ptr<Transport> openBlack(const std::string &deviceName, const std::string &path);
std::unique_ptr<Transport> openUsb(const std::string &deviceName, int index);

} // namespace calclink
