// The zoom scroll bar: the factor, the display's size and place, the label,
// and the picture following on every step.

#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "render.h"
#include "windowtest.h"

class ZoomTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        form = &startedWindow(15);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // Where the thumb is, as the scroll bar's style draws it.
    QPoint thumbCentre() const
    {
        QScrollBar *bar = form->HScroll1;
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.subControls = QStyle::SC_All;
        option.orientation = Qt::Horizontal;
        option.state |= QStyle::State_Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar).center();
    }

    Form1 *form = nullptr;
};

TEST_F(ZoomTest, ChangeSetsTheFactorTheSizesAndTheFixedFormLabel)
{
    struct Case {
        int value;
        double zoom;
        float width, height;
        const char *label;
    };
    const Case cases[] = {
        {30, 3.0, 4410, 2970, " 3"}, {50, 5.0, 7350, 4950, " 5"}, {25, 2.5, 3675, 2475, " 2.5"},
        {5, 0.5, 735, 495, " .5"},   {0, 0.0, 0, 0, " 0"},        {1, 0.1, 150, 105, " .1"},
        {3, 0.3, 435, 300, " .3"}, // 29.4 pixels applied as 29
    };
    form->HScroll1->setValue(49); // so that each case below is a change
    for (const Case &c : cases) {
        form->HScroll1->setValue(c.value);
        EXPECT_EQ(form->zoomFactor, c.zoom) << c.value;
        EXPECT_EQ(form->Picture1->Width(), c.width) << c.value;
        EXPECT_EQ(form->Picture1->Height(), c.height) << c.value;
        EXPECT_EQ(form->Label1->text(), c.label) << c.value;
        const float expectedLeft = float(raster::pixelsFromTwips((form->Width() - c.width) / 2, 15) * 15);
        EXPECT_EQ(form->Picture1->Left(), expectedLeft) << "centred in the window's outer width";
    }
    EXPECT_EQ(form->Width(), float(form->frameGeometry().width() * 15));
}

TEST_F(ZoomTest, TheClipboardPictureFollowsTheZoom)
{
    form->HScroll1->setValue(45);
    EXPECT_EQ(clipboardImage().size(), QSize(437, 293));
    EXPECT_EQ(form->Picture1->Image().size(), QSize(437, 293));
    form->HScroll1->setValue(0);
    EXPECT_TRUE(form->Picture1->Image().isNull()) << "zoom 0 leaves no picture, and nothing crashes";
    form->HScroll1->setValue(10);
    EXPECT_EQ(clipboardImage().size(), QSize(94, 62));
}

TEST_F(ZoomTest, ScrollWritesTheLocalesFormAndLeavesTheLeftEdge)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const float left = form->Picture1->Left();
    form->HScroll1->setSliderDown(true);
    form->HScroll1->setSliderPosition(25);
    EXPECT_EQ(form->Label1->text(), "2,5");
    EXPECT_EQ(form->Picture1->Left(), left);
    EXPECT_EQ(form->Picture1->Width(), 3675);
    form->HScroll1->setSliderPosition(5);
    EXPECT_EQ(form->Label1->text(), "0,5");
    form->HScroll1->setSliderPosition(0);
    EXPECT_EQ(form->Label1->text(), "0");
    form->HScroll1->setSliderDown(false);
    EXPECT_EQ(form->Label1->text(), " 0") << "the change at the end of the drag writes the fixed form";
}

TEST_F(ZoomTest, ADragGivesScrollRunsAndOneChangeThatCentres)
{
    int redraws = 0;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, form, [&] { ++redraws; });
    EXPECT_EQ(form->Picture1->Left(), 75) << "no change yet: the display keeps its place";

    QScrollBar *bar = form->HScroll1;
    QPoint at = thumbCentre();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, at);
    int moves = 0;
    for (int step = 0; step < 4; ++step) {
        const int before = bar->value();
        at += QPoint(12, 0);
        QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        moves += bar->value() != before;
    }
    ASSERT_GT(moves, 0) << "the thumb moved";
    EXPECT_EQ(form->Picture1->Left(), 75) << "while dragging the left edge stays";
    EXPECT_EQ(form->Label1->text(), QLocale().toString(bar->value() / 10.0, 'g', 15));
    const int duringDrag = redraws;

    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_NE(form->Picture1->Left(), 75) << "the release centres the display";
    EXPECT_TRUE(form->Label1->text().startsWith(' '));
    // Each run redraws once, and each redraw clears and refills the clipboard.
    EXPECT_EQ(duringDrag, 2 * moves);
    EXPECT_EQ(redraws - duringDrag, 2) << "exactly one Change run on release";
}

TEST_F(ZoomTest, AClickInTheTroughIsOneChange)
{
    QScrollBar *bar = form->HScroll1;
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() - 30, bar->height() / 2));
    EXPECT_EQ(bar->value(), 35);
    EXPECT_EQ(form->Label1->text(), " 3.5");
}

TEST_F(ZoomTest, TheArrowKeysMoveTheZoomTheWayTheyPoint)
{
    QScrollBar *bar = form->HScroll1;
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->value(), 31);
    EXPECT_EQ(form->Label1->text(), " 3.1") << "one Change";
    QTest::keyClick(bar, Qt::Key_Left);
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(bar->value(), 29);
    QTest::keyClick(bar, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 34);
}

TEST_F(ZoomTest, TheNewestZoomWinsWhenAnotherRunsInside)
{
    // Step 9 lets this queued change run to its end inside the outer one.
    QTimer::singleShot(0, form, [this] { form->HScroll1->setValue(45); });
    form->HScroll1->setValue(10);
    EXPECT_EQ(form->zoomFactor, 4.5);
    EXPECT_EQ(form->Label1->text(), " 4.5");
    EXPECT_EQ(form->Picture1->Image().size(), QSize(437, 293));
    EXPECT_EQ(clipboardImage().size(), QSize(437, 293));
}

TEST_F(ZoomTest, ADisplayWiderThanTheWindowGetsANegativeLeft)
{
    form->setFixedSize(300, 300);
    form->HScroll1->setValue(50);
    EXPECT_LT(form->Picture1->Left(), 0);
    EXPECT_EQ(form->Picture1->Left(), float(raster::pixelsFromTwips((form->Width() - 7350) / 2, 15) * 15));
}
