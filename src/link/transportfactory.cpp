#include "transportfactory.h"

#include "blacktransport.h"
#include "comports.h"
#include "fileopen.h"
#include "graytransport.h"
#include "linkerror.h"
#include "usbtransport.h"

namespace calclink {

namespace {

// A path and, for a link, what it points to.
std::string whereTo(const std::string &path)
{
    const std::string target = files::linkTarget(path);
    return target.empty() ? path : path + " -> " + target;
}

} // namespace

std::unique_ptr<Transport> openTransport(const LinkChoice &choice, const LinkTimeouts &timeouts, const Stop &stop,
                                         const Trace &trace)
{
    const std::string deviceName = choice.deviceName();
    if (choice.cable == LinkChoice::Usb) {
        if (trace.on())
            trace.event("device: " + deviceName + " is " +
                        (choice.usb.portPath.empty() ? "USB device number " + std::to_string(choice.usb.number)
                                                     : "the USB device at port " + choice.usb.portPath));
        return openUsb(deviceName, choice.usb, timeouts, stop, trace);
    }
    if (choice.port < LinkChoice::kFirstPort || choice.port > LinkChoice::kLastPort)
        refuseDeviceName(deviceName);
    const std::string path = serialPortPath(choice.port, deviceName);
    if (trace.on())
        trace.event("device: " + deviceName + " is " + whereTo(path));
    if (choice.cable == LinkChoice::Gray)
        return openGray(deviceName, path, timeouts, stop, trace);
    return openBlack(deviceName, path, timeouts, stop, trace);
}

std::optional<std::string> serialDevicePath(const LinkChoice &choice)
{
    if (choice.cable == LinkChoice::Usb || choice.port < LinkChoice::kFirstPort || choice.port > LinkChoice::kLastPort)
        return std::nullopt;
    try {
        return serialPortPath(choice.port, choice.deviceName());
    } catch (const LinkError &) {
        return std::nullopt;
    }
}

} // namespace calclink
