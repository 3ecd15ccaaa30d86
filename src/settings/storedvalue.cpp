#include "storedvalue.h"

#include <cmath>
#include <limits>
#include <string>

#include <locale.h>
#include <stdlib.h>

namespace storedvalue {

double textToNumber(std::string_view text)
{
    // Cut before the first character that no decimal number holds, so that
    // strtod() reads no hexadecimal number, infinity or NaN. The C locale,
    // as the toolkit sets the user's for the whole program.
    std::string number;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if ((c < '0' || c > '9') && c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E')
            break;
        number.push_back(c);
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

std::optional<int32_t> toInt32(double number)
{
    const double whole = std::nearbyint(number); // a NaN stays one, and lies within no bounds
    if (!(whole >= double(std::numeric_limits<int32_t>::min()) && whole <= double(std::numeric_limits<int32_t>::max())))
        return std::nullopt;
    return int32_t(whole);
}

} // namespace storedvalue
