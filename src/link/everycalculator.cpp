#include "everycalculator.h"

#include "comports.h"
#include "linkerror.h"
#include "usbcable.h"

namespace calclink {

std::vector<LinkChoice> everyCalculator(LinkChoice::Cable serialCable)
{
    std::vector<LinkChoice> every;
    const LinkChoice::Cable cable = serialCable == LinkChoice::Black ? LinkChoice::Black : LinkChoice::Gray;
    for (int port = LinkChoice::kFirstPort; port <= LinkChoice::kLastPort; ++port) {
        const LinkChoice choice{cable, port, {}};
        bool linked = true;
        try {
            linked = serialPortPath(port, choice.deviceName()) == portLinkPath(port);
        } catch (const LinkError &) {
            // The ports folder cannot be looked in: the capture says why.
        }
        if (linked)
            every.push_back(choice);
    }
    std::string reason;
    if (const std::optional<std::vector<UsbCablePlace>> devices = listUsbCables(reason)) {
        for (const UsbCablePlace &device : *devices)
            if (device.kind != UsbKind::Unreadable && !device.portPath.empty())
                every.push_back({LinkChoice::Usb, LinkChoice::kFirstPort, {0, device.portPath}});
    }
    return every;
}

} // namespace calclink
