#pragma once

// Pictures the tests build and look into.

#include <QImage>
#include <QList>
#include <QPoint>

#include <initializer_list>

#include "bitmap.h"
#include "render.h"

// The pixels of `image` that are not `colour`, row by row.
inline QList<QPoint> pixelsNot(const QImage &image, QRgb colour)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != colour)
                points << QPoint(x, y);
    return points;
}

// A calculator screen with these pixels dark, as the renderer reads it.
inline QImage screenWith(std::initializer_list<QPoint> dark)
{
    calclink::Bitmap bitmap{};
    for (QPoint p : dark)
        calclink::setDark(bitmap, p.x(), p.y());
    return display::screenImage(bitmap);
}

// Whether `screen`, a capture surface such as Picture2, holds `bitmap`:
// black where the calculator's pixel is dark, white elsewhere.
inline bool holdsScreen(const QImage &screen, const calclink::Bitmap &bitmap)
{
    if (screen.size() != QSize(calclink::kScreenWidth, calclink::kScreenHeight))
        return false;
    for (int y = 0; y < calclink::kScreenHeight; ++y)
        for (int x = 0; x < calclink::kScreenWidth; ++x)
            if (screen.pixel(x, y) != (calclink::isDark(bitmap, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255)))
                return false;
    return true;
}
