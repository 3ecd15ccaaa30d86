// The settings' text-to-number rule against a second, independent reading of
// the same rule (the longest prefix that forms a number, read by the C
// library in the "C" locale), and the integer conversions on every double,
// NaNs and infinities included.
//
// The input is the text; its first eight bytes, when there are eight, are
// also taken as a double for the conversions.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <locale.h>

#include "storedvalue.h"

namespace {

void require(bool condition, const char *what, std::string_view text)
{
    if (!condition) {
        std::fprintf(stderr, "stored value: %s (text of %zu bytes)\n", what, text.size());
        std::abort();
    }
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The rule read another way: drop the blanks, take the longest prefix of the
// form [+-] digits [. digits] [e [+-] digits] with at least one mantissa
// digit, and let strtod read it.
double referenceNumber(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (!isBlank(c))
            s.push_back(c);
    size_t i = 0, end = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digits = false;
    for (; i < s.size() && isDigit(s[i]); ++i)
        digits = true;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            digits = true;
    if (!digits)
        return 0;
    end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const size_t exponentStart = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j > exponentStart)
            end = j;
    }
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const std::string prefix = s.substr(0, end);
    return strtod_l(prefix.c_str(), nullptr, c);
}

template <typename Int>
void checkConversion(std::optional<Int> value, double number, std::string_view text)
{
    if (!std::isfinite(number)) {
        require(!value, "a NaN or an infinity converted to an integer", text);
        return;
    }
    const double whole = std::nearbyint(number);
    const bool fits = whole >= double(std::numeric_limits<Int>::min()) &&
                      whole <= double(std::numeric_limits<Int>::max());
    require(value.has_value() == fits, "a number that fits was refused, or one that does not was taken", text);
    if (!value)
        return;
    const double distance = std::fabs(number - double(*value));
    require(distance <= 0.5, "converted to an integer that is not the nearest", text);
    if (distance == 0.5)
        require(*value % 2 == 0, "a half did not round to even", text);
}

void checkConversions(double number, std::string_view text)
{
    checkConversion(storedvalue::toInt32(number), number, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double number = storedvalue::textToNumber(text);
    require(!std::isnan(number), "a text read as NaN", text);

    const double reference = referenceNumber(text);
    if (std::isinf(reference))
        require(number == reference, "too large a number did not read as the infinity of its sign", text);
    else if (std::fabs(reference) < DBL_MIN)
        require(std::fabs(number) < DBL_MIN, "too small a number did not read as (nearly) 0", text);
    else
        require(number == reference, "the number read is not the one written", text);

    checkConversions(number, text);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkConversions(raw, text);
    }
    return 0;
}
