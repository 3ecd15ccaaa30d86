// The renderer: the capture drawn enlarged, the frame, "New", and the
// clipboard holding exactly what the display shows.

#include <QCheckBox>

#include "windowtest.h"

namespace {

QRgb rgbOf(raster::Colour c) { return qRgb(raster::red(c), raster::green(c), raster::blue(c)); }

// The pixels of `image` that are not `background`.
QList<QPoint> marked(const QImage &image, QRgb background)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                points << QPoint(x, y);
    return points;
}

} // namespace

class RedrawTest : public WindowTest {
protected:
    Form1 &form() { return form_ ? *form_ : window(15); }
    // Puts a capture with the given dark pixels into Picture2.
    void capture(std::initializer_list<QPoint> dark, QRgb darkColour = qRgb(0, 0, 0))
    {
        QImage image = blankScreen();
        for (QPoint p : dark)
            image.setPixel(p, darkColour);
        form().Picture2->setPicture(image);
    }
};

TEST_F(RedrawTest, ADarkCalculatorPixelBecomesASquareOfTheZoomsSide)
{
    capture({{10, 2}});
    form().Redraw();
    const QImage &image = form().Picture1->Image();
    QList<QPoint> expected;
    for (int y = 6; y < 9; ++y)
        for (int x = 30; x < 33; ++x)
            expected << QPoint(x, y);
    EXPECT_EQ(marked(image, qRgb(255, 255, 255)), expected);
    EXPECT_EQ(image.pixel(30, 6), rgbOf(form().Picture1->ForeColor()));
}

TEST_F(RedrawTest, OnlyExactBlackIsDrawn)
{
    capture({{0, 0}}, qRgb(1, 0, 0));
    form().Redraw();
    EXPECT_TRUE(marked(form().Picture1->Image(), qRgb(255, 255, 255)).isEmpty());
}

TEST_F(RedrawTest, AFullScreenAtAFractionalZoomIsOneSolidBlock)
{
    QImage black(96, 64, QImage::Format_RGB32);
    black.fill(Qt::black);
    form().Picture2->setPicture(black);
    form().zoomFactor = 2.5;
    form().Picture1->setWidth(2.5f * 98 * 15);
    form().Picture1->setHeight(2.5f * 66 * 15);
    form().Redraw();
    const QImage &image = form().Picture1->Image();
    ASSERT_EQ(image.size(), QSize(241, 161));
    const QList<QPoint> light = marked(image, qRgb(0, 0, 0));
    // 96 x 2.5 = 240 columns and 64 x 2.5 = 160 rows of squares, nothing missing inside.
    EXPECT_EQ(light.size(), 241 * 161 - 240 * 160);
    for (QPoint p : light)
        ASSERT_TRUE(p.x() == 240 || p.y() == 160) << p.x() << "," << p.y();
}

TEST_F(RedrawTest, TheFrameIsDrawnOnlyWhenBorderIsTicked)
{
    Form1 &f = form();
    f.Redraw();
    EXPECT_TRUE(marked(f.Picture1->Image(), qRgb(255, 255, 255)).isEmpty());

    setCheckBoxValue(f.Check1, 1); // its Click redraws
    const QImage &image = f.Picture1->Image();
    const int w = image.width(), h = image.height();
    const QRgb fore = rgbOf(f.Picture1->ForeColor());
    EXPECT_EQ(image.pixel(0, 0), fore) << "corner (1, 1) twips";
    EXPECT_EQ(image.pixel(w - 1, h - 1), fore) << "corner (w - 15, h - 15) twips";
    EXPECT_EQ(marked(image, qRgb(255, 255, 255)).size(), 2 * w + 2 * (h - 2));

    setCheckBoxValue(f.Check1, 2); // greyed
    EXPECT_TRUE(marked(f.Picture1->Image(), qRgb(255, 255, 255)).isEmpty());
}

TEST_F(RedrawTest, SquaresStartOnTheFramesFirstPixel)
{
    capture({{0, 0}});
    setCheckBoxValue(form().Check1, 1);
    const QImage &image = form().Picture1->Image();
    const QRgb fore = rgbOf(form().Picture1->ForeColor());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(image.pixel(x, y), fore);
    EXPECT_EQ(image.pixel(1, 3), qRgb(255, 255, 255));
}

TEST_F(RedrawTest, TheClipboardHoldsExactlyWhatTheDisplayShows)
{
    capture({{0, 0}, {95, 63}, {40, 20}});
    setCheckBoxValue(form().Check1, 1);
    const QImage first = form().Picture1->Image();
    EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32), first);
    form().Redraw();
    EXPECT_EQ(form().Picture1->Image(), first) << "a second redraw gives the same picture";
    EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32), first);
    // The bottom-right calculator pixel is drawn inside the display.
    EXPECT_EQ(first.pixel(95 * 3 + 1, 63 * 3 + 1), qRgb(0, 0, 0));
}

TEST_F(RedrawTest, NewLeavesOnlyTheBackground)
{
    capture({{5, 5}, {6, 5}});
    form().Picture1->setBackColor(raster::rgb(0, 0, 128));
    form().Redraw();
    form().mnuNew->trigger();
    const QImage &image = form().Picture1->Image();
    EXPECT_TRUE(marked(image, qRgb(0, 0, 128)).isEmpty());
    EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32), image);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            ASSERT_EQ(form().Picture2->Point(float(x), float(y)), raster::kWhite);
    EXPECT_EQ(form().Picture2->Point(96, 0), -1);
}
