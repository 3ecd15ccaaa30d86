#include "storedvalue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace storedvalue {

static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
static bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether a number that a double cannot hold is too large rather than too
// small: the power of ten of its first significant digit, plus its exponent,
// is above zero. The sign of the exponent alone does not tell (a long row of
// digits, or of zeros after the point, outweighs it). `number` is a sign,
// digits with at most one point, and an optional exponent "e" with digits.
static bool tooLarge(const std::string &number)
{
    const size_t exponentAt = number.find('e');
    const std::string_view mantissa = std::string_view(number).substr(0, exponentAt);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false; // all zeros: 0 is never out of range, but it is not large
    long long power = first < point ? (long long)(point - first) - 1 : -(long long)(first - point);

    if (exponentAt != std::string::npos) {
        size_t i = exponentAt + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        // The mantissa's power is smaller than the text is long, so an
        // exponent capped just above that length keeps the sum's sign.
        const long long cap = (long long)number.size() + 1;
        long long exponent = 0;
        for (; i < number.size(); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), cap);
        power += negative ? -exponent : exponent;
    }
    return power > 0;
}

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

    // from_chars takes no leading '+', and ignores the locale.
    const char *first = number.data() + (number[0] == '+' ? 1 : 0);
    const char *last = number.data() + number.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too small a number reads as 0, too large as an infinity.
        if (!tooLarge(number))
            return 0;
        const double infinity = std::numeric_limits<double>::infinity();
        return number[0] == '-' ? -infinity : infinity;
    }
    return error == std::errc() ? value : 0;
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
