#include "storedvalue.h"

#include <cmath>
#include <limits>
#include <string>

#include <locale.h>
#include <stdlib.h>

namespace storedvalue {

static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
static bool isDigit(char c) { return c >= '0' && c <= '9'; }

double textToNumber(std::string_view text)
{
    std::string squeezed;
    squeezed.reserve(text.size());
    for (char c : text)
        if (!isBlank(c))
            squeezed.push_back(c);

    // The longest prefix that forms a number.
    size_t i = 0;
    std::string number;
    if (i < squeezed.size() && (squeezed[i] == '+' || squeezed[i] == '-'))
        number.push_back(squeezed[i++]);
    bool digits = false;
    while (i < squeezed.size() && isDigit(squeezed[i])) {
        number.push_back(squeezed[i++]);
        digits = true;
    }
    if (i < squeezed.size() && squeezed[i] == '.') {
        number.push_back(squeezed[i++]);
        while (i < squeezed.size() && isDigit(squeezed[i])) {
            number.push_back(squeezed[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < squeezed.size() && (squeezed[i] == 'e' || squeezed[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < squeezed.size() && (squeezed[j] == '+' || squeezed[j] == '-'))
            exponent.push_back(squeezed[j++]);
        bool exponentDigits = false;
        while (j < squeezed.size() && isDigit(squeezed[j])) {
            exponent.push_back(squeezed[j++]);
            exponentDigits = true;
        }
        if (exponentDigits)
            number += exponent;
    }

    // Read in the C locale, whatever the user's (the toolkit sets the
    // user's for the whole program): "." is always the decimal point. Too
    // large a number gives an infinity of its sign, too small one 0.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

template <typename Int>
static std::optional<Int> toInteger(double number)
{
    if (!std::isfinite(number))
        return std::nullopt;
    const double whole = std::nearbyint(number);
    if (whole < double(std::numeric_limits<Int>::min()) || whole > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(whole);
}

std::optional<int16_t> toInt16(double number) { return toInteger<int16_t>(number); }
std::optional<int32_t> toInt32(double number) { return toInteger<int32_t>(number); }

} // namespace storedvalue
