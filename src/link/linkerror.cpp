#include "linkerror.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace calclink {

std::string hexadecimal(uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, unsigned(value));
    return text;
}

LinkError systemError(int err, const std::string &deviceName, const std::string &path,
                      const std::string &doing, const std::string &advice)
{
    std::string sentence = doing;
    if (!sentence.empty())
        sentence[0] = char(std::toupper(static_cast<unsigned char>(sentence[0])));
    sentence += ' ' + deviceName;
    if (!path.empty() && path != deviceName)
        sentence += " (" + path + ")";
    sentence += " failed: ";
    sentence += std::strerror(err);
    sentence += '.';
    if (!advice.empty())
        sentence += ' ' + advice;
    return LinkError(kSystemErrorBase + uint32_t(err), sentence);
}

} // namespace calclink
