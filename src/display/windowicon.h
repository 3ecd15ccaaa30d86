#pragma once

#include <QIcon>

namespace display {

// The icon of the program's windows, ekrano.xpm from the library's resources.
QIcon windowIcon();

} // namespace display
