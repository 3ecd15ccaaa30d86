#include "portcheck.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "devicenames.h"
#include "fileopen.h"
#include "linkerror.h"
#include "serialport.h"
#include "usbcable.h"

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
        const std::string text = linkTarget(path);
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

std::string kindOf(mode_t mode)
{
    return S_ISDIR(mode) ? "folder" : S_ISFIFO(mode) ? "named pipe" : S_ISSOCK(mode) ? "socket" : "file";
}

std::string checkSerial(int port)
{
    const std::string name = "COM" + std::to_string(port);
    const std::string link = portLinkPath(port);
    std::string path;
    try {
        path = resolveDeviceName(name).path;
    } catch (const LinkError &error) {
        return name + "  cannot be opened: " + error.description();
    }
    const std::string setLink = "mkdir -p " + link.substr(0, link.rfind('/')) + " && ln -sfn /dev/ttyUSB0 " + link;

    std::string line = name + "  ";
    const std::string target = linkTarget(link);
    if (path == link)
        line += link + (target.empty() ? std::string() : " -> " + target);
    else
        line += path + " (no port link)";
    const auto cannot = [&](const std::string &why) { return line + ": cannot be opened: " + why; };

    struct stat info;
    if (::stat(path.c_str(), &info) != 0) {
        const int err = errno;
        if (err != ENOENT)
            return cannot(std::strerror(err));
        if (path == link)
            return cannot(portAdvice(ENOENT, link) + " Or point the link at the right device: " + setLink);
        return cannot(path + " is not there: this computer has no " + name +
                      " of its own. For a USB serial adapter, set a port link: " + setLink);
    }
    // A folder where the link belongs: ln -sfn would make the link inside it.
    if (S_ISDIR(info.st_mode) && path == link && target.empty())
        return cannot("it is not a port link but a folder. Move it away and set the link: mv " + link + " " + link +
                      ".folder && ln -s /dev/ttyUSB0 " + link);
    if (!S_ISCHR(info.st_mode))
        return cannot("it is not a serial port but a " + kindOf(info.st_mode) + ". Point the port link at one: " +
                      setLink);
    if (const std::string terminal = systemTerminal(info.st_rdev); !terminal.empty())
        return cannot("it is not a serial port but the system's terminal " + terminal +
                      ". Point the port link at one: " + setLink);
    const bool pseudoTerminal = isPseudoTerminal(info.st_rdev);
    if (!pseudoTerminal) {
        if (const std::string kind = deviceAttribute(info, "subsystem"); !kind.empty() && kind != "tty")
            return cannot("it is not a serial port but a device of the kind \"" + kind +
                          "\". Point the port link at one: " + setLink);
        // 0 is the serial driver's "unknown": it found no chip behind the port.
        if (deviceAttribute(info, "type") == "0")
            return cannot("there is no serial port chip behind it. For a USB serial adapter, set a port link: " +
                          setLink);
    }
    if (::access(path.c_str(), R_OK | W_OK) != 0) {
        const int err = errno;
        return cannot(std::string(std::strerror(err)) + ". " + portAdvice(err, path));
    }
    if (pseudoTerminal)
        return line + ": can be opened; it is a pseudo-terminal, which has no modem lines, so it takes the Gray "
                      "cable but not the Black one";
    return line + ": can be opened";
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
    const std::optional<std::vector<UsbCablePlace>> cables = listLibusbCables(reason);
    if (!cables)
        return {"USB   cannot be used on this computer: " + reason};
    const std::string rule = installedUdevRule();
    if (cables->empty())
        return {"USB   no USB link cable and no calculator on its own USB port found; the udev rule " +
                (rule.empty() ? std::string("is not installed") : "is installed (" + rule + ")")};
    std::vector<std::string> lines;
    for (size_t i = 0; i < cables->size(); ++i) {
        const UsbCablePlace &cable = (*cables)[i];
        char place[96];
        std::snprintf(place, sizeof place, "USB   \\\\.\\Usb%zu (USB%zu): ", i, i);
        std::string line = place + usbKindName(cable.kind);
        std::snprintf(place, sizeof place, ", bus %03d address %03d (", cable.bus, cable.address);
        line += place + cable.path + ")";
        if (::access(cable.path.c_str(), R_OK | W_OK) == 0) {
            lines.push_back(line + ": can be opened");
            continue;
        }
        const int err = errno;
        line += std::string(": cannot be opened: ") + std::strerror(err) + ". ";
        if (err != EACCES && err != EPERM)
            lines.push_back(line + usbAdvice(err));
        else if (rule.empty())
            lines.push_back(line + "The udev rule is not installed. " + usbAdvice(err));
        else
            lines.push_back(line + "The udev rule is installed (" + rule +
                            "): plug it in again so that it applies. It gives the device to the user "
                            "logged in at this computer, not to one logged in from elsewhere.");
    }
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
    for (int port = 1; port <= 4; ++port)
        lines.push_back(printable(checkSerial(port)));
    const std::vector<std::string> usb = checkUsb();
    lines.insert(lines.end(), usb.begin(), usb.end());
    return lines;
}

} // namespace calclink
