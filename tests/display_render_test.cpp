// The display's picture, drawn from a screen and a look without any window.

#include <gtest/gtest.h>

#include "pictures.h"

using display::Look;
using display::render;

namespace {

const QRgb kWhiteRgb = qRgb(255, 255, 255);
const QRgb kBlackRgb = qRgb(0, 0, 0);

QImage fullScreen()
{
    calclink::Bitmap bitmap;
    bitmap.fill(0xFF);
    return display::screenImage(bitmap);
}

// The display as the window sizes it for a zoom: 98 x 66 calculator pixels
// outside, less the two-pixel frame on each side.
Look lookAt(double zoom, int twipsPerPixel = 15)
{
    Look look;
    look.zoomFactor = zoom;
    look.twipsPerPixelX = look.twipsPerPixelY = twipsPerPixel;
    const int outer = int(std::nearbyint(float(zoom * 98 * twipsPerPixel) / twipsPerPixel));
    const int outerHeight = int(std::nearbyint(float(66.0 / 98.0 * outer * twipsPerPixel) / twipsPerPixel));
    look.size = QSize(std::max(0, outer - 4), std::max(0, outerHeight - 4));
    return look;
}

} // namespace

TEST(Render, ADarkPixelIsASquareOfTheZoomsSideInTheForegroundColour)
{
    // Calculator pixel (10, 2) at zoom 3 is the box (450, 90)-(495, 135) twips: pixels 30..32 by 6..8.
    Look look = lookAt(3);
    look.foreColor = raster::rgb(200, 0, 100);
    const QImage image = render(screenWith({{10, 2}}), look);
    ASSERT_EQ(image.size(), QSize(290, 194));
    QList<QPoint> expected;
    for (int y = 6; y < 9; ++y)
        for (int x = 30; x < 33; ++x)
            expected << QPoint(x, y);
    EXPECT_EQ(pixelsNot(image, kWhiteRgb), expected);
    EXPECT_EQ(image.pixel(30, 6), qRgb(200, 0, 100));
}

TEST(Render, OnlyExactBlackIsDark)
{
    QImage nearlyBlack = screenWith({{0, 0}, {50, 50}});
    nearlyBlack.setColor(1, qRgb(1, 0, 0));
    EXPECT_TRUE(pixelsNot(render(nearlyBlack, lookAt(3)), kWhiteRgb).isEmpty());

    // A screen of any other form is read by its colours, with the same rule.
    QImage rgb(96, 64, QImage::Format_RGB32);
    rgb.fill(kWhiteRgb);
    rgb.setPixel(0, 0, qRgb(0, 0, 1));
    rgb.setPixel(1, 0, kBlackRgb);
    EXPECT_EQ(pixelsNot(render(rgb, lookAt(1)), kWhiteRgb), QList<QPoint>({{1, 0}}));
}

// Every zoom the scroll bar offers, on screens of 15 and 12 twips a pixel:
// a full screen is one block of exactly its squares' extent, and a
// chequered one alternates square for square, with no gap and no overlap.
TEST(Render, SquaresTileWithNoGapAndNoOverlapAtEveryZoom)
{
    calclink::Bitmap chequer{};
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            calclink::setDark(chequer, x, y, (x + y) % 2 == 0);
    for (int t : {15, 12}) {
        for (int v = 1; v <= 50; ++v) {
            SCOPED_TRACE(testing::Message() << "zoom " << v / 10.0 << " at " << t << " twips a pixel");
            // An area larger than the screen at any zoom, so that nothing is cut off.
            Look look = lookAt(v / 10.0, t);
            look.size = QSize(500, 340);
            const QImage full = render(fullScreen(), look);
            int right = 0, bottom = 0;
            for (QPoint p : pixelsNot(full, kWhiteRgb)) {
                right = std::max(right, p.x() + 1);
                bottom = std::max(bottom, p.y() + 1);
            }
            EXPECT_EQ(pixelsNot(full, kWhiteRgb).size(), right * bottom) << "one solid block";
            EXPECT_NEAR(right, 96 * v / 10.0, 1.0);
            EXPECT_NEAR(bottom, 64 * v / 10.0, 1.0);

            // From zoom 1 on every square is at least a pixel wide: in the
            // chequered screen each run of one colour along a row is one square.
            if (v < 10)
                continue;
            const QImage chequered = render(display::screenImage(chequer), look);
            QList<int> runs{1};
            for (int x = 1; x < right; ++x) {
                if (chequered.pixel(x, 0) == chequered.pixel(x - 1, 0))
                    ++runs.back();
                else
                    runs << 1;
            }
            EXPECT_EQ(runs.size(), 96);
            for (int width : runs)
                ASSERT_TRUE(width == int(v / 10) || width == int(v / 10) + 1) << "a square " << width << " wide";
        }
    }
}

TEST(Render, TheFrameRunsThroughTheFirstAndTheLastPixelsAndOverTheSquares)
{
    for (int t : {15, 12}) {
        SCOPED_TRACE(testing::Message() << t << " twips a pixel");
        Look look = lookAt(3, t);
        look.border = true;
        look.foreColor = raster::rgb(0, 0, 255);
        const QImage image = render(screenWith({{0, 0}}), look);
        const int w = image.width(), h = image.height();
        const QRgb fore = qRgb(0, 0, 255);
        // From (1, 1) twips, inside the first pixel, to 15 twips in from the far
        // edges: the last pixel at 15 twips a pixel, the one before it at 12.
        const int last = t == 15 ? 1 : 2;
        EXPECT_EQ(image.pixel(0, 0), fore);
        EXPECT_EQ(image.pixel(w - last, h - last), fore);
        EXPECT_EQ(image.pixel(w - last, 0), fore);
        EXPECT_EQ(image.pixel(0, h - last), fore);
        EXPECT_EQ(image.pixel(1, 1), fore) << "the square of (0, 0) starts on the frame's first pixel";
        EXPECT_EQ(image.pixel(3, 3), kWhiteRgb);
        const int frameWidth = w - last + 1, frameHeight = h - last + 1;
        EXPECT_EQ(pixelsNot(image, kWhiteRgb).size(), 2 * frameWidth + 2 * (frameHeight - 2) + 4)
            << "the frame, and the square's four inner pixels";
    }
    EXPECT_TRUE(pixelsNot(render(screenWith({}), lookAt(3)), kWhiteRgb).isEmpty()) << "no frame unless asked";
}

TEST(Render, AGradientFromBlackToWhiteGivesBandIRedGreenAndBlueI)
{
    // 765 pixels across: each band's 3-pixel pen shows whole, band i centred on column 3i.
    Look look;
    look.size = QSize(765, 40);
    look.gradient = display::GradedBackground{0, 0, 0, 255, 255, 255, false};
    const QImage image = render(screenWith({}), look);
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(image.pixel(3 * i, 20), qRgb(i, i, i)) << "band " << i;
    // Band 255 is centred on the first column past the edge; its left third shows.
    EXPECT_EQ(image.pixel(764, 39), kWhiteRgb);
}

TEST(Render, ChannelsAreSpreadByDividingMultiplyingAddingAndRounding)
{
    Look look;
    look.size = QSize(765, 10);
    look.gradient = display::GradedBackground{0, 0, 0, 100, 0, 0, false};
    const QImage image = render(screenWith({}), look);
    const std::pair<int, int> bands[] = {{0, 0}, {1, 0}, {2, 1}, {127, 50}, {128, 50}, {254, 100}};
    for (auto [band, red] : bands)
        EXPECT_EQ(qRed(image.pixel(3 * band, 5)), red) << "band " << band;
    EXPECT_EQ(qRed(image.pixel(764, 5)), 100) << "band 255";
}

TEST(Render, HorizontalBandsRunTopToBottomAndLaterBandsPaintOverEarlierOnes)
{
    Look look = lookAt(3);
    look.gradient = display::GradedBackground{0, 0, 0, 0, 0, 255, true};
    const QImage image = render(screenWith({}), look);
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(pixelsNot(image.copy(0, y, image.width(), 1), image.pixel(0, y)).size(), 0) << "row " << y;
        if (y > 0) {
            ASSERT_GE(qBlue(image.pixel(10, y)), qBlue(image.pixel(10, y - 1))) << "bluer downwards, row " << y;
        }
    }
    EXPECT_LE(qBlue(image.pixel(10, 0)), 3);
    EXPECT_EQ(image.pixel(10, image.height() - 1), qRgb(0, 0, 255));
}

TEST(Render, PastSevenHundredAndSixtyFivePixelsTheBackgroundShowsBetweenTheBands)
{
    Look look;
    look.size = QSize(800, 20);
    look.backColor = raster::rgb(255, 0, 0);
    look.gradient = display::GradedBackground{0, 0, 0, 255, 255, 255, false};
    const QImage image = render(screenWith({}), look);
    int stripes = 0;
    for (int x = 0; x < image.width(); ++x)
        stripes += image.pixel(x, 10) == qRgb(255, 0, 0);
    EXPECT_GT(stripes, 5);
    EXPECT_LT(stripes, 800 - 3 * 250);
}

TEST(Render, SquaresAndFrameLieOverTheGradientInTheForegroundColour)
{
    Look look = lookAt(3);
    look.foreColor = raster::rgb(255, 0, 255);
    look.border = true;
    look.gradient = display::GradedBackground{0, 255, 0, 0, 0, 255, false};
    const QImage image = render(screenWith({{50, 30}}), look);
    const QRgb fore = qRgb(255, 0, 255);
    EXPECT_EQ(image.pixel(151, 91), fore) << "the square of calculator pixel (50, 30)";
    EXPECT_EQ(image.pixel(0, 100), fore) << "the frame";
    EXPECT_EQ(image.pixel(image.width() - 1, 100), fore);
    EXPECT_NE(image.pixel(100, 100), fore) << "the gradient around them";
}

TEST(Render, AnEmptyAreaGivesNoPicture)
{
    EXPECT_TRUE(render(fullScreen(), lookAt(0)).isNull());
    Look thin = lookAt(3);
    thin.size.setHeight(0);
    EXPECT_TRUE(render(fullScreen(), thin).isNull());
}

TEST(Render, TheScreenImageIsTheBitmapBitForBit)
{
    const QImage image = screenWith({{0, 0}, {95, 0}, {1, 1}, {95, 63}});
    ASSERT_EQ(image.size(), QSize(96, 64));
    int dark = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            dark += image.pixel(x, y) == kBlackRgb;
    EXPECT_EQ(dark, 4);
    EXPECT_EQ(image.pixel(95, 0), kBlackRgb);
    EXPECT_EQ(image.pixel(1, 1), kBlackRgb);
    EXPECT_EQ(image.pixel(1, 0), kWhiteRgb);

    // A blank screen in a colour that is black is dark all over.
    EXPECT_EQ(pixelsNot(render(display::blankScreen(96, 64, raster::kBlack), lookAt(1)), kBlackRgb).size(),
              pixelsNot(render(fullScreen(), lookAt(1)), kBlackRgb).size());
}

TEST(Render, APictureDrawnOverAnEarlierOneKeepsNothingOfIt)
{
    Look look = lookAt(2.5);
    look.border = true;
    look.gradient = display::GradedBackground{10, 20, 30, 200, 100, 0, false};
    const QImage fresh = render(screenWith({{3, 3}}), look);
    QImage earlier = render(fullScreen(), look);
    EXPECT_EQ(render(screenWith({{3, 3}}), look, std::move(earlier)), fresh);
    look.gradient->horizontal = true;
    EXPECT_EQ(render(screenWith({}), look, render(fullScreen(), look)), render(screenWith({}), look));
}
