#include "screenmetrics.h"

#include <QScreen>

#include <cmath>

static int twipsPerPixel(double dotsPerInch)
{
    return dotsPerInch > 0 ? std::max(1, int(std::lround(1440.0 / dotsPerInch))) : 15;
}

ScreenMetrics ScreenMetrics::of(const QScreen *screen)
{
    if (!screen)
        return {};
    return {twipsPerPixel(screen->logicalDotsPerInchX()), twipsPerPixel(screen->logicalDotsPerInchY())};
}
