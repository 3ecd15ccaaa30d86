#include "linkchoice.h"

#include "linkerror.h"

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
    return cable == Usb ? kUsbPrefix + std::to_string(usb.number) : portName(port);
}

std::string LinkChoice::place() const
{
    return cable == Usb ? "USB" + std::to_string(usb.number) : portName(port);
}

std::string LinkChoice::label() const
{
    if (cable == Usb)
        return usb.number == 0 ? "USB cable" : "USB cable, " + place();
    return place() + ", " + cableName(cable) + " cable";
}

const char *LinkChoice::cableName(int cable)
{
    static const char *const names[] = {"Black", "Gray", "USB"};
    return cable >= Black && cable <= Usb ? names[cable] : "unknown";
}

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
    throw LinkError(kInvalidArgument, "The device name \"" + deviceName +
                                          "\" is not known; the link knows COM1 to COM4 and \\\\.\\Usb0.");
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
        throw LinkError(kInvalidArgument, "The cable code " + std::to_string(cableCode) +
                                              " is not known; 1 (Gray), 2 (Black) and 5 (USB) are.");
    }

    const std::string prefix = kUsbPrefix;
    const std::optional<int> port = comPort(deviceName);
    const std::optional<int> usb =
        deviceName.compare(0, prefix.size(), prefix) == 0 ? twoDigits(deviceName, prefix.size()) : std::nullopt;
    if (!port && !usb)
        refuseDeviceName(deviceName);
    if (choice.cable == Usb && !usb)
        throw LinkError(kInvalidArgument, "The USB cable needs a USB device name, not \"" + deviceName + "\".");
    if (choice.cable != Usb && !port)
        throw LinkError(kInvalidArgument,
                        "A serial cable needs a serial port (COM1 to COM4), not \"" + deviceName + "\".");
    if (port)
        choice.port = *port;
    else
        choice.usb.number = *usb;
    return choice;
}

std::string LinkChoice::takeOptions(const std::optional<std::string> &portOption,
                                    const std::optional<std::string> &cableOption)
{
    bool usbPort = false;
    if (portOption) {
        const std::string name = upper(*portOption);
        const std::optional<int> com = comPort(name);
        const std::optional<int> number = name.compare(0, 3, "USB") == 0 ? twoDigits(name, 3) : std::nullopt;
        if (!com && !number)
            return "--port takes COM1, COM2, COM3 or COM4, or USB0, USB1 ... with the USB cable, not '" +
                   *portOption + "'";
        usbPort = number.has_value();
        if (com)
            port = *com;
        else
            usb.number = *number;
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
            return "--cable takes black, gray or usb, not '" + *cableOption + "'";
    }
    if (usbPort && cable != Usb)
        return "--port " + *portOption + " is a USB device, for the USB cable (--cable usb)";
    return {};
}

} // namespace calclink
