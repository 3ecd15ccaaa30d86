#include "usbdevice.h"

namespace calclink {

namespace {

// The number 1 to 255 at the start of `text`, without leading zeros, and
// where it ends; nothing if there is none.
std::optional<size_t> numberEnd(std::string_view text, size_t at)
{
    size_t end = at;
    int value = 0;
    while (end < text.size() && end - at < 3 && text[end] >= '0' && text[end] <= '9')
        value = value * 10 + (text[end++] - '0');
    if (end == at || text[at] == '0' || value > 255 || (end < text.size() && text[end] >= '0' && text[end] <= '9'))
        return std::nullopt;
    return end;
}

} // namespace

std::optional<std::string> usbPortPath(std::string_view text)
{
    std::optional<size_t> end = numberEnd(text, 0);
    if (!end || *end == text.size() || text[*end] != '-')
        return std::nullopt;
    for (size_t ports = 0;; ++ports) {
        if (ports == kMostUsbPorts || !(end = numberEnd(text, *end + 1)))
            return std::nullopt;
        if (*end == text.size())
            return std::string(text);
        if (text[*end] != '.')
            return std::nullopt;
    }
}

std::string usbPortPathOf(uint8_t bus, const std::vector<uint8_t> &ports)
{
    if (ports.empty())
        return {};
    std::string path = std::to_string(bus) + "-";
    for (size_t i = 0; i < ports.size(); ++i)
        path += (i > 0 ? "." : "") + std::to_string(ports[i]);
    return path;
}

} // namespace calclink
