// The cable and port chosen, the device names, the cable factory and the errors of opening a port.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "calclink.h"
#include "comports.h"
#include "everycalculator.h"
#include "linkerror.h"
#include "portcheck.h"
#include "tempfolder.h"
#include "memorytransport.h"
#include "transportfactory.h"
#include "usbcable.h"

using namespace calclink;
namespace fs = std::filesystem;

namespace {

// A private XDG_CONFIG_HOME with an empty folder of port links.
class DeviceNames : public PrivateConfig {
protected:
    void SetUp() override
    {
        PrivateConfig::SetUp();
        fs::create_directories(config() / "Ekrano/ports");
    }
    fs::path port(int n) const { return config() / "Ekrano/ports" / ("COM" + std::to_string(n)); }
};

LinkError openFailure(int cableCode, const std::string &name)
{
    try {
        CalcLink link;
        link.Connect(cableCode, name);
    } catch (const LinkError &e) {
        return e;
    }
    ADD_FAILURE() << "cable " << cableCode << " on " << name << " opened";
    return LinkError(0, {});
}

} // namespace

TEST_F(DeviceNames, SerialNamesUseThePortLinkWhenItExists)
{
    EXPECT_EQ(portLinkPath(2), port(2).string());
    EXPECT_EQ(serialPortPath(1, "COM1"), "/dev/ttyS0");
    EXPECT_EQ(serialPortPath(4, "COM4"), "/dev/ttyS3");

    fs::create_symlink("/dev/null", port(2));
    EXPECT_EQ(serialPortPath(2, "COM2"), port(2).string());
    // A link to an adapter that is not plugged in still counts, so that the error names it.
    fs::create_symlink("/dev/ttyUSB97", port(3));
    EXPECT_EQ(serialPortPath(3, "COM3"), port(3).string());
    EXPECT_EQ(LinkChoice::ofDevice(kCableBlack, "COM3"), (LinkChoice{LinkChoice::Black, 3, {}}));
}

TEST_F(DeviceNames, APortsFolderThatCannotBeLookedInFailsAndNamesIt)
{
    // Only a missing port link means the built-in port; a link loop or a file
    // in the folder's place (or, for a user, a folder without permission)
    // could hide a link to another device.
    const fs::path ports = config() / "Ekrano/ports";
    fs::remove(ports);
    fs::create_symlink(ports, ports);
    for (const auto &[err, reason] : {std::pair{ELOOP, "Too many levels of symbolic links"}, {ENOTDIR, "Not a directory"}}) {
        const std::string says = ports.string() + ": " + reason;
        const LinkError e = openFailure(kCableGray, "COM1");
        EXPECT_EQ(e.number(), kSystemErrorBase + err);
        EXPECT_NE(e.description().find(says), std::string::npos) << e.description();
        EXPECT_EQ(checkPorts()[0].rfind("COM1  cannot be opened: ", 0), 0u) << checkPorts()[0];
        EXPECT_NE(checkPorts()[0].find(says), std::string::npos) << checkPorts()[0];
        fs::remove(ports);
        std::ofstream(ports) << "text";
    }
}

TEST_F(DeviceNames, ConfigFolderFallsBackToHome)
{
    ::unsetenv("XDG_CONFIG_HOME");
    const char *home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(portLinkPath(1), std::string(home) + "/.config/Ekrano/ports/COM1");
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1); // not absolute, so not used
    EXPECT_EQ(portLinkPath(1), std::string(home) + "/.config/Ekrano/ports/COM1");
}

TEST_F(DeviceNames, UsbNames)
{
    const LinkChoice first = LinkChoice::ofDevice(kCableUsb, "\\\\.\\Usb0");
    EXPECT_EQ(first.cable, LinkChoice::Usb);
    EXPECT_EQ(first.usb.number, 0);
    EXPECT_EQ(LinkChoice::ofDevice(kCableUsb, "\\\\.\\Usb3").usb.number, 3);
}

TEST(LinkChoices, EachNamesItsCableAndPlaceAndReadsBackFromItsDeviceName)
{
    const struct {
        LinkChoice choice;
        int code;
        const char *device, *place, *label;
    } rows[] = {
        {{LinkChoice::Black, 3, {}}, kCableBlack, "COM3", "COM3", "COM3, Black cable"},
        {{LinkChoice::Gray, 1, {}}, kCableGray, "COM1", "COM1", "COM1, Gray cable"},
        {{LinkChoice::Usb, 2, {}}, kCableUsb, "\\\\.\\Usb0", "USB0", "USB cable"},
        {{LinkChoice::Usb, 2, {12, {}}}, kCableUsb, "\\\\.\\Usb12", "USB12", "USB cable, USB12"},
        {{LinkChoice::Usb, 2, {0, "1-1.3"}}, kCableUsb, "\\\\.\\Usb-1-1.3", "USB-1-1.3", "USB cable, USB-1-1.3"},
        {{LinkChoice::Usb, 1, {0, "12-1.2.3.4.5.6.255"}}, kCableUsb, "\\\\.\\Usb-12-1.2.3.4.5.6.255",
         "USB-12-1.2.3.4.5.6.255", "USB cable, USB-12-1.2.3.4.5.6.255"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.choice.cableCode(), row.code);
        EXPECT_EQ(row.choice.deviceName(), row.device);
        EXPECT_EQ(row.choice.place(), row.place);
        EXPECT_EQ(row.choice.label(), row.label);
        const LinkChoice back = LinkChoice::ofDevice(row.code, row.device);
        EXPECT_EQ(back.deviceName(), row.device);
        EXPECT_EQ(back.usb, row.choice.usb);
    }
    // The menus with nothing ticked: Black, and the port 0 that the link refuses by name.
    EXPECT_EQ(LinkChoice::ofMenus(std::nullopt, std::nullopt).deviceName(), "COM0");
    EXPECT_EQ(LinkChoice::ofMenus(7, 2), (LinkChoice{LinkChoice::Black, 2, {}}));
    EXPECT_EQ(usbPortPathOf(3, {1, 12}), "3-1.12");
}

TEST(LinkChoices, OptionsChangeOnlyWhatTheyName)
{
    using Fault = LinkChoice::OptionFault;
    LinkChoice choice{LinkChoice::Gray, 3, {}};
    EXPECT_EQ(choice.takeOptions("usb-1-1.3", "USB"), Fault::None);
    EXPECT_EQ(choice, (LinkChoice{LinkChoice::Usb, 3, {0, "1-1.3"}})) << "the stored COM port stays for a serial cable";
    EXPECT_EQ(choice.takeOptions("usb4", std::nullopt), Fault::None);
    EXPECT_EQ(choice, (LinkChoice{LinkChoice::Usb, 3, {4, {}}})) << "a number, and no port path left over";
    EXPECT_EQ(choice.takeOptions("Com2", std::nullopt), Fault::None);
    EXPECT_EQ(choice, (LinkChoice{LinkChoice::Usb, 2, {4, {}}}));
    EXPECT_EQ(choice.takeOptions("USB1", "gray"), Fault::UsbPortWithSerialCable);
    EXPECT_EQ(choice.takeOptions("USB-2-4", "black"), Fault::UsbPortWithSerialCable);
    EXPECT_EQ(choice.takeOptions("COM1 ", std::nullopt), Fault::Port);
    EXPECT_EQ(choice.takeOptions("usb100", std::nullopt), Fault::UsbNumber);
    EXPECT_EQ(choice.takeOptions(std::nullopt, "grey"), Fault::Cable);
    // Port paths as sysfs writes them, and nothing else: it is also a file name.
    for (const char *wrong : {"USB-1", "USB-1-", "USB-0-1", "USB-1-01", "USB-1-256", "USB-1-1..2", "USB-1-1.",
                              "USB-1-1.2.3.4.5.6.7.8", "USB-1-1/../x", "USB--1-1"})
        EXPECT_EQ(choice.takeOptions(wrong, "usb"), Fault::Port) << wrong;
}

TEST_F(DeviceNames, EveryCalculatorIsEachLinkedComPortThenEachUsbDeviceByWhereItIsPluggedIn)
{
    fs::create_symlink("/dev/null", port(2));
    fs::create_symlink("/dev/ttyUSB97", port(4)); // leads nowhere: its capture will say so
    setUsbOpener({}, [](std::string &) {
        return std::optional(std::vector<UsbCablePlace>{
            {1, 5, "/dev/bus/usb/001/005", UsbKind::Calculator, "", "1-1.3"},
            {1, 6, "/dev/bus/usb/001/006", UsbKind::Unreadable, "", "1-1.4"},
            {1, 7, "/dev/bus/usb/001/007", UsbKind::LinkCable, "", "1-2"}});
    });
    const auto labels = [](LinkChoice::Cable cable) {
        std::vector<std::string> found;
        for (const LinkChoice &choice : everyCalculator(cable))
            found.push_back(choice.label());
        return found;
    };
    EXPECT_EQ(labels(LinkChoice::Black), (std::vector<std::string>{"COM2, Black cable", "COM4, Black cable",
                                                                   "USB cable, USB-1-1.3", "USB cable, USB-1-2"}));
    EXPECT_EQ(labels(LinkChoice::Usb).front(), "COM2, Gray cable");
    EXPECT_EQ(checkPorts()[4].rfind("USB   \\\\.\\Usb0 (USB0, USB-1-1.3): calculator on its own USB port, bus 001 "
                                    "address 005 (/dev/bus/usb/001/005)",
                                    0),
              0u)
        << checkPorts()[4];

    // A ports folder that cannot be looked in could hide any link: each port, to say why.
    setUsbOpener({}, [](std::string &reason) {
        reason = "no USB here";
        return std::optional<std::vector<UsbCablePlace>>();
    });
    const fs::path ports = config() / "Ekrano/ports";
    fs::remove_all(ports);
    fs::create_symlink(ports, ports);
    EXPECT_EQ(everyCalculator(LinkChoice::Gray).size(), 4u);
    setUsbOpener({});
}

TEST_F(DeviceNames, UnknownNamesAreRefusedByName)
{
    for (const std::string name : {"COM0", "COM5", "", "com1", "COM12", "COM1 ", "/dev/ttyS0", "\\\\.\\Usb",
                                   "\\\\.\\UsbX", "\\\\.\\Usb-1", "\\\\.\\Usb99999999999", "\\.\\Usb0",
                                   "\\\\.\\Usb-1-0"}) {
        try {
            LinkChoice::ofDevice(kCableGray, name);
            ADD_FAILURE() << '"' << name << "\" accepted";
        } catch (const LinkError &e) {
            EXPECT_EQ(e.number(), kInvalidArgument) << name;
            EXPECT_NE(e.description().find('"' + name + '"'), std::string::npos) << e.description();
        }
    }
}

TEST_F(DeviceNames, CableCodeMustSuitTheName)
{
    LinkError e = openFailure(3, "COM1");
    EXPECT_EQ(e.number(), kInvalidArgument);
    EXPECT_NE(e.description().find('3'), std::string::npos) << e.description();
    EXPECT_EQ(openFailure(0, "COM1").number(), kInvalidArgument);

    e = openFailure(kCableUsb, "COM1");
    EXPECT_EQ(e.number(), kInvalidArgument);
    EXPECT_NE(e.description().find("COM1"), std::string::npos) << e.description();
    for (int serial : {kCableGray, kCableBlack}) {
        e = openFailure(serial, "\\\\.\\Usb0");
        EXPECT_EQ(e.number(), kInvalidArgument);
        EXPECT_NE(e.description().find("Usb0"), std::string::npos) << e.description();
    }
}

TEST_F(DeviceNames, OpenErrorsNameTheDeviceThePathAndTheReason)
{
    fs::create_symlink("/dev/ttyUSB97", port(3));
    LinkError e = openFailure(kCableGray, "COM3");
    EXPECT_EQ(e.number(), 0x80070002u);
    EXPECT_EQ(e.number(), kSystemErrorBase + ENOENT);
    EXPECT_NE(e.description().find("COM3"), std::string::npos) << e.description();
    EXPECT_NE(e.description().find(port(3).string()), std::string::npos) << e.description();
    EXPECT_NE(e.description().find("No such file or directory"), std::string::npos) << e.description();
    EXPECT_NE(e.description().find("/dev/ttyUSB97"), std::string::npos) << "the advice names the link's target";
    TraceText traced;
    EXPECT_THROW(openTransport(LinkChoice::ofDevice(kCableGray, "COM3"), {}, Stop::never(), traced.trace()), LinkError);
    EXPECT_EQ(traced.count("device: COM3 is " + port(3).string() + " -> /dev/ttyUSB97\n"), 1) << "readlink's target";

    // A port link to something that is not a terminal.
    const fs::path file = config() / "not-a-port";
    std::ofstream(file) << "text";
    fs::create_symlink(file, port(4));
    e = openFailure(kCableGray, "COM4");
    EXPECT_EQ(e.number(), kSystemErrorBase + ENOTTY);
    EXPECT_NE(e.description().find("COM4"), std::string::npos) << e.description();
}

TEST_F(DeviceNames, APortLinkToADeviceFileWithNoDeviceSaysSo)
{
    // /dev/tty is there, but in a process without a terminal it has no device (ENXIO).
    fs::create_symlink("/dev/tty", port(2));
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        std::string description = "opened";
        try {
            openTransport(LinkChoice::ofDevice(kCableGray, "COM2"));
        } catch (const LinkError &e) {
            description = e.description();
        }
        [[maybe_unused]] const ssize_t n = ::write(out[1], description.data(), description.size());
        ::_exit(0);
    }
    ::close(out[1]);
    std::string description;
    char buffer[512];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        description.append(buffer, size_t(n));
    ::close(out[0]);
    ::waitpid(child, nullptr, 0);
    EXPECT_NE(description.find("No such device or address"), std::string::npos) << description;
    EXPECT_NE(description.find("/dev/tty"), std::string::npos) << description;
    EXPECT_EQ(description.find("not there"), std::string::npos) << description;
}

TEST_F(DeviceNames, ThePortCheckSaysWhereEachPortLeadsAndWhyItCannotServe)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string terminal = ::ptsname(master);
    fs::create_symlink(terminal, port(1));
    fs::create_symlink("/dev/ttyUSB97", port(2));
    fs::create_symlink("/dev/tty\x1B[31m", port(4));
    const std::vector<std::string> lines = checkPorts();
    ASSERT_GE(lines.size(), 5u);
    const std::string starts[] = {
        "COM1  " + port(1).string() + " -> " + terminal +
            ": can be opened; it is a pseudo-terminal, which has no modem lines, so it takes the Gray cable but not "
            "the Black one",
        "COM2  " + port(2).string() + " -> /dev/ttyUSB97: cannot be opened: The port link points to /dev/ttyUSB97, "
                                      "which is not there",
        "COM3  /dev/ttyS2 (no port link): ",
        "COM4  " + port(4).string() + " -> /dev/tty\\x1B[31m: cannot be opened: ",
    };
    for (size_t i = 0; i < std::size(starts); ++i)
        EXPECT_EQ(lines[i].rfind(starts[i], 0), 0u) << lines[i];
    EXPECT_EQ(lines[4].rfind("USB   ", 0), 0u) << lines[4];
    ::close(master);

    // What is there but is not a serial port, each said as what it is.
    const fs::path fifo = config() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const auto &[target, says] : {std::pair<fs::path, std::string>{fifo, "a named pipe"},
                                       {"/dev/tty", "the system's terminal /dev/tty"},
                                       {"/dev/ptmx", "the system's terminal /dev/ptmx"}}) {
        fs::remove(port(1));
        fs::create_symlink(target, port(1));
        EXPECT_NE(checkPorts()[0].find(": cannot be opened: it is not a serial port but " + says), std::string::npos)
            << checkPorts()[0];
    }
    // A folder in the link's own place, where `ln -sfn` would make the link inside it.
    fs::remove(port(1));
    fs::create_directory(port(1));
    EXPECT_NE(checkPorts()[0].find("it is not a port link but a folder. Move it away and set the link: mv " +
                                   port(1).string()),
              std::string::npos)
        << checkPorts()[0];
}
