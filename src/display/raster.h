#pragma once

#include <cmath>
#include <cstdint>
#include <utility>

// The rules by which the drawing surfaces turn coordinates into pixels. No
// Qt here, so that they can be tested and reasoned about on their own.
namespace raster {

// A colour value: red + 256 * green + 65536 * blue.
using Colour = int32_t;
inline constexpr Colour kBlack = 0;
inline constexpr Colour kWhite = 0xFFFFFF;

inline constexpr int red(Colour c) { return c & 0xFF; }
inline constexpr int green(Colour c) { return (c >> 8) & 0xFF; }
inline constexpr int blue(Colour c) { return (c >> 16) & 0xFF; }
inline constexpr Colour rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// Whole pixels from a length in twips: to the nearest, halves to even.
inline int pixelsFromTwips(double twips, int twipsPerPixel)
{
    return int(std::nearbyint(twips / twipsPerPixel));
}

// Fractional pixel positions are snapped to 1/4096 of a pixel before they are
// compared, so that the far edge of one box (x1 + s) and the near edge of the
// next ((x + 1) * s), which can differ in their last bits, land on the same
// pixel at every zoom. Positions far outside any surface (and NaN) are clamped
// so that absurd coordinates stay harmless.
inline constexpr int64_t kSubpixels = 4096;
inline int64_t subpixels(double pixel)
{
    constexpr double limit = 1e8;
    if (!(pixel > -limit))
        pixel = -limit;
    else if (pixel > limit)
        pixel = limit;
    const double scaled = pixel * kSubpixels;
    return int64_t(scaled < 0 ? scaled - 0.5 : scaled + 0.5); // to the nearest
}

inline int floorDiv(int64_t a, int64_t b) { return int(a >= 0 ? a / b : -((-a + b - 1) / b)); }
inline int ceilDiv(int64_t a, int64_t b) { return -floorDiv(-a, b); }

// The pixels [first, last] that a filled box covers along one axis: those
// whose centre p + 0.5 satisfies a <= p + 0.5 < b, for a <= b in pixels.
// Boxes that share an edge therefore tile with no gap and no overlap.
struct Span {
    int first;
    int last; // last < first: nothing
};
inline Span coverSpan(double a, double b)
{
    int64_t from = subpixels(a), to = subpixels(b);
    if (to < from)
        std::swap(from, to);
    constexpr int64_t half = kSubpixels / 2;
    return {ceilDiv(from - half, kSubpixels), ceilDiv(to - half, kSubpixels) - 1};
}

// The pixel that holds a point of a line or an outline.
inline int pixelOf(double p) { return floorDiv(subpixels(p), kSubpixels); }

} // namespace raster
