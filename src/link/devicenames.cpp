#include "devicenames.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "configfolder.h"
#include "linkerror.h"
#include "translation.h"

namespace calclink {

namespace {

constexpr const char *kUsbPrefix = "\\\\.\\Usb";

[[noreturn]] void refuse(const std::string &deviceName)
{
    throw LinkError(kInvalidArgument,
                    fill(translate("calclink", "The device name \"%1\" is not known; the link knows COM1 to COM4 "
                                               "and \\\\.\\Usb0."),
                         {deviceName}));
}

} // namespace

std::string portLinkPath(int port)
{
    return settingsfile::configFolder() + "/Ekrano/ports/COM" + std::to_string(port);
}

LinkDevice resolveDeviceName(const std::string &deviceName)
{
    if (deviceName.size() == 4 && deviceName.compare(0, 3, "COM") == 0 && deviceName[3] >= '1' &&
        deviceName[3] <= '4') {
        const int port = deviceName[3] - '0';
        const std::string link = portLinkPath(port);
        struct stat info;
        LinkDevice device;
        if (::lstat(link.c_str(), &info) == 0) {
            device.path = link;
        } else if (errno == ENOENT) {
            device.path = "/dev/ttyS" + std::to_string(port - 1);
        } else {
            // Only a link that is not there means the built-in port; any
            // other answer could hide a link that leads elsewhere.
            const int err = errno;
            const std::string folder = link.substr(0, link.rfind('/'));
            throw LinkError(kSystemErrorBase + uint32_t(err),
                            fill(translate("calclink", "The port link of %1 cannot be looked up in the ports folder "
                                                       "%2: %3. Make it a folder you can read, or remove it to use "
                                                       "%4."),
                                 {deviceName, folder, std::strerror(err), "/dev/ttyS" + std::to_string(port - 1)}));
        }
        return device;
    }

    const std::string prefix = kUsbPrefix;
    if (deviceName.size() > prefix.size() && deviceName.size() <= prefix.size() + 2 &&
        deviceName.compare(0, prefix.size(), prefix) == 0) {
        int index = 0;
        for (size_t i = prefix.size(); i < deviceName.size(); ++i) {
            if (deviceName[i] < '0' || deviceName[i] > '9')
                refuse(deviceName);
            index = index * 10 + (deviceName[i] - '0');
        }
        LinkDevice device;
        device.kind = LinkDevice::Kind::Usb;
        device.usbIndex = index;
        return device;
    }

    refuse(deviceName);
}

} // namespace calclink
