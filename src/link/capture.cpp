#include "capture.h"

#include <ctime>

#include "calclink.h"
#include "linkerror.h"
#include "translation.h"

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

} // namespace

bool CaptureResult::cancelled() const { return !screen && number == kCancelled; }

std::string CaptureResult::why() const
{
    std::string line = hexadecimal(number);
    for (const std::string *part : {&description, &detail})
        if (!part->empty())
            line += ": " + *part;
    return line;
}

CaptureResult capture(const LinkChoice &choice, Stop &stop, const std::function<void()> &connected,
                      std::optional<LinkTimeouts> timeouts, const Trace &trace)
{
    if (trace.on()) {
        const std::time_t now = std::time(nullptr);
        char when[32];
        std::tm local{};
        ::localtime_r(&now, &local); // captures run on threads of their own
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S %z", &local);
        trace.event("capture: " + choice.deviceName() + ", cable code " + std::to_string(choice.cableCode()) + " (" +
                    LinkChoice::englishCableName(choice.cable) + "), at " + when);
    }
    CaptureResult result;
    stop.clearLimit(); // the limit of a capture before, with the same stop, is not this one's
    try {
        stop.check(); // cancelled already: no port is opened
        CalcScreen screen;
        screen.Configure(26);
        CalcLink link(stop, timeouts, trace);
        link.Connect(choice);
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
