#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reading the texts of the settings store. No Qt here.
namespace storedvalue {

// The number written at the start of `text`: optional sign, digits, decimal
// point, exponent; blanks anywhere are ignored, and reading stops at the
// first character that cannot continue the number. No number gives 0, so an
// absent key, an empty text and "0" read alike. Always reads "." as the
// decimal point, whatever the user's locale. Too large a number reads as an
// infinity.
double textToNumber(std::string_view text);

// To the nearest whole number, halves to even; nothing when the number does
// not fit (an infinity, a NaN, or too large for the integer).
std::optional<int32_t> toInt32(double number);

} // namespace storedvalue
