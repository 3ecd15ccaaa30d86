#include "windowicon.h"

#include <QPixmap>

namespace display {

QIcon windowIcon()
{
    // The format named: otherwise every image reader is asked whether it can read the file.
    return QIcon(QPixmap(":/ekrano/ekrano.xpm", "XPM"));
}

} // namespace display
