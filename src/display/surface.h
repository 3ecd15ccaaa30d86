#pragma once

#include <QFrame>
#include <QImage>

#include "raster.h"

// A picture surface: a persistent in-memory image of its inner area that the
// window shows, with a coordinate system (twips, pixels or a scale of its
// own), a pen, and the clearing, reading and line and box drawing the window
// draws with. Positions and sizes are in twips of the window's client area;
// whatever is drawn stays in `Image`, which is exactly what the user sees.
class Surface : public QFrame {
    Q_OBJECT

public:
    using Colour = raster::Colour;

    enum class Border { None, Sunken }; // Sunken: a 2-pixel frame on every side
    enum ScaleModes { User = 0, Twips = 1, Pixels = 3 };

    // Line flags: a colour is given, a start point is given, a box outline, a filled box.
    static constexpr int kColourGiven = 0x02;
    static constexpr int kStartGiven = 0x04;
    static constexpr int kBox = 0x10;
    static constexpr int kFilledBox = 0x20;

    Surface(int twipsPerPixelX, int twipsPerPixelY, Border border, QWidget *parent = nullptr);

    float Left() const { return float(left_ * tppX_); }
    float Top() const { return float(top_ * tppY_); }
    float Width() const { return float(width_ * tppX_); }
    float Height() const { return float(height_ * tppY_); }
    // Applied in whole pixels (to the nearest, halves to even); read back as applied.
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);

    int ScaleMode() const { return scaleMode_; }
    // Twips or Pixels: the origin goes back to (0, 0).
    void setScaleMode(int mode);
    float ScaleLeft() const;
    float ScaleTop() const;
    float ScaleWidth() const;
    float ScaleHeight() const;
    // Each makes the scale user-defined, so that the inner area spans exactly
    // the given number of units; the other values keep what they were.
    void setScaleLeft(float units);
    void setScaleTop(float units);
    void setScaleWidth(float units);
    void setScaleHeight(float units);

    Colour ForeColor() const { return foreColor_; }
    void setForeColor(Colour colour) { foreColor_ = colour; }
    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour colour) { backColor_ = colour; }

    // The pen. Every line is drawn in copy mode (13), the only raster mode the
    // program uses; inside-solid (6) draws lines like solid (0).
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }
    int DrawStyle() const { return drawStyle_; }
    void setDrawStyle(int style) { drawStyle_ = style; }
    int DrawMode() const { return drawMode_; }
    void setDrawMode(int mode) { drawMode_ = mode; }

    // A picture painted from the inner area's top left at its own size, at
    // once and after every Cls.
    const QImage &Picture() const { return picture_; }
    void setPicture(const QImage &picture);
    // Everything the inner area shows.
    const QImage &Image() const { return image_; }

    // Fills the inner area with BackColor and paints Picture over it.
    void Cls();
    // The colour under a point in current units; -1 outside the inner area.
    Colour Point(float x, float y) const;
    // A straight line, a box outline or a filled box, by the flags above.
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour = 0);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Axis {
        int twipsPerPixel;
        int pixels = 0;        // extent of the inner area
        double origin = 0;     // user scale: the unit at the inner area's start
        double extent = 0;     // user scale: units across the inner area
        double start = 0;         // the unit at the inner area's start, in the current scale
        double pixelsPerUnit = 0; // in the current scale
    };

    int frameWidthPx() const { return border_ == Border::Sunken ? 2 : 0; }
    void applyGeometry();
    void enterUserScale();
    double scaleExtent(const Axis &axis) const;
    double scaleOrigin(const Axis &axis) const;
    void refreshScale();
    double toPixel(const Axis &axis, double units) const;
    void fillPixels(int x1, int y1, int x2, int y2, QRgb rgb); // inclusive, clipped
    void scheduleRepaint();
    void stampLine(int px1, int py1, int px2, int py2, QRgb rgb);

    const int tppX_;
    const int tppY_;
    const Border border_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0; // outer, in pixels
    int scaleMode_ = Twips;
    Axis x_, y_;
    Colour foreColor_ = raster::kBlack;
    Colour backColor_ = raster::kWhite;
    int drawWidth_ = 1;
    int drawStyle_ = 0;
    int drawMode_ = 13;
    float currentX_ = 0, currentY_ = 0;
    QImage picture_;
    QImage image_;
    int stride_ = 0; // pixels from one row of image_ to the next
    bool repaintScheduled_ = false;
};
