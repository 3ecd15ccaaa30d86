#pragma once

#include <optional>
#include <string>

#include "timeouts.h"
#include "usbdevice.h"

namespace calclink {

// The cable codes that Connect takes.
inline constexpr int kCableGray = 1;
inline constexpr int kCableBlack = 2;
inline constexpr int kCableUsb = 5;

// The limits of each cable, sized from how fast it moves a byte:
// - Gray: a byte is 10 bits at 9600 baud, so a screen's DATA takes 0.81 s;
//   a packet may take 2 s, and the whole capture, two resent screens and
//   the calculator's pauses included, 10 s, whatever the calculator does.
// - USB: the cable carries the calculator's bytes at least that fast, so
//   the same limits hold.
// - Black: this side works the wires itself, and each bit costs it two
//   changes of its own wire and at least three reads of the lines. On a
//   slow USB serial adapter each of those is a USB control transfer of up
//   to 2 ms: 10 ms a bit, 80 ms a byte. A screen's DATA then takes 62 s,
//   and the whole capture 63 s, plus the calculator's first answer.
inline constexpr Millis kSlowAdapterByte{80};

constexpr LinkTimeouts cableTimeouts(int cableCode)
{
    LinkTimeouts timeouts;
    if (cableCode == kCableBlack) {
        timeouts.packet = kSlowAdapterByte * int(kDataPacketBytes);
        timeouts.capture = kSlowAdapterByte * int(kCaptureBytes) + timeouts.reply;
    }
    return timeouts;
}

// Which cable on which port: what the Link Settings menu, the stored
// settings and the options --cable and --port choose, and what every
// program opens. A value; opening it is the transport factory's.
struct LinkChoice {
    // The cables, numbered as the menu and the stored settings number them.
    enum Cable { Black = 0, Gray = 1, Usb = 2 };
    // The serial ports' numbers, as the menu numbers its COM1 to COM4.
    static constexpr int kFirstPort = 1, kLastPort = 4;

    Cable cable = Black;
    // The serial port. Kept with the USB cable too, which reads none, as the
    // menu keeps its tick for when a serial cable comes back.
    int port = kFirstPort;
    // With the USB cable: which device, by number or by where it is plugged
    // in. The window always reads the first; the stored settings keep no device.
    UsbDevice usb;

    bool operator==(const LinkChoice &) const = default;

    // The cable code Connect takes: 2 Black, 1 Gray, 5 USB.
    int cableCode() const;
    // The device name Connect takes: the port's name, or for the USB cable
    // "\\.\Usb" and the device's number ("\\.\Usb0" for the first), or "-"
    // and its port path ("\\.\Usb-1-1.3").
    std::string deviceName() const;
    // Where the cable is, as --port names it and a file name may hold it:
    // "COM1" ..., "USB0" ..., or "USB-1-1.3".
    std::string place() const;
    // What a person reads, in the user's language: "COM1, Gray cable"; "USB
    // cable" for the first USB device, "USB cable, USB1" or "USB cable,
    // USB-1-1.3" for another.
    std::string label() const;

    // A cable's name as the menu shows it, in the user's language
    // ("unknown" for any other number); and in English, for the trace.
    static std::string cableName(int cable);
    static const char *englishCableName(int cable);
    // The name of a port: "COM" and the last digit of its number (1 to 4
    // give COM1 to COM4, an unticked port 0 "COM0").
    static std::string portName(int port);

    // The ticked cable and port items, either perhaps none: no cable, or any
    // number but Gray's and USB's, counts as Black, and no port as 0.
    static LinkChoice ofMenus(std::optional<int> cable, std::optional<int> port);
    // What a cable code and a device name mean, as Connect takes them
    // ("COM1" to "COM4", "\\.\Usb0" to "\\.\Usb99", "\\.\Usb-1-1.3" and
    // other port paths that usbPortPath() accepts). An unknown code or name,
    // or a USB name for a serial cable and the other way round, throws
    // LinkError kInvalidArgument with a sentence that names it.
    static LinkChoice ofDevice(int cableCode, const std::string &deviceName);

    // This choice with the options --port (COM1 to COM4, or USB0 to USB99,
    // or USB- and a port path, any case) and --cable (black, gray or usb, any
    // case) over it, each when given; or which of them is wrong: a port or a
    // cable it does not know, a USB device past USB99, or a USB device for a
    // serial cable.
    enum class OptionFault { None, Port, UsbNumber, Cable, UsbPortWithSerialCable };
    OptionFault takeOptions(const std::optional<std::string> &portOption,
                            const std::optional<std::string> &cableOption);
};

// Throws the LinkError kInvalidArgument of a device name the link does not know.
[[noreturn]] void refuseDeviceName(const std::string &deviceName);

} // namespace calclink
