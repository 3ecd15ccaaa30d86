#include "render.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace display {

namespace {

using raster::Colour;
using raster::Span;

bool isBlack(QRgb rgb) { return (rgb & RGB_MASK) == 0; }

// Pixels [first, first + count) of a row in one colour: the loop that
// writes every pixel of the picture, so it is made for the wide stores of the
// processor it runs on where it has them (this file is compiled with -O3).
__attribute__((target_clones("avx2", "default"))) void fillRow(QRgb *row, int first, int count, QRgb rgb)
{
    QRgb *const to = row + first;
    for (int i = 0; i < count; ++i)
        to[i] = rgb;
}

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
        const QRgb rgb = rgbOf(Colour(red + 256 * green + 65536 * blue));
        const int centre = raster::pixelOf(double(float(i)) * pixelsPerBand);
        const Span pen = clipped({centre - 1, centre + 1}, across);
        for (int p = pen.first; p <= pen.last; ++p)
            lines[size_t(p)] = rgb;
    }
    return lines;
}

// Which pixels of the screen are dark: those exactly black, eight columns at
// a time as the bits of a byte, the most significant the leftmost. A one-bit
// screen is read a byte at a time through its two colours.
class DarkPixels {
public:
    explicit DarkPixels(const QImage &screen) : screen_(screen), width_(screen.width())
    {
        if (screen.format() == QImage::Format_Mono && screen.colorCount() == 2) {
            bits_ = screen.constBits();
            stride_ = screen.bytesPerLine();
            darkWhenSet_ = isBlack(screen.color(1));
            darkWhenClear_ = isBlack(screen.color(0));
        }
    }
    // Columns 8 * block to 8 * block + 7 of row y; those past the edge are not dark.
    uint8_t eight(int block, int y) const
    {
        const int valid = std::min(8, width_ - 8 * block);
        const uint8_t inside = uint8_t(0xFF << (8 - valid));
        if (!bits_) {
            uint8_t mask = 0;
            for (int k = 0; k < valid; ++k)
                mask |= uint8_t(isBlack(screen_.pixel(8 * block + k, y)) << (7 - k));
            return mask;
        }
        // Format_Mono keeps the leftmost pixel in the most significant bit too.
        const uint8_t set = bits_[y * stride_ + block];
        return uint8_t(((darkWhenSet_ ? set : 0) | (darkWhenClear_ ? ~set : 0)) & inside);
    }

private:
    const QImage &screen_;
    const int width_;
    const uchar *bits_ = nullptr;
    qsizetype stride_ = 0;
    bool darkWhenSet_ = false;
    bool darkWhenClear_ = false;
};

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

// The squares of each row of the screen, as runs of neighbouring squares in
// pixels of the picture, clipped to its width: the runs of screen row y are
// runs[start[y]] up to runs[start[y + 1]].
struct SquareRuns {
    std::vector<Span> runs;
    std::vector<int> start;

    SquareRuns(const QImage &screen, double s, int twipsPerPixel, int width) : start(size_t(screen.height()) + 1)
    {
        const DarkPixels dark(screen);
        const int columns = screen.width();
        const int blocks = (columns + 7) / 8;
        std::vector<Span> spans(static_cast<size_t>(columns));
        for (int x = 0; x < columns; ++x)
            spans[size_t(x)] = clipped(squareSpan(x, s, twipsPerPixel), width);

        // Eight dark columns side by side whose squares tile are one run.
        struct Block {
            Span span{0, -1};
            bool tiles = true;
        };
        std::vector<Block> joined(static_cast<size_t>(blocks));
        for (int block = 0; block < blocks; ++block) {
            Block &b = joined[size_t(block)];
            for (int x = 8 * block; x < std::min(columns, 8 * block + 8); ++x) {
                const Span column = spans[size_t(x)];
                if (column.last < column.first)
                    continue;
                if (b.span.last < b.span.first)
                    b.span = column;
                else if (column.first <= b.span.last + 1)
                    b.span.last = std::max(b.span.last, column.last);
                else
                    b.tiles = false;
            }
        }

        for (int y = 0; y < screen.height(); ++y) {
            start[size_t(y)] = int(runs.size());
            bool open = false; // the last run belongs to this row
            const auto add = [&](Span column) {
                if (column.last < column.first)
                    return;
                if (open && column.first <= runs.back().last + 1) {
                    runs.back().last = std::max(runs.back().last, column.last);
                } else {
                    runs.push_back(column);
                    open = true;
                }
            };
            for (int block = 0; block < blocks; ++block) {
                const uint8_t mask = dark.eight(block, y);
                if (mask == 0xFF && joined[size_t(block)].tiles) {
                    add(joined[size_t(block)].span);
                    continue;
                }
                for (int k = 0; mask && k < 8; ++k)
                    if ((mask << k) & 0x80)
                        add(spans[size_t(8 * block + k)]);
            }
        }
        start.back() = int(runs.size());
    }
    bool empty(int y) const { return start[size_t(y)] == start[size_t(y) + 1]; }
    // The runs of screen row y, left to right.
    template <typename Function> void forEach(int y, Function f) const
    {
        for (int i = start[size_t(y)]; i < start[size_t(y) + 1]; ++i)
            f(runs[size_t(i)]);
    }
};

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
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto row = [&](int y) { return reinterpret_cast<QRgb *>(bits + y * stride); };
    for (int y : {y1, y2})
        if (y >= 0 && y < image.height() && across.first <= across.last)
            fillRow(row(y), across.first, across.last - across.first + 1, fore);
    for (int x : {x1, x2})
        if (x >= 0 && x < image.width())
            for (int y = down.first; y <= down.last; ++y)
                row(y)[x] = fore;
}

} // namespace

// Row by row, each pixel written once: the pieces of background between the
// squares, and the squares of the screen row over it.
QImage render(const QImage &screen, const Look &look, QImage reuse)
{
    const int width = look.size.width(), height = look.size.height();
    if (width <= 0 || height <= 0)
        return {};
    QImage image = reuse.size() == look.size && reuse.format() == QImage::Format_RGB32
                       ? std::move(reuse)
                       : QImage(look.size, QImage::Format_RGB32);
    uchar *const bits = image.bits(); // once: every scanLine() asks whether the image is shared
    const qsizetype stride = image.bytesPerLine();
    const auto row = [&](int y) { return reinterpret_cast<QRgb *>(bits + y * stride); };
    const QRgb fore = rgbOf(look.foreColor);
    const QRgb back = rgbOf(look.backColor);

    // The background of each row: one row for all (solid, or vertical
    // bands), or one colour a row (horizontal bands).
    const bool horizontal = look.gradient && look.gradient->horizontal;
    const std::vector<QRgb> rowColours = horizontal ? Gradient(*look.gradient, height, back) : std::vector<QRgb>();
    const std::vector<QRgb> baseRow =
        horizontal ? std::vector<QRgb>() : look.gradient ? Gradient(*look.gradient, width, back)
                                                         : std::vector<QRgb>(size_t(width), back);
    // Pixels [from, to) of row y in its background.
    const auto background = [&](int y, int from, int to) {
        if (from >= to)
            return;
        if (horizontal)
            fillRow(row(y), from, to - from, rowColours[size_t(y)]);
        else
            std::memcpy(row(y) + from, baseRow.data() + from, size_t(to - from) * sizeof(QRgb));
    };

    // Which screen rows cover each row of the picture: usually one or none.
    const double s = look.zoomFactor * look.twipsPerPixelX;
    const SquareRuns squares(screen, s, look.twipsPerPixelX, width);
    std::vector<Span> rowSpans(size_t(screen.height()));
    std::vector<int> firstOver(static_cast<size_t>(height), 0), countOver(static_cast<size_t>(height), 0);
    for (int y = 0; y < screen.height(); ++y) {
        rowSpans[size_t(y)] = squares.empty(y) ? Span{0, -1} : clipped(squareSpan(y, s, look.twipsPerPixelY), height);
        for (int r = rowSpans[size_t(y)].first; r <= rowSpans[size_t(y)].last; ++r) {
            if (countOver[size_t(r)]++ == 0)
                firstOver[size_t(r)] = y;
        }
    }

    for (int r = 0; r < height; ++r) {
        const int first = firstOver[size_t(r)], count = countOver[size_t(r)];
        if (count == 1) {
            int from = 0;
            squares.forEach(first, [&](Span run) {
                background(r, from, run.first);
                fillRow(row(r), run.first, run.last - run.first + 1, fore);
                from = run.last + 1;
            });
            background(r, from, width);
            continue;
        }
        // No screen row here, or (where two rows' squares meet on one pixel) two.
        background(r, 0, width);
        for (int y = first, left = count; left > 0; ++y) {
            if (rowSpans[size_t(y)].first <= r && r <= rowSpans[size_t(y)].last) {
                squares.forEach(y, [&](Span run) { fillRow(row(r), run.first, run.last - run.first + 1, fore); });
                --left;
            }
        }
    }

    if (look.border)
        drawFrame(image, look, fore);
    return image;
}

QSize displaySize(double zoomFactor, int twipsPerPixelX, int twipsPerPixelY)
{
    const int width = raster::pixelsFromTwips(float(zoomFactor * (98 * twipsPerPixelX)), twipsPerPixelX);
    const float appliedWidth = float(width * twipsPerPixelX);
    const int height = raster::pixelsFromTwips(float((66.0 / 98.0) * appliedWidth), twipsPerPixelY);
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

QImage screenImage(std::span<const uint8_t> bitmap, int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const size_t rowBytes = size_t(width + 7) / 8;
    if (bitmap.size() < rowBytes * size_t(height))
        image.fill(0); // the rows the bitmap does not reach are white
    for (int y = 0; y < height && size_t(y + 1) * rowBytes <= bitmap.size(); ++y)
        std::memcpy(image.scanLine(y), bitmap.data() + size_t(y) * rowBytes, rowBytes);
    return image;
}

} // namespace display
