#include "portcheck.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "comports.h"
#include "fileopen.h"
#include "linkchoice.h"
#include "linkerror.h"
#include "serialport.h"
#include "translation.h"
#include "usbcable.h"
#include "usbids.h"

namespace calclink {

namespace {

// What the kernel's device list says of a character device: the first line
// of one of its attributes, or of the link `subsystem`, its last part; empty
// when it has none.
std::string deviceAttribute(const struct stat &info, const std::string &name)
{
    const std::string path = "/sys/dev/char/" + std::to_string(major(info.st_rdev)) + ":" +
                             std::to_string(minor(info.st_rdev)) + "/" + name;
    if (name == "subsystem") {
        const std::string text = files::linkTarget(path);
        return text.substr(text.find_last_of('/') + 1);
    }
    std::string line;
    std::getline(std::ifstream(path), line);
    return line;
}

// The system's own terminals, which are character devices of the kind
// "tty" but no serial ports: /dev/tty, /dev/console, /dev/ptmx and the
// virtual consoles. Their name, or nothing.
std::string systemTerminal(dev_t device)
{
    if (major(device) == 5 && minor(device) <= 2) {
        static const char *const names[] = {"/dev/tty", "/dev/console", "/dev/ptmx"};
        return names[minor(device)];
    }
    if (major(device) == 4 && minor(device) < 64)
        return "/dev/tty" + std::to_string(minor(device));
    return {};
}

// Why a port link's target of `mode`, which is no character device, is no
// port either: %1 the command that sets the link.
std::string notADevice(mode_t mode)
{
    if (S_ISDIR(mode))
        return translate("calclink", "it is not a serial port but a folder. Point the port link at one: %1");
    if (S_ISFIFO(mode))
        return translate("calclink", "it is not a serial port but a named pipe. Point the port link at one: %1");
    if (S_ISSOCK(mode))
        return translate("calclink", "it is not a serial port but a socket. Point the port link at one: %1");
    return translate("calclink", "it is not a serial port but a file. Point the port link at one: %1");
}

// "NAME: can be opened".
std::string canBeOpened(const std::string &line) { return fill(translate("calclink", "%1: can be opened"), {line}); }

std::string checkSerial(int port)
{
    const std::string name = LinkChoice::portName(port);
    const std::string link = portLinkPath(port);
    std::string path;
    try {
        path = serialPortPath(port, name);
    } catch (const LinkError &error) {
        return fill(translate("calclink", "%1  cannot be opened: %2"), {name, error.description()});
    }
    const std::string setLink = "mkdir -p " + link.substr(0, link.rfind('/')) + " && ln -sfn /dev/ttyUSB0 " + link;

    std::string line = name + "  ";
    const std::string target = files::linkTarget(link);
    if (path == link)
        line += link + (target.empty() ? std::string() : " -> " + target);
    else
        line += fill(translate("calclink", "%1 (no port link)"), {path});
    const auto cannot = [&](const std::string &why) {
        return fill(translate("calclink", "%1: cannot be opened: %2"), {line, why});
    };

    struct stat info;
    if (::stat(path.c_str(), &info) != 0) {
        const int err = errno;
        if (err != ENOENT)
            return cannot(std::strerror(err));
        if (path == link)
            return cannot(portAdvice(ENOENT, link) + " " +
                          fill(translate("calclink", "Or point the link at the right device: %1"), {setLink}));
        return cannot(fill(translate("calclink", "%1 is not there: this computer has no %2 of its own. For a USB "
                                                 "serial adapter, set a port link: %3"),
                           {path, name, setLink}));
    }
    // A folder where the link belongs: ln -sfn would make the link inside it.
    if (S_ISDIR(info.st_mode) && path == link && target.empty())
        return cannot(fill(translate("calclink", "it is not a port link but a folder. Move it away and set the link: "
                                                 "%1"),
                           {"mv " + link + " " + link + ".folder && ln -s /dev/ttyUSB0 " + link}));
    if (!S_ISCHR(info.st_mode))
        return cannot(fill(notADevice(info.st_mode), {setLink}));
    if (const std::string terminal = systemTerminal(info.st_rdev); !terminal.empty())
        return cannot(fill(translate("calclink", "it is not a serial port but the system's terminal %1. Point the "
                                                 "port link at one: %2"),
                           {terminal, setLink}));
    const bool pseudoTerminal = isPseudoTerminal(info.st_rdev);
    if (!pseudoTerminal) {
        if (const std::string kind = deviceAttribute(info, "subsystem"); !kind.empty() && kind != "tty")
            return cannot(fill(translate("calclink", "it is not a serial port but a device of the kind \"%1\". "
                                                     "Point the port link at one: %2"),
                               {kind, setLink}));
        // 0 is the serial driver's "unknown": it found no chip behind the port.
        if (deviceAttribute(info, "type") == "0")
            return cannot(fill(translate("calclink", "there is no serial port chip behind it. For a USB serial "
                                                     "adapter, set a port link: %1"),
                               {setLink}));
    }
    if (::access(path.c_str(), R_OK | W_OK) != 0) {
        const int err = errno;
        return cannot(std::string(std::strerror(err)) + ". " + portAdvice(err, path));
    }
    if (pseudoTerminal)
        return fill(translate("calclink", "%1: can be opened; it is a pseudo-terminal, which has no modem lines, so "
                                          "it takes the Gray cable but not the Black one"),
                    {line});
    return canBeOpened(line);
}

// Where udev finds the USB cable's rule, if it is installed anywhere it looks.
std::string installedUdevRule()
{
    for (const char *folder :
         {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"}) {
        const std::string rule = std::string(folder) + "/" + kUdevRuleName;
        if (::access(rule.c_str(), F_OK) == 0)
            return rule;
    }
    return {};
}

std::vector<std::string> checkUsb()
{
    std::string reason;
    const std::optional<std::vector<UsbCablePlace>> cables = listUsbCables(reason);
    if (!cables)
        return {fill(translate("calclink", "USB   cannot be used on this computer: %1"), {reason})};
    const std::string rule = installedUdevRule();
    std::vector<std::string> lines;
    int number = 0;
    for (const UsbCablePlace &cable : *cables) {
        char bus[8], address[8];
        std::snprintf(bus, sizeof bus, "%03d", cable.bus);
        std::snprintf(address, sizeof address, "%03d", cable.address);
        const std::string product = quotedProduct(cable.product);
        if (cable.kind == UsbKind::Unreadable) {
            // Not counted in \\.\UsbN, and never opened.
            lines.push_back(fill(translate("calclink", "USB   %1, bus %2 address %3 (%4): a calculator with a colour "
                                                       "screen, which Ekrano cannot read; it reads the calculators "
                                                       "with the 96 x 64 monochrome screen"),
                                 {product.empty() ? usbIdsOf(cable.kind) : product, bus, address, cable.path}));
            continue;
        }
        std::string kind = translate("calclink", usbKindName(cable.kind));
        if (!product.empty())
            kind += " " + product;
        const LinkChoice choice{LinkChoice::Usb, LinkChoice::kFirstPort, {number, {}}};
        const LinkChoice placed{LinkChoice::Usb, LinkChoice::kFirstPort, {0, cable.portPath}};
        const std::string line =
            fill(translate("calclink", "USB   %1 (%2, %3): %4, bus %5 address %6 (%7)"),
                 {choice.deviceName(), choice.place(), placed.place(), kind, bus, address, cable.path});
        ++number;
        if (::access(cable.path.c_str(), R_OK | W_OK) == 0) {
            lines.push_back(canBeOpened(line));
            continue;
        }
        const int err = errno;
        const std::string cannot = fill(translate("calclink", "%1: cannot be opened: %2"), {line, std::strerror(err)}) +
                                   ". ";
        if (err != EACCES && err != EPERM)
            lines.push_back(cannot + usbAdvice(err));
        else if (rule.empty())
            lines.push_back(cannot + translate("calclink", "The udev rule is not installed.") + " " + usbAdvice(err));
        else
            lines.push_back(cannot + fill(translate("calclink", "The udev rule is installed (%1): plug it in again so "
                                                                "that it applies. It gives the device to the user "
                                                                "logged in at this computer, not to one logged in "
                                                                "from elsewhere."),
                                          {rule}));
    }
    if (number == 0)
        lines.push_back(rule.empty() ? translate("calclink", "USB   no USB link cable and no calculator on its own USB "
                                                             "port found; the udev rule is not installed")
                                     : fill(translate("calclink", "USB   no USB link cable and no calculator on its "
                                                                  "own USB port found; the udev rule is installed "
                                                                  "(%1)"),
                                            {rule}));
    return lines;
}

} // namespace

std::string printable(const std::string &text)
{
    std::string shown;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            shown += "\\x" + hexadecimal(static_cast<unsigned char>(c), 2);
        else
            shown += c;
    }
    return shown;
}

std::vector<std::string> checkPorts()
{
    std::vector<std::string> lines;
    for (int port = LinkChoice::kFirstPort; port <= LinkChoice::kLastPort; ++port)
        lines.push_back(printable(checkSerial(port)));
    const std::vector<std::string> usb = checkUsb();
    lines.insert(lines.end(), usb.begin(), usb.end());
    return lines;
}

} // namespace calclink
