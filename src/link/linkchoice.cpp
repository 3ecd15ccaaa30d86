#include "linkchoice.h"

#include "linkerror.h"
#include "translation.h"

namespace calclink {

namespace {

constexpr const char *kUsbPrefix = "\\\\.\\Usb";

// The number written with one or two digits from `at` to the end of `text`, if that is all there is.
std::optional<int> twoDigits(const std::string &text, size_t at)
{
    if (text.size() <= at || text.size() > at + 2)
        return std::nullopt;
    int number = 0;
    for (size_t i = at; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

// The port of "COM1" to "COM4", if `text` is one.
std::optional<int> comPort(const std::string &text)
{
    if (text.size() == 4 && text.compare(0, 3, "COM") == 0 && text[3] >= '0' + LinkChoice::kFirstPort &&
        text[3] <= '0' + LinkChoice::kLastPort)
        return text[3] - '0';
    return std::nullopt;
}

// The USB device named from `at` to the end of `text`: its number, one or
// two digits, or "-" and its port path ("USB-1-1.3" from "USB").
std::optional<UsbDevice> usbDevice(const std::string &text, size_t at)
{
    if (text.size() > at && text[at] == '-') {
        if (std::optional<std::string> path = usbPortPath(std::string_view(text).substr(at + 1)))
            return UsbDevice{0, *path};
        return std::nullopt;
    }
    if (const std::optional<int> number = twoDigits(text, at))
        return UsbDevice{*number, {}};
    return std::nullopt;
}

std::string upper(std::string text)
{
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

} // namespace

int LinkChoice::cableCode() const
{
    switch (cable) {
    case Gray:
        return kCableGray;
    case Usb:
        return kCableUsb;
    default:
        return kCableBlack;
    }
}

std::string LinkChoice::deviceName() const
{
    if (cable != Usb)
        return portName(port);
    return kUsbPrefix + (usb.portPath.empty() ? std::to_string(usb.number) : "-" + usb.portPath);
}

std::string LinkChoice::place() const
{
    if (cable != Usb)
        return portName(port);
    return usb.portPath.empty() ? "USB" + std::to_string(usb.number) : "USB-" + usb.portPath;
}

std::string LinkChoice::label() const
{
    switch (cable) {
    case Usb:
        return usb.number == 0 && usb.portPath.empty() ? translate("calclink", "USB cable")
                                                       : fill(translate("calclink", "USB cable, %1"), {place()});
    case Gray:
        return fill(translate("calclink", "%1, Gray cable"), {place()});
    default:
        return fill(translate("calclink", "%1, Black cable"), {place()});
    }
}

const char *LinkChoice::englishCableName(int cable)
{
    static const char *const names[] = {CALCLINK_TRANSLATE_NOOP("calclink", "Black"),
                                        CALCLINK_TRANSLATE_NOOP("calclink", "Gray"),
                                        CALCLINK_TRANSLATE_NOOP("calclink", "USB")};
    return cable >= Black && cable <= Usb ? names[cable] : CALCLINK_TRANSLATE_NOOP("calclink", "unknown");
}

std::string LinkChoice::cableName(int cable) { return translate("calclink", englishCableName(cable)); }

std::string LinkChoice::portName(int port)
{
    const std::string digits = std::to_string(port);
    return "COM" + digits.substr(digits.size() - 1);
}

LinkChoice LinkChoice::ofMenus(std::optional<int> cable, std::optional<int> port)
{
    LinkChoice choice;
    choice.cable = cable == Gray ? Gray : cable == Usb ? Usb : Black;
    choice.port = port.value_or(0);
    return choice;
}

void refuseDeviceName(const std::string &deviceName)
{
    throw LinkError(kInvalidArgument,
                    fill(translate("calclink", "The device name \"%1\" is not known; the link knows COM1 to COM4 "
                                               "and \\\\.\\Usb0."),
                         {deviceName}));
}

LinkChoice LinkChoice::ofDevice(int cableCode, const std::string &deviceName)
{
    LinkChoice choice;
    switch (cableCode) {
    case kCableGray:
        choice.cable = Gray;
        break;
    case kCableBlack:
        choice.cable = Black;
        break;
    case kCableUsb:
        choice.cable = Usb;
        break;
    default:
        throw LinkError(kInvalidArgument,
                        fill(translate("calclink", "The cable code %1 is not known; 1 (Gray), 2 (Black) and 5 (USB) "
                                                   "are."),
                             {std::to_string(cableCode)}));
    }

    const std::string prefix = kUsbPrefix;
    const std::optional<int> port = comPort(deviceName);
    const std::optional<UsbDevice> usb =
        deviceName.compare(0, prefix.size(), prefix) == 0 ? usbDevice(deviceName, prefix.size()) : std::nullopt;
    if (!port && !usb)
        refuseDeviceName(deviceName);
    if (choice.cable == Usb && !usb)
        throw LinkError(kInvalidArgument,
                        fill(translate("calclink", "The USB cable needs a USB device name, not \"%1\"."),
                             {deviceName}));
    if (choice.cable != Usb && !port)
        throw LinkError(kInvalidArgument,
                        fill(translate("calclink", "A serial cable needs a serial port (COM1 to COM4), not \"%1\"."),
                             {deviceName}));
    if (port)
        choice.port = *port;
    else
        choice.usb = *usb;
    return choice;
}

LinkChoice::OptionFault LinkChoice::takeOptions(const std::optional<std::string> &portOption,
                                                const std::optional<std::string> &cableOption)
{
    bool usbPort = false;
    if (portOption) {
        const std::string name = upper(*portOption);
        const std::optional<int> com = comPort(name);
        const std::optional<UsbDevice> device = name.compare(0, 3, "USB") == 0 ? usbDevice(name, 3) : std::nullopt;
        if (!com && !device)
            return name.compare(0, 3, "USB") == 0 && name.size() > 3 &&
                           name.find_first_not_of("0123456789", 3) == std::string::npos
                       ? OptionFault::UsbNumber
                       : OptionFault::Port;
        usbPort = device.has_value();
        if (com)
            port = *com;
        else
            usb = *device;
    }
    if (cableOption) {
        const std::string name = upper(*cableOption);
        if (name == "BLACK")
            cable = Black;
        else if (name == "GRAY")
            cable = Gray;
        else if (name == "USB")
            cable = Usb;
        else
            return OptionFault::Cable;
    }
    return usbPort && cable != Usb ? OptionFault::UsbPortWithSerialCable : OptionFault::None;
}

} // namespace calclink
