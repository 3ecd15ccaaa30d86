// The rules that turn twips into pixels, without a window.

#include <gtest/gtest.h>

#include "raster.h"

using raster::coverSpan;
using raster::pixelOf;

// The renderer's squares, computed as it computes them, tile every row at
// every zoom the scroll bar offers: each square starts on the pixel after the
// previous one ends, so a run of dark calculator pixels is one solid block.
TEST(Raster, SquaresTileWithNoGapAndNoOverlapAtEveryZoom)
{
    for (int t : {12, 15}) {
        for (int v = 1; v <= 50; ++v) {
            const double s = (v / 10.0) * t;
            int expectedFirst = 0;
            for (int x = 0; x < 96; ++x) {
                const double x1 = x * s, x2 = x1 + s;
                const raster::Span span = coverSpan(float(x1) / t, float(x2) / t);
                ASSERT_EQ(span.first, expectedFirst) << "zoom " << v / 10.0 << " at " << t << " twips, column " << x;
                expectedFirst = span.last + 1;
            }
            EXPECT_NEAR(expectedFirst, 96 * v / 10.0, 1.0) << "zoom " << v / 10.0;
        }
    }
}

TEST(Raster, BoxCoversPixelsWhoseCentresLieInside)
{
    // Worked example: calculator pixel (10, 2) at zoom 3 is (450, 90)-(495, 135) twips.
    EXPECT_EQ(coverSpan(450 / 15.0, 495 / 15.0).first, 30);
    EXPECT_EQ(coverSpan(450 / 15.0, 495 / 15.0).last, 32);
    // At zoom 2.5 a square starting at 2.5 pixels owns pixel 2, whose centre is 2.5.
    EXPECT_EQ(coverSpan(2.5, 5.0).first, 2);
    EXPECT_EQ(coverSpan(2.5, 5.0).last, 4);
    EXPECT_EQ(coverSpan(0, 2.5).last, 1);
    // A box of no width covers nothing; reversed corners are the same box.
    EXPECT_LT(coverSpan(0, 0).last, coverSpan(0, 0).first);
    EXPECT_EQ(coverSpan(5.0, 2.5).first, 2);
}

TEST(Raster, LinesPassThroughThePixelHoldingEachPoint)
{
    // The frame's far corner, 15 twips in from the inner area's edge of 4350 twips, is the last pixel.
    EXPECT_EQ(pixelOf((4350 - 15) / 15.0), 289);
    EXPECT_EQ(pixelOf(1 / 15.0), 0);
    EXPECT_EQ(pixelOf(-0.01), -1);
    // Absurd coordinates stay harmless integers.
    EXPECT_LT(pixelOf(-1e300), -1000);
    EXPECT_GT(pixelOf(1e300), 1000);
    EXPECT_LT(pixelOf(std::nan("")), 0);
}

TEST(Raster, ColourValuesPackRedInTheLowestByte)
{
    const raster::Colour c = raster::rgb(86, 52, 18);
    EXPECT_EQ(c, 86 + 256 * 52 + 65536 * 18);
    EXPECT_EQ(raster::red(c), 86);
    EXPECT_EQ(raster::green(c), 52);
    EXPECT_EQ(raster::blue(c), 18);
    EXPECT_EQ(raster::pixelsFromTwips(4410, 15), 294);
    EXPECT_EQ(raster::pixelsFromTwips(22.5, 15), 2); // 1.5 pixels: halves go to even
    EXPECT_EQ(raster::pixelsFromTwips(37.5, 15), 2); // 2.5 pixels
}
