#pragma once

#include <QFrame>
#include <QImage>

#include <utility>

#include "raster.h"
#include "render.h"
#include "screenmetrics.h"

// The display's picture box: a sunken two-pixel frame around an image, placed
// on the window in twips. What it shows is exactly `Image`; where the image
// does not reach (just after a resize, before the next picture), BackColor.
class Surface : public QFrame {
    Q_OBJECT

public:
    Surface(ScreenMetrics metrics, QWidget *parent = nullptr);

    // The outer place and size in twips of the window's client area, applied
    // in whole pixels (to the nearest, halves to even) and read back as applied.
    float Left() const { return float(left_ * metrics_.twipsPerPixelX); }
    float Top() const { return float(top_ * metrics_.twipsPerPixelY); }
    float Width() const { return float(width_ * metrics_.twipsPerPixelX); }
    float Height() const { return float(height_ * metrics_.twipsPerPixelY); }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);

    // The drawing area inside the frame, in pixels.
    QSize innerSize() const;

    raster::Colour ForeColor() const { return foreColor_; }
    void setForeColor(raster::Colour colour) { foreColor_ = colour; }
    raster::Colour BackColor() const { return backColor_; }
    void setBackColor(raster::Colour colour) { backColor_ = colour; }

    const QImage &Image() const { return image_; }
    void setImage(const QImage &image);
    // The image, leaving none, for the next picture to be drawn over.
    QImage takeImage() { return std::exchange(image_, QImage()); }
    // The drawing area in BackColor only.
    void Cls();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyGeometry();

    const ScreenMetrics metrics_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0; // outer, in pixels
    raster::Colour foreColor_ = raster::kBlack;
    raster::Colour backColor_ = raster::kWhite;
    QImage image_;
};
