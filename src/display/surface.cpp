#include "surface.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

using raster::Colour;

static QRgb toRgb(Colour c) { return qRgb(raster::red(c), raster::green(c), raster::blue(c)); }

Surface::Surface(int twipsPerPixelX, int twipsPerPixelY, Border border, QWidget *parent)
    : QFrame(parent), tppX_(twipsPerPixelX), tppY_(twipsPerPixelY), border_(border),
      x_{twipsPerPixelX}, y_{twipsPerPixelY}
{
    if (border_ == Border::Sunken) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(frameWidthPx());
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    // The image is the whole picture; nothing of the widget's own background shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyGeometry();
}

void Surface::setLeft(float twips)
{
    left_ = raster::pixelsFromTwips(twips, tppX_);
    applyGeometry();
}

void Surface::setTop(float twips)
{
    top_ = raster::pixelsFromTwips(twips, tppY_);
    applyGeometry();
}

void Surface::setWidth(float twips)
{
    width_ = std::max(0, raster::pixelsFromTwips(twips, tppX_));
    applyGeometry();
}

void Surface::setHeight(float twips)
{
    height_ = std::max(0, raster::pixelsFromTwips(twips, tppY_));
    applyGeometry();
}

// The persistent image follows the inner area: what was drawn stays at the
// top left, new parts take BackColor.
void Surface::applyGeometry()
{
    setGeometry(left_, top_, width_, height_);
    const int innerWidth = std::max(0, width_ - 2 * frameWidthPx());
    const int innerHeight = std::max(0, height_ - 2 * frameWidthPx());
    x_.pixels = innerWidth;
    y_.pixels = innerHeight;
    refreshScale();
    if (image_.width() == innerWidth && image_.height() == innerHeight)
        return;
    QImage resized;
    if (innerWidth > 0 && innerHeight > 0) {
        resized = QImage(innerWidth, innerHeight, QImage::Format_RGB32);
        resized.fill(toRgb(backColor_));
        if (!image_.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(0, 0, image_);
        }
    }
    image_ = resized;
    stride_ = image_.bytesPerLine() / int(sizeof(QRgb));
    scheduleRepaint();
}

void Surface::setScaleMode(int mode)
{
    scaleMode_ = mode;
    if (mode != User)
        x_.origin = y_.origin = 0;
    refreshScale();
}

// Leaving twips or pixels keeps the current values of both axes as the user
// scale, so that setting one axis leaves the other where it was.
void Surface::enterUserScale()
{
    if (scaleMode_ == User)
        return;
    x_.origin = scaleOrigin(x_);
    x_.extent = scaleExtent(x_);
    y_.origin = scaleOrigin(y_);
    y_.extent = scaleExtent(y_);
    scaleMode_ = User;
}

double Surface::scaleExtent(const Axis &axis) const
{
    switch (scaleMode_) {
    case User:
        return axis.extent;
    case Pixels:
        return axis.pixels;
    default:
        return double(axis.pixels) * axis.twipsPerPixel;
    }
}

double Surface::scaleOrigin(const Axis &axis) const { return scaleMode_ == User ? axis.origin : 0.0; }

float Surface::ScaleLeft() const { return float(scaleOrigin(x_)); }
float Surface::ScaleTop() const { return float(scaleOrigin(y_)); }
float Surface::ScaleWidth() const { return float(scaleExtent(x_)); }
float Surface::ScaleHeight() const { return float(scaleExtent(y_)); }

void Surface::setScaleLeft(float units)
{
    enterUserScale();
    x_.origin = units;
    refreshScale();
}

void Surface::setScaleTop(float units)
{
    enterUserScale();
    y_.origin = units;
    refreshScale();
}

void Surface::setScaleWidth(float units)
{
    enterUserScale();
    x_.extent = units;
    refreshScale();
}

void Surface::setScaleHeight(float units)
{
    enterUserScale();
    y_.extent = units;
    refreshScale();
}

// Pixels per unit and the unit at the inner area's start, for each axis,
// worked out again whenever the scale or the size changes: the drawing calls
// then convert with one subtraction and one multiplication.
void Surface::refreshScale()
{
    for (Axis *axis : {&x_, &y_}) {
        switch (scaleMode_) {
        case User:
            // A scale of no extent maps everything to the area's start.
            axis->pixelsPerUnit = axis->extent == 0 ? 0.0 : axis->pixels / axis->extent;
            axis->start = axis->origin;
            break;
        case Pixels:
            axis->pixelsPerUnit = 1.0;
            axis->start = 0;
            break;
        default:
            axis->pixelsPerUnit = 1.0 / axis->twipsPerPixel;
            axis->start = 0;
        }
    }
}

// A position in current units as a fractional pixel of the inner area.
double Surface::toPixel(const Axis &axis, double units) const { return (units - axis.start) * axis.pixelsPerUnit; }

void Surface::setPicture(const QImage &picture)
{
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    Cls();
}

void Surface::Cls()
{
    currentX_ = currentY_ = 0;
    if (image_.isNull())
        return;
    image_.fill(toRgb(backColor_));
    if (!picture_.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(0, 0, picture_);
    }
    scheduleRepaint();
}

Colour Surface::Point(float x, float y) const
{
    const int px = raster::pixelOf(toPixel(x_, x));
    const int py = raster::pixelOf(toPixel(y_, y));
    if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height())
        return raster::kNoColour;
    const QRgb rgb = image_.pixel(px, py);
    return raster::rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void Surface::fillPixels(int x1, int y1, int x2, int y2, QRgb rgb)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, image_.width() - 1);
    y2 = std::min(y2, image_.height() - 1);
    if (x1 > x2 || y1 > y2)
        return;
    // bits() once: each scanLine() would check again whether the clipboard still shares the image.
    auto *row = reinterpret_cast<QRgb *>(image_.bits()) + qsizetype(y1) * stride_;
    for (int y = y1; y <= y2; ++y, row += stride_)
        std::fill(row + x1, row + x2 + 1, rgb);
}

// A line from pixel to pixel, both ends included, drawn with a square pen of
// DrawWidth pixels centred on each pixel it passes through.
void Surface::stampLine(int px1, int py1, int px2, int py2, QRgb rgb)
{
    const int before = (drawWidth_ - 1) / 2;
    const int after = drawWidth_ / 2;
    if (px1 == px2 || py1 == py2) { // the pen's sweep along an axis is one rectangle
        fillPixels(std::min(px1, px2) - before, std::min(py1, py2) - before,
                   std::max(px1, px2) + after, std::max(py1, py2) + after, rgb);
        return;
    }
    const int dx = std::abs(px2 - px1), sx = px1 < px2 ? 1 : -1;
    const int dy = -std::abs(py2 - py1), sy = py1 < py2 ? 1 : -1;
    int error = dx + dy;
    for (int x = px1, y = py1;;) {
        fillPixels(x - before, y - before, x + after, y + after, rgb);
        if (x == px2 && y == py2)
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Surface::Line(int flags, float x1, float y1, float x2, float y2, Colour colour)
{
    if (!(flags & kStartGiven)) {
        x1 = currentX_;
        y1 = currentY_;
    }
    currentX_ = x2;
    currentY_ = y2;
    if (image_.isNull())
        return;
    const QRgb rgb = toRgb((flags & kColourGiven) ? colour : foreColor_);
    const double fx1 = toPixel(x_, x1), fy1 = toPixel(y_, y1);
    const double fx2 = toPixel(x_, x2), fy2 = toPixel(y_, y2);

    if (flags & kFilledBox) {
        const raster::Span xs = raster::coverSpan(fx1, fx2);
        const raster::Span ys = raster::coverSpan(fy1, fy2);
        fillPixels(xs.first, ys.first, xs.last, ys.last, rgb);
    } else {
        const int px1 = raster::pixelOf(fx1), py1 = raster::pixelOf(fy1);
        const int px2 = raster::pixelOf(fx2), py2 = raster::pixelOf(fy2);
        if (flags & kBox) {
            stampLine(px1, py1, px2, py1, rgb);
            stampLine(px2, py1, px2, py2, rgb);
            stampLine(px2, py2, px1, py2, rgb);
            stampLine(px1, py2, px1, py1, rgb);
        } else {
            stampLine(px1, py1, px2, py2, rgb);
        }
    }
    scheduleRepaint();
}

// A redraw makes thousands of drawing calls; the widget is asked to repaint
// once, and asks again only after it has painted.
void Surface::scheduleRepaint()
{
    if (repaintScheduled_)
        return;
    repaintScheduled_ = true;
    update();
}

void Surface::paintEvent(QPaintEvent *event)
{
    repaintScheduled_ = false;
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}
