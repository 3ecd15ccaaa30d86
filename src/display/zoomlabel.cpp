#include "zoomlabel.h"

#include <QLocale>

#include <charconv>

namespace zoomlabel {

std::string fixedForm(double value)
{
    // The shortest text that reads back as the value, always with a full
    // stop: to_chars ignores the locale that the toolkit sets for the program.
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    std::string magnitude(digits, result.ptr);
    const bool negative = magnitude[0] == '-';
    if (negative)
        magnitude.erase(0, 1);
    if (magnitude.size() > 1 && magnitude[0] == '0' && magnitude[1] == '.')
        magnitude.erase(0, 1);
    return (negative ? "-" : " ") + magnitude;
}

QString localeForm(double value) { return QLocale().toString(value, 'g', 15); }

} // namespace zoomlabel
