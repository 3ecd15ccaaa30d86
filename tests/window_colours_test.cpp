// The Colors menu: the shared colour dialog, the solid and graded
// backgrounds, and the foreground.

#include <QCheckBox>

#include "commondialog.h"
#include "windowtest.h"

namespace {

QRgb rgbOf(raster::Colour c) { return qRgb(raster::red(c), raster::green(c), raster::blue(c)); }

bool allPixels(const QImage &image, QRgb rgb)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != rgb)
                return false;
    return true;
}

} // namespace

class ColoursTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        form = &startedWindow(15);
    }
    // An inner area of exactly 765 pixels across: each 3-pixel line of the
    // gradient then shows whole, line i centred on column 3i.
    void makeDisplayInnerWidth(int pixels)
    {
        form->Picture1->setWidth(float((pixels + 4) * 15));
        form->Redraw();
    }
    void chooseGradient(QColor start, QColor end)
    {
        ModalHand hand;
        hand.confirmColour(start);
        hand.confirmColour(end);
        form->mnuGradient->trigger();
    }

    Form1 *form = nullptr;
};

TEST_F(ColoursTest, AGradientFromBlackToWhiteGivesLineIRedGreenAndBlueI)
{
    makeDisplayInnerWidth(765);
    chooseGradient(Qt::black, Qt::white);
    const QImage &image = form->Picture1->Image();
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(image.pixel(3 * i, 20), qRgb(i, i, i)) << "line " << i;
    // Line 255 is centred on the first column past the edge; its left third shows.
    EXPECT_EQ(image.pixel(764, 20), qRgb(255, 255, 255));
    EXPECT_TRUE(form->mnuGradient->isChecked());
    EXPECT_FALSE(form->mnuSolid->isChecked());
}

TEST_F(ColoursTest, ChannelsAreSpreadByDividingMultiplyingAddingAndRounding)
{
    makeDisplayInnerWidth(765);
    chooseGradient(QColor(0, 0, 0), QColor(100, 0, 0));
    const QImage &image = form->Picture1->Image();
    const std::pair<int, int> lines[] = {{0, 0}, {1, 0}, {2, 1}, {127, 50}, {128, 50}, {254, 100}};
    for (auto [line, red] : lines)
        EXPECT_EQ(qRed(image.pixel(3 * line, 5)), red) << "line " << line;
    EXPECT_EQ(qRed(image.pixel(764, 5)), 100) << "line 255";
}

TEST_F(ColoursTest, TheChosenColoursSplitBackIntoTheirChannels)
{
    chooseGradient(QColor(86, 52, 18), QColor(1, 255, 254));
    EXPECT_EQ(form->gradStartRed, 86);
    EXPECT_EQ(form->gradStartGreen, 52);
    EXPECT_EQ(form->gradStartBlue, 18);
    EXPECT_EQ(form->gradEndRed, 1);
    EXPECT_EQ(form->gradEndGreen, 255);
    EXPECT_EQ(form->gradEndBlue, 254);
}

TEST_F(ColoursTest, CancellingBothGradientDialogsAtFirstGivesAnAllBlackBackground)
{
    {
        ModalHand hand;
        hand.cancelColour();
        hand.cancelColour();
        form->mnuGradient->trigger();
    }
    EXPECT_TRUE(allPixels(form->Picture1->Image(), qRgb(0, 0, 0)));
    EXPECT_EQ(form->Picture1->BackColor(), raster::kWhite) << "the gradient leaves BackColor alone";
}

TEST_F(ColoursTest, CancellingSolidAfterAGradientTakesTheGradientsEndColour)
{
    chooseGradient(QColor(10, 20, 30), QColor(200, 100, 50));
    {
        ModalHand hand;
        hand.cancelColour();
        form->mnuSolid->trigger();
    }
    EXPECT_EQ(form->Picture1->BackColor(), raster::rgb(200, 100, 50));
    EXPECT_TRUE(form->mnuSolid->isChecked());
    EXPECT_FALSE(form->mnuGradient->isChecked());
    EXPECT_TRUE(allPixels(form->Picture1->Image(), qRgb(200, 100, 50)));
}

TEST_F(ColoursTest, HorizontalOnASolidBackgroundChangesOnlyTheCheckMark)
{
    const QImage before = form->Picture1->Image();
    form->mnuHorizontal->trigger();
    EXPECT_TRUE(form->mnuHorizontal->isChecked());
    EXPECT_EQ(form->Picture1->Image(), before);
    form->mnuHorizontal->trigger();
    EXPECT_FALSE(form->mnuHorizontal->isChecked());
}

TEST_F(ColoursTest, HorizontalLinesRunTopToBottom)
{
    form->mnuHorizontal->trigger();
    chooseGradient(Qt::black, QColor(0, 0, 255));
    const QImage &image = form->Picture1->Image();
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(image.pixel(0, y), image.pixel(image.width() - 1, y)) << "one colour along row " << y;
        if (y > 0) {
            ASSERT_GE(qBlue(image.pixel(10, y)), qBlue(image.pixel(10, y - 1))) << "bluer downwards, row " << y;
        }
    }
    // The lines overlap at this height: each row shows the last line drawn over it.
    EXPECT_LE(qBlue(image.pixel(10, 0)), 3);
    EXPECT_EQ(image.pixel(10, image.height() - 1), qRgb(0, 0, 255));
}

TEST_F(ColoursTest, SquaresAndFrameAreDrawnOverTheGradientInTheForegroundColour)
{
    QImage screen = blankScreen();
    screen.setPixel(50, 30, qRgb(0, 0, 0));
    form->Picture2->setPicture(screen);
    {
        ModalHand hand;
        hand.confirmColour(QColor(255, 0, 255));
        form->mnuForeground->trigger();
    }
    setCheckBoxValue(form->Check1, 1);
    chooseGradient(QColor(0, 255, 0), QColor(0, 0, 255));
    const QImage &image = form->Picture1->Image();
    const QRgb fore = qRgb(255, 0, 255);
    EXPECT_EQ(rgbOf(form->Picture1->ForeColor()), fore);
    EXPECT_EQ(image.pixel(151, 91), fore) << "the square of calculator pixel (50, 30)";
    EXPECT_EQ(image.pixel(0, 100), fore) << "the frame";
    EXPECT_EQ(image.pixel(image.width() - 1, 100), fore);
    EXPECT_NE(image.pixel(100, 100), fore) << "the gradient around them";
}

TEST_F(ColoursTest, AWideDisplayShowsStripesOfBackColorBetweenTheLines)
{
    form->Picture1->setBackColor(raster::rgb(255, 0, 0));
    makeDisplayInnerWidth(800);
    chooseGradient(Qt::black, Qt::white);
    const QImage &image = form->Picture1->Image();
    int stripes = 0;
    for (int x = 0; x < image.width(); ++x)
        stripes += image.pixel(x, 10) == qRgb(255, 0, 0);
    EXPECT_GT(stripes, 5);
    EXPECT_LT(stripes, 800 - 3 * 250);
}

TEST_F(ColoursTest, AfterTheGradientTheSurfaceDrawsInTwipsWithAOnePixelPen)
{
    for (bool horizontal : {false, true}) {
        if (horizontal)
            form->mnuHorizontal->trigger();
        chooseGradient(Qt::black, Qt::white);
        EXPECT_EQ(form->Picture1->ScaleMode(), Surface::Twips);
        EXPECT_EQ(form->Picture1->DrawWidth(), 1);
        EXPECT_EQ(form->Picture1->ScaleWidth(), 290 * 15);
        EXPECT_EQ(form->Picture1->ScaleHeight(), 194 * 15);
        EXPECT_EQ(form->Picture1->ScaleLeft(), 0);
    }
}

TEST_F(ColoursTest, TheDialogRemembersTheLastConfirmedColourOnly)
{
    {
        ModalHand hand;
        hand.cancelColour();
        form->mnuForeground->trigger();
    }
    EXPECT_EQ(form->Picture1->ForeColor(), raster::kBlack) << "black before any confirmed colour";
    {
        ModalHand hand;
        hand.confirmColour(QColor(0, 128, 255));
        form->mnuSolid->trigger();
        hand.cancelColour();
        form->mnuForeground->trigger();
    }
    EXPECT_EQ(form->Picture1->BackColor(), raster::rgb(0, 128, 255));
    EXPECT_EQ(form->Picture1->ForeColor(), raster::rgb(0, 128, 255));
    EXPECT_EQ(form->CommonDialog1->Color(), raster::rgb(0, 128, 255));
}
