#pragma once

#include <QImage>
#include <QWidget>

#include "bitmap.h"
#include "raster.h"

// The calculator's screen, as large as whole calculator pixels allow: scaled
// by the largest whole number that fits, so that every calculator pixel is
// the same square of screen pixels, and centred on the background colour.
class LiveScreen : public QWidget {
    Q_OBJECT

public:
    LiveScreen(raster::Colour foreColor, raster::Colour backColor, QWidget *parent = nullptr);

    void setScreen(const calclink::Bitmap &bitmap);
    // The whole number each calculator pixel is scaled by, in device pixels.
    int scale() const;

    // Draws `screen` (one pixel a calculator pixel) with `painter`, `scale`
    // device pixels a calculator pixel of `ratio` device pixels a pixel,
    // centred in `area` on a whole device pixel so that no square is cut.
    // Returns where it went.
    static QRectF draw(QPainter &painter, const QImage &screen, const QRect &area, int scale, double ratio);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage screen_; // one pixel a calculator pixel, in the foreground and background colours
    QColor back_;
};
