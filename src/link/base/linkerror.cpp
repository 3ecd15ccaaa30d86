#include "linkerror.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "translation.h"

namespace calclink {

std::string hexadecimal(uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, unsigned(value));
    return text;
}

std::string quotedProduct(const std::string &product)
{
    if (product.empty())
        return {};
    std::string shown = "\"";
    for (const char c : product.substr(0, 126))
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return shown + "\"";
}

namespace {

// What systemError() says for each Doing, in its order: %1 the device, %2 the system's reason.
constexpr const char *kFailedSentences[] = {
    CALCLINK_TRANSLATE_NOOP("calclink", "Opening %1 failed: %2."),
    CALCLINK_TRANSLATE_NOOP("calclink", "Setting up %1 failed: %2."),
    CALCLINK_TRANSLATE_NOOP("calclink", "Reading from %1 failed: %2."),
    CALCLINK_TRANSLATE_NOOP("calclink", "Writing to %1 failed: %2."),
    CALCLINK_TRANSLATE_NOOP("calclink", "Using the modem lines of %1 failed: %2."),
    CALCLINK_TRANSLATE_NOOP("calclink", "Setting the modem lines of %1 failed: %2."),
    CALCLINK_TRANSLATE_NOOP("calclink", "Reading the modem lines of %1 failed: %2."),
};
static_assert(std::size(kFailedSentences) == size_t(Doing::ReadingModemLines) + 1);

} // namespace

LinkError systemError(int err, const std::string &deviceName, const std::string &path, Doing doing,
                      const std::string &advice)
{
    std::string device = deviceName;
    if (!path.empty() && path != deviceName)
        device += " (" + path + ")";
    std::string sentence =
        fill(translate("calclink", kFailedSentences[size_t(doing)]), {device, std::strerror(err)});
    if (!advice.empty())
        sentence += ' ' + advice;
    return LinkError(kSystemErrorBase + uint32_t(err), sentence);
}

} // namespace calclink
