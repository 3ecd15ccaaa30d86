#pragma once

#include <QString>

#include <string>

// The two ways Label1 writes the zoom factor.
namespace zoomlabel {

// A blank before a number of 0 or more, a full stop whatever the locale, no 0
// before it below 1 and no trailing zeros: " 3", " 2.5", " .5", " 0".
std::string fixedForm(double value);

// The user's locale: "3", "2.5" (or "2,5"), "0.5", "0".
QString localeForm(double value);

} // namespace zoomlabel
