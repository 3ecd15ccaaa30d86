#include "render.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace display {

namespace {

using raster::Span;

// Clipped to [0, size): nothing when the span lies outside.
Span clipped(Span span, int size) { return {std::max(span.first, 0), std::min(span.last, size - 1)}; }

// The background painter: 256 bands of a 3-pixel pen, band i at i / 255 of
// the width (or height), the channels of band i spread from the start by
// (difference / 255) * i and rounded, a later band painting over an earlier
// one. Returns the colour that each column (or row) ends in.
std::vector<QRgb> Gradient(const GradedBackground &g, int across, QRgb back)
{
    const double redDifference = g.endRed - g.startRed;
    const double greenDifference = g.endGreen - g.startGreen;
    const double blueDifference = g.endBlue - g.startBlue;
    const double pixelsPerBand = across / 255.0;

    std::vector<QRgb> lines(size_t(across), back);
    for (int i = 0; i <= 255; ++i) {
        const double red = std::nearbyint(redDifference / 255 * i + g.startRed);
        const double green = std::nearbyint(greenDifference / 255 * i + g.startGreen);
        const double blue = std::nearbyint(blueDifference / 255 * i + g.startBlue);
        // Whole numbers between the start's and the end's channels: exact as int.
        const QRgb rgb = rgbOf(raster::rgb(int(red), int(green), int(blue)));
        const int centre = raster::pixelOf(double(float(i)) * pixelsPerBand);
        const Span pen = clipped({centre - 1, centre + 1}, across);
        for (int p = pen.first; p <= pen.last; ++p)
            lines[size_t(p)] = rgb;
    }
    return lines;
}

// The pixels a square of calculator pixel n covers along one axis: the
// square runs from n s to n s + s twips, s = zoom * t with t the screen's
// twips per pixel across (for both axes), and is placed in the axis' own
// twips per pixel.
Span squareSpan(int n, double s, int twipsPerPixel)
{
    const double a = n * s;
    const double b = a + s;
    return raster::coverSpan(double(float(a)) * (1.0 / twipsPerPixel), double(float(b)) * (1.0 / twipsPerPixel));
}

// Pixels [span.first, span.last] of a row in one colour.
void fill(QRgb *row, Span span, QRgb rgb)
{
    if (span.first <= span.last)
        std::fill(row + span.first, row + span.last + 1, rgb);
}

// The frame: the outline from (1, 1) to (w - 15, h - 15) twips, w and h the
// area's extent in twips, one pixel wide through the pixels of its corners.
void drawFrame(QImage &image, const Look &look, QRgb fore)
{
    const float w = float(double(image.width()) * look.twipsPerPixelX);
    const float h = float(double(image.height()) * look.twipsPerPixelY);
    const int x1 = raster::pixelOf(1.0 * (1.0 / look.twipsPerPixelX));
    const int y1 = raster::pixelOf(1.0 * (1.0 / look.twipsPerPixelY));
    const int x2 = raster::pixelOf(double(w - 15) * (1.0 / look.twipsPerPixelX));
    const int y2 = raster::pixelOf(double(h - 15) * (1.0 / look.twipsPerPixelY));
    const Span across = clipped({std::min(x1, x2), std::max(x1, x2)}, image.width());
    const Span down = clipped({std::min(y1, y2), std::max(y1, y2)}, image.height());
    for (int y : {y1, y2})
        if (y >= 0 && y < image.height())
            fill(reinterpret_cast<QRgb *>(image.scanLine(y)), across, fore);
    for (int x : {x1, x2})
        if (x >= 0 && x < image.width())
            for (int y = down.first; y <= down.last; ++y)
                reinterpret_cast<QRgb *>(image.scanLine(y))[x] = fore;
}

} // namespace

QImage render(const QImage &screen, const Look &look, QImage reuse)
{
    const int width = look.size.width(), height = look.size.height();
    if (width <= 0 || height <= 0)
        return {};
    QImage image = reuse.size() == look.size && reuse.format() == QImage::Format_RGB32
                       ? std::move(reuse)
                       : QImage(look.size, QImage::Format_RGB32);
    const QRgb fore = rgbOf(look.foreColor);
    const QRgb back = rgbOf(look.backColor);
    uchar *const bits = image.bits(); // once: every scanLine() asks whether the image is shared
    const qsizetype stride = image.bytesPerLine();
    const auto row = [&](int y) { return reinterpret_cast<QRgb *>(bits + y * stride); };

    // The background: one colour, or the gradient's bands down the columns
    // (or, horizontal, along the rows).
    if (!look.gradient) {
        image.fill(back);
    } else if (look.gradient->horizontal) {
        const std::vector<QRgb> bands = Gradient(*look.gradient, height, back);
        for (int y = 0; y < height; ++y)
            fill(row(y), {0, width - 1}, bands[size_t(y)]);
    } else {
        const std::vector<QRgb> bands = Gradient(*look.gradient, width, back);
        for (int y = 0; y < height; ++y)
            std::copy(bands.begin(), bands.end(), row(y));
    }

    // Every dark calculator pixel, one exactly black on the screen, as a
    // square of the zoom's side in the foreground colour. Squares side by
    // side tile, so a run of dark pixels is one stretch of each row, copied
    // from a row of the foreground colour (a copy is made of wide stores).
    const QImage pixels = screen.convertToFormat(QImage::Format_RGB32);
    const std::vector<QRgb> foreground(size_t(width), fore);
    const double s = look.zoomFactor * look.twipsPerPixelX;
    std::vector<Span> columns(size_t(pixels.width()));
    for (int x = 0; x < pixels.width(); ++x)
        columns[size_t(x)] = clipped(squareSpan(x, s, look.twipsPerPixelX), width);
    std::vector<Span> runs;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb *const line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        const auto dark = [&](int x) { return (line[x] & RGB_MASK) == 0; };
        runs.clear();
        for (int x = 0; x < pixels.width(); ++x) {
            if (!dark(x))
                continue;
            Span run = columns[size_t(x)];
            while (x + 1 < pixels.width() && dark(x + 1) && columns[size_t(x) + 1].first <= run.last + 1)
                run.last = std::max(run.last, columns[size_t(++x)].last);
            if (run.first <= run.last) // at the smallest zooms a square may cover no pixel
                runs.push_back(run);
        }
        const Span rows = clipped(squareSpan(y, s, look.twipsPerPixelY), height);
        for (int r = rows.first; r <= rows.last; ++r)
            for (const Span run : runs)
                std::copy(foreground.begin() + run.first, foreground.begin() + run.last + 1, row(r) + run.first);
    }

    if (look.border)
        drawFrame(image, look, fore);
    return image;
}

Look solidLook(double zoomFactor, int twipsPerPixelX, int twipsPerPixelY, raster::Colour foreColor,
               raster::Colour backColor, bool border)
{
    Look look;
    look.size = drawingArea(zoomFactor, twipsPerPixelX, twipsPerPixelY);
    look.zoomFactor = zoomFactor;
    look.twipsPerPixelX = twipsPerPixelX;
    look.twipsPerPixelY = twipsPerPixelY;
    look.foreColor = foreColor;
    look.backColor = backColor;
    look.border = border;
    return look;
}

QSize displaySize(double zoomFactor, int twipsPerPixelX, int twipsPerPixelY)
{
    // The screen and a margin of one calculator pixel around it.
    constexpr int across = calclink::kScreenWidth + 2, down = calclink::kScreenHeight + 2;
    const int width = raster::pixelsFromTwips(float(zoomFactor * (across * twipsPerPixelX)), twipsPerPixelX);
    const float appliedWidth = float(width * twipsPerPixelX);
    const int height = raster::pixelsFromTwips(float((double(down) / across) * appliedWidth), twipsPerPixelY);
    return {std::max(0, width), std::max(0, height)};
}

QSize drawingArea(double zoomFactor, int twipsPerPixelX, int twipsPerPixelY)
{
    const QSize outer = displaySize(zoomFactor, twipsPerPixelX, twipsPerPixelY);
    return {std::max(0, outer.width() - 2 * kFrameWidth), std::max(0, outer.height() - 2 * kFrameWidth)};
}

QRgb rgbOf(raster::Colour colour) { return qRgb(raster::red(colour), raster::green(colour), raster::blue(colour)); }

raster::Colour colourOf(const QColor &colour) { return raster::rgb(colour.red(), colour.green(), colour.blue()); }

QImage blankScreen(int width, int height, raster::Colour colour)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({rgbOf(colour), qRgb(0, 0, 0)});
    image.fill(0);
    return image;
}

QImage screenImage(const calclink::Bitmap &bitmap)
{
    // Qt's 1-bit format lays out its rows as the bitmap does.
    QImage image(calclink::kScreenWidth, calclink::kScreenHeight, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < calclink::kScreenHeight; ++y)
        std::memcpy(image.scanLine(y), &bitmap[calclink::bitmapByte(0, y)], calclink::kBitmapRowBytes);
    return image;
}

} // namespace display
