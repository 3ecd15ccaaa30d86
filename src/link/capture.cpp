#include "capture.h"

#include <ctime>

#include "calclink.h"
#include "linkerror.h"
#include "translation.h"
#include "transports.h"

namespace calclink {

namespace {

bool equalsIgnoringCase(const std::string &text, const char *word)
{
    size_t i = 0;
    for (; word[i]; ++i) {
        if (i == text.size())
            return false;
        const char c = text[i] >= 'a' && text[i] <= 'z' ? char(text[i] - 'a' + 'A') : text[i];
        if (c != word[i])
            return false;
    }
    return i == text.size();
}

// The cables' names in English, for the trace, and to be looked up in the user's language.
const char *englishCableName(int cableIndex)
{
    static const char *const names[] = {CALCLINK_TRANSLATE_NOOP("calclink", "Black"),
                                        CALCLINK_TRANSLATE_NOOP("calclink", "Gray"),
                                        CALCLINK_TRANSLATE_NOOP("calclink", "USB")};
    return cableIndex >= kMenuBlack && cableIndex <= kMenuUsb ? names[cableIndex]
                                                              : CALCLINK_TRANSLATE_NOOP("calclink", "unknown");
}

} // namespace

std::string cableName(int cableIndex) { return translate("calclink", englishCableName(cableIndex)); }

int cableCodeOf(int cableIndex)
{
    switch (cableIndex) {
    case kMenuGray:
        return kCableGray;
    case kMenuUsb:
        return kCableUsb;
    default:
        return kCableBlack;
    }
}

std::string portName(int portIndex)
{
    const std::string digits = std::to_string(portIndex);
    return "COM" + digits.substr(digits.size() - 1);
}

std::string deviceNameOf(int cableIndex, int portIndex, int usbIndex)
{
    return cableIndex == kMenuUsb ? "\\\\.\\Usb" + std::to_string(usbIndex) : portName(portIndex);
}

bool CaptureResult::cancelled() const { return !screen && number == kCancelled; }

std::string CaptureResult::why() const
{
    std::string line = hexadecimal(number);
    for (const std::string *part : {&description, &detail})
        if (!part->empty())
            line += ": " + *part;
    return line;
}

CaptureResult capture(int cableCode, const std::string &deviceName, Stop &stop,
                      const std::function<void()> &connected, std::optional<LinkTimeouts> timeouts,
                      const Trace &trace)
{
    if (trace.on()) {
        const std::time_t now = std::time(nullptr);
        char when[32];
        std::tm local{};
        ::localtime_r(&now, &local); // captures run on threads of their own
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S %z", &local);
        const char *cable = "unknown";
        for (const int index : {kMenuBlack, kMenuGray, kMenuUsb})
            if (cableCodeOf(index) == cableCode)
                cable = englishCableName(index);
        trace.event("capture: " + deviceName + ", cable code " + std::to_string(cableCode) + " (" + cable + "), at " +
                    when);
    }
    CaptureResult result;
    stop.clearLimit(); // the limit of a capture before, with the same stop, is not this one's
    try {
        stop.check(); // cancelled already: no port is opened
        CalcScreen screen;
        screen.Configure(26);
        CalcLink link(stop, timeouts, trace);
        link.Connect(cableCode, deviceName);
        if (connected)
            connected();
        link.GetScreen(screen);
        result.screen = screen.GetPicture();
    } catch (const LinkError &error) {
        result.number = error.number();
        result.description = error.description();
        result.detail = error.detail();
        result.silent = error.silent();
    } catch (const std::exception &error) {
        result.number = kNoAnswer;
        result.description = error.what();
    }
    if (trace.on())
        trace.event(result.screen      ? "result: the screen"
                    : result.cancelled() ? "result: cancelled"
                                         : "result: " + result.why());
    return result;
}

CaptureMessage captureMessage(uint32_t number, std::string description)
{
    if (description.empty())
        description = "Automation error";
    if (equalsIgnoringCase(description, "AUTOMATION ERROR"))
        return {translate("calclink", "Ekrano Error"),
                translate("calclink", "Error...\r\nCheck calculator, connection, & 'Link Settings'")};
    return {"Ekrano", hexadecimal(number) + "\r\n" + description};
}

} // namespace calclink
