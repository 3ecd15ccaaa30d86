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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage screen_; // one pixel a calculator pixel, in the foreground and background colours
    QColor back_;
};
