#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "bitmap.h"
#include "stop.h"
#include "timeouts.h"
#include "trace.h"

namespace calclink {

// How one capture ended: the screen, or why there is none.
struct CaptureResult {
    std::optional<Bitmap> screen;
    uint32_t number = 0;     // the failure's number (linkerror.h)
    std::string description; // the sentence for the user; empty for the calculator's failures
    std::string detail;      // what happened, for the log and bug reports
    bool silent = false;     // kNoAnswer: nothing came back at all (LinkError::silent())

    bool cancelled() const;
    // One line for the log: the number in hexadecimal, the description and the detail.
    std::string why() const;
};

// The cables as the link menus and the settings number them: 0 Black, 1
// Gray, 2 USB. The cable's name, as the menu shows it, in the user's
// language ("unknown" for any other number); the cable code Connect takes for one (any other number
// counts as Black); the name of a port: "COM" and the last digit of its
// number (1 to 4 give COM1 to COM4); and the device name of a cable on a
// port: for USB, which has no port, USB device `usbIndex` ("\\.\Usb0" for
// the first, which the window always reads), otherwise the port's name.
inline constexpr int kMenuBlack = 0, kMenuGray = 1, kMenuUsb = 2;
std::string cableName(int cableIndex);
int cableCodeOf(int cableIndex);
std::string portName(int portIndex);
std::string deviceNameOf(int cableIndex, int portIndex, int usbIndex = 0);

// Reads the calculator's screen once: Configure(26) on a CalcScreen,
// Connect(cableCode, deviceName) on a CalcLink, then `connected` (on the
// calling thread), GetScreen and GetPicture. Both objects are released,
// and the port restored, before it returns, on every path. Waits end early
// when `stop` is cancelled (the result is then kCancelled) and never last
// past the cable's limits, or `timeouts` where given. What it does, from the
// device opened to the result, goes to `trace`.
CaptureResult capture(int cableCode, const std::string &deviceName, Stop &stop,
                      const std::function<void()> &connected = {},
                      std::optional<LinkTimeouts> timeouts = std::nullopt, const Trace &trace = Trace::off());

// The message box that reports a failed capture.
struct CaptureMessage {
    std::string title;
    std::string text;
};

// A failure with no description of its own reads as the generic "Automation
// error"; that one, in any mix of case, sends the user to the calculator, the
// cable and the link settings. Every other failure shows its number in
// hexadecimal and its sentence, under the program's own name.
CaptureMessage captureMessage(uint32_t number, std::string description);

} // namespace calclink
