#include "everycalculator.h"

#include <deque>
#include <memory>

#include "comports.h"
#include "linkerror.h"
#include "screenreader.h"
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

void captureEach(const std::vector<LinkChoice> &choices, Stop &stop, const TakeEach &take,
                 std::optional<LinkTimeouts> timeouts)
{
    std::deque<Stop> stops; // a deque: a Stop moves nowhere once its reader holds it
    std::vector<std::unique_ptr<ScreenReader>> readers;
    readers.reserve(choices.size());
    for (size_t i = 0; i < choices.size(); ++i)
        readers.push_back(std::make_unique<ScreenReader>(
            choices[i],
            [&take, i](const ScreenReader::Reading &reading) {
                take(i, reading.result);
                return ScreenReader::Next::done();
            },
            stops.emplace_back(&stop), timeouts));
    for (const std::unique_ptr<ScreenReader> &reader : readers)
        reader->wait();
}

} // namespace calclink
