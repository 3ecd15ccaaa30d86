#include "linkerror.h"

#include <cctype>
#include <cstring>

namespace calclink {

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
