#pragma once

class QScreen;

// How many twips (1/1440 inch) one screen pixel spans, across and down:
// 1440 divided by the screen's logical dots per inch, as a whole number
// (15 at 96 dpi, 12 at 120 dpi).
struct ScreenMetrics {
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;

    static ScreenMetrics of(const QScreen *screen);
};
