// The Colors menu: the shared colour dialog and what each choice takes from
// it, and the ticks of the Background submenu.

#include <QCheckBox>

#include "commondialog.h"
#include "windowtest.h"

namespace {

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
    void chooseGradient(QColor start, QColor end)
    {
        ModalHand hand;
        hand.confirmColour(start);
        hand.confirmColour(end);
        form->mnuGradient->trigger();
    }

    Form1 *form = nullptr;
};

TEST_F(ColoursTest, AChosenGradientRunsFromTheFirstColourTowardsTheSecond)
{
    chooseGradient(QColor(86, 52, 18), QColor(1, 255, 254));
    const QImage &picture = form->Picture1->Image();
    // The first band lies within a step of the first colour, each channel its own.
    const QRgb left = picture.pixel(0, 10);
    EXPECT_NEAR(qRed(left), 86, 2);
    EXPECT_NEAR(qGreen(left), 52, 2);
    EXPECT_NEAR(qBlue(left), 18, 2);
    const QRgb right = picture.pixel(picture.width() - 1, 10);
    EXPECT_LT(qRed(right), 86);
    EXPECT_GT(qGreen(right), 52);
    EXPECT_GT(qBlue(right), 18);
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
