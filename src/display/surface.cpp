#include "surface.h"

#include <QPainter>

#include <algorithm>

Surface::Surface(ScreenMetrics metrics, QWidget *parent) : QFrame(parent), metrics_(metrics)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(display::kFrameWidth);
    // The image and BackColor cover the whole inside; nothing of the widget's own background shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyGeometry();
}

void Surface::setLeft(float twips)
{
    left_ = raster::pixelsFromTwips(twips, metrics_.twipsPerPixelX);
    applyGeometry();
}

void Surface::setTop(float twips)
{
    top_ = raster::pixelsFromTwips(twips, metrics_.twipsPerPixelY);
    applyGeometry();
}

void Surface::setWidth(float twips)
{
    width_ = std::max(0, raster::pixelsFromTwips(twips, metrics_.twipsPerPixelX));
    applyGeometry();
}

void Surface::setHeight(float twips)
{
    height_ = std::max(0, raster::pixelsFromTwips(twips, metrics_.twipsPerPixelY));
    applyGeometry();
}

void Surface::applyGeometry() { setGeometry(left_, top_, width_, height_); }

QSize Surface::innerSize() const
{
    return {std::max(0, width_ - 2 * display::kFrameWidth), std::max(0, height_ - 2 * display::kFrameWidth)};
}

void Surface::setImage(const QImage &image)
{
    image_ = image;
    update();
}

void Surface::Cls()
{
    QImage blank;
    if (!innerSize().isEmpty()) {
        blank = QImage(innerSize(), QImage::Format_RGB32);
        blank.fill(display::rgbOf(backColor_));
    }
    setImage(blank);
}

void Surface::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    const QRect picture(inside.topLeft(), image_.size());
    const QColor back(display::rgbOf(backColor_));
    for (const QRect &rest : QRegion(inside).subtracted(picture))
        painter.fillRect(rest, back);
    painter.drawImage(inside.topLeft(), image_);
}
