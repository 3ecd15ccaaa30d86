// The drawing surface: units, clearing, reading and drawing.

#include <gtest/gtest.h>

#include "surface.h"

namespace {

// A framed surface whose inner area is `w` x `h` pixels, at 15 twips a pixel.
std::unique_ptr<Surface> framed(int w, int h)
{
    auto s = std::make_unique<Surface>(15, 15, Surface::Border::Sunken);
    s->setWidth(float((w + 4) * 15));
    s->setHeight(float((h + 4) * 15));
    s->Cls();
    return s;
}

int countColour(const QImage &image, QRgb rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == rgb;
    return n;
}

} // namespace

TEST(Surface, SizesAreWholePixelsAndTheFrameTakesTwoOnEachSide)
{
    Surface s(15, 15, Surface::Border::Sunken);
    s.setWidth(4410);
    s.setHeight(2970);
    EXPECT_EQ(s.Width(), 4410);
    EXPECT_EQ(s.ScaleWidth(), 290 * 15);
    EXPECT_EQ(s.ScaleHeight(), 194 * 15);
    EXPECT_EQ(s.Image().size(), QSize(290, 194));
    s.setWidth(3676); // 245.07 pixels
    EXPECT_EQ(s.Width(), 3675) << "the width reads back as applied";
    s.setLeft(-300);
    EXPECT_EQ(s.Left(), -300);

    Surface bare(12, 12, Surface::Border::None);
    bare.setWidth(96 * 12);
    bare.setHeight(64 * 12);
    EXPECT_EQ(bare.Image().size(), QSize(96, 64));
}

TEST(Surface, ZeroSizeDrawsNothingAndDoesNotCrash)
{
    Surface s(15, 15, Surface::Border::Sunken);
    s.setWidth(0);
    s.setHeight(0);
    s.Cls();
    s.Line(0x24, 0, 0, 100, 100);
    s.Line(0x14, 1, 1, -14, -14);
    EXPECT_TRUE(s.Image().isNull());
    EXPECT_EQ(s.Point(0, 0), -1);
    s.setWidth(30); // two pixels: smaller than the frame
    EXPECT_TRUE(s.Image().isNull());
}

TEST(Surface, PointReadsColourValuesAndMinusOneOutside)
{
    auto s = framed(96, 64);
    s->setScaleHeight(64);
    s->setScaleWidth(96);
    s->setBackColor(raster::rgb(1, 2, 3));
    s->Cls();
    EXPECT_EQ(s->Point(0, 0), raster::rgb(1, 2, 3));
    EXPECT_EQ(s->Point(95, 63), raster::rgb(1, 2, 3));
    EXPECT_EQ(s->Point(96, 0), -1);
    EXPECT_EQ(s->Point(0, 64), -1);
    EXPECT_EQ(s->Point(-0.5f, 0), -1);
}

TEST(Surface, ClsFillsWithBackColorAndRepaintsThePicture)
{
    auto s = framed(10, 10);
    s->Line(0x24, 0, 0, 150, 150); // everything in ForeColor
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    s->setBackColor(raster::rgb(0, 255, 0));
    s->setPicture(picture);
    s->Cls();
    EXPECT_EQ(countColour(s->Image(), qRgb(0, 0, 0)), 6) << "the picture, at the top left, at its own size";
    EXPECT_EQ(countColour(s->Image(), qRgb(0, 255, 0)), 94);
    EXPECT_EQ(s->Image().pixel(2, 1), qRgb(0, 0, 0));
    EXPECT_EQ(s->Image().pixel(3, 0), qRgb(0, 255, 0));
}

TEST(Surface, FilledBoxesThatShareAnEdgeFormOneArea)
{
    auto s = framed(20, 20);
    s->setForeColor(raster::rgb(255, 0, 0));
    // Two boxes meeting at 2.5 pixels (37.5 twips), then one more at 5.
    s->Line(0x24, 0, 0, 37.5f, 75);
    s->Line(0x24, 37.5f, 0, 75, 75);
    EXPECT_EQ(countColour(s->Image(), qRgb(255, 0, 0)), 25);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(s->Image().pixel(x, 4), qRgb(255, 0, 0)) << x;
    EXPECT_EQ(s->Image().pixel(5, 0), qRgb(255, 255, 255));
    // The colour argument is used only when the flags say so.
    s->Line(0x26, 0, 0, 15, 15, raster::rgb(0, 0, 255));
    s->Line(0x24, 15, 0, 30, 15, raster::rgb(0, 0, 255));
    EXPECT_EQ(s->Image().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(s->Image().pixel(1, 0), qRgb(255, 0, 0));
}

TEST(Surface, OutlinesAndLinesPassThroughThePixelsOfTheirPoints)
{
    auto s = framed(20, 10);
    s->Line(0x14, 1, 1, s->ScaleWidth() - 15, s->ScaleHeight() - 15);
    const QImage &image = s->Image();
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(image.pixel(0, 0), black);
    EXPECT_EQ(image.pixel(19, 9), black);
    EXPECT_EQ(image.pixel(19, 0), black);
    EXPECT_EQ(image.pixel(0, 9), black);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255)) << "an outline is not filled";
    EXPECT_EQ(countColour(image, black), 2 * 20 + 2 * 8);

    // A 3-pixel pen centred on a line, here a vertical line in pixel units.
    auto t = framed(10, 10);
    t->setScaleMode(Surface::Pixels);
    t->setDrawWidth(3);
    t->Line(0x06, 5, 0, 5, 10, raster::rgb(0, 0, 255));
    EXPECT_EQ(countColour(t->Image(), qRgb(0, 0, 255)), 30);
    EXPECT_EQ(t->Image().pixel(4, 0), qRgb(0, 0, 255));
    EXPECT_EQ(t->Image().pixel(6, 9), qRgb(0, 0, 255));
    EXPECT_EQ(t->Image().pixel(7, 5), qRgb(255, 255, 255));
    // A slanted line visits one pixel a step.
    auto u = framed(10, 10);
    u->setScaleMode(Surface::Pixels);
    u->Line(0x06, 0, 0, 9, 9, raster::kBlack);
    EXPECT_EQ(countColour(u->Image(), black), 10);
    EXPECT_EQ(u->Image().pixel(4, 4), black);
}

TEST(Surface, SettingOneScaleAxisLeavesTheOtherInItsUnits)
{
    auto s = framed(200, 100);
    s->setScaleMode(Surface::Pixels);
    s->setScaleWidth(255);
    EXPECT_EQ(s->ScaleMode(), Surface::User);
    EXPECT_EQ(s->ScaleWidth(), 255);
    EXPECT_EQ(s->ScaleHeight(), 100) << "y stays in pixels";
    s->setScaleMode(Surface::Twips);
    EXPECT_EQ(s->ScaleWidth(), 200 * 15);
    EXPECT_EQ(s->ScaleLeft(), 0);
    s->setScaleLeft(10);
    EXPECT_EQ(s->ScaleLeft(), 10);
    EXPECT_EQ(s->ScaleWidth(), 200 * 15) << "the extent in twips carries into the user scale";
}

TEST(Surface, ResizingKeepsWhatWasDrawn)
{
    auto s = framed(10, 10);
    s->Line(0x24, 0, 0, 150, 150);
    s->setWidth(20 * 15 + 60);
    EXPECT_EQ(s->Image().pixel(9, 9), qRgb(0, 0, 0));
    EXPECT_EQ(s->Image().pixel(15, 5), qRgb(255, 255, 255));
}
