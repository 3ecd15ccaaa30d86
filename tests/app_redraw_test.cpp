// Redraw as the window wires it: the picture shown is the one on the
// clipboard, Border and New, each through its control.

#include <QCheckBox>
#include <QEnterEvent>

#include "pictures.h"
#include "windowtest.h"

class RedrawTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        form = &startedWindow(15);
    }
    // Puts a screen with the given dark pixels into Picture2, as a capture does.
    void capture(std::initializer_list<QPoint> dark) { form->Picture2 = screenWith(dark); }

    Form1 *form = nullptr;
};

TEST_F(RedrawTest, TheClipboardHoldsExactlyWhatTheDisplayShows)
{
    capture({{0, 0}, {95, 63}, {40, 20}});
    setCheckBoxValue(form->Check1, 1); // its Click redraws
    const QImage first = form->Picture1->Image();
    EXPECT_EQ(first.pixel(95 * 3 + 1, 63 * 3 + 1), qRgb(0, 0, 0)) << "the last calculator pixel is drawn";
    EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32), first);
    form->Redraw();
    EXPECT_EQ(form->Picture1->Image(), first) << "a second redraw gives the same picture";
    EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32), first);
    // What the display widget paints is that picture, inside its frame.
    EXPECT_EQ(form->Picture1->grab().toImage().copy(2, 2, first.width(), first.height()).convertToFormat(
                  QImage::Format_RGB32),
              first);
}

TEST_F(RedrawTest, OnlyATickedBorderDrawsTheFrame)
{
    setCheckBoxValue(form->Check1, 1);
    EXPECT_FALSE(pixelsNot(form->Picture1->Image(), qRgb(255, 255, 255)).isEmpty());
    setCheckBoxValue(form->Check1, 2); // greyed
    EXPECT_TRUE(pixelsNot(form->Picture1->Image(), qRgb(255, 255, 255)).isEmpty());
    setCheckBoxValue(form->Check1, 0);
    EXPECT_TRUE(pixelsNot(clipboardImage().convertToFormat(QImage::Format_RGB32), qRgb(255, 255, 255)).isEmpty());
}

TEST_F(RedrawTest, NewLeavesOnlyTheBackground)
{
    capture({{5, 5}, {6, 5}});
    form->Picture1->setBackColor(raster::rgb(0, 0, 128));
    form->Redraw();
    form->mnuNew->trigger();
    const QImage &image = form->Picture1->Image();
    EXPECT_TRUE(pixelsNot(image, qRgb(0, 0, 128)).isEmpty());
    EXPECT_EQ(clipboardImage().convertToFormat(QImage::Format_RGB32), image);
    EXPECT_TRUE(pixelsNot(form->Picture2.convertToFormat(QImage::Format_RGB32), qRgb(255, 255, 255)).isEmpty());
}

// A desktop that takes the clipboard only from the focused window (Wayland)
// drops what the window offers in the background: it is offered again on
// getting the focus, and once more when the pointer comes in while the window
// keeps it, and never elsewhere, so that a later copy in another program stays.
TEST_F(RedrawTest, APictureOfferedInTheBackgroundIsOfferedAgainOnFocusWhereTheDesktopDroppedIt)
{
    QWidget other;
    other.show();
    const auto focus = [](QWidget &window) {
        window.activateWindow();
        ASSERT_TRUE(waitUntil([&] { return window.isActiveWindow(); }));
    };
    QEnterEvent pointerIn(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    // Another program's copy, or an offer the desktop dropped: the same to the window.
    const auto offeredOver = [&](const char *copy, const std::function<void()> &then) {
        QGuiApplication::clipboard()->setText(copy);
        then();
        return QGuiApplication::clipboard()->text() != copy && clipboardImage() == form->Picture1->Image();
    };
    struct Case {
        const char *desktop;
        bool needsFocus, inBackground, leavesFirst, onFocus, onPointer;
    } const cases[] = {{"Wayland, redrawn in the background", true, true, false, true, true},
                       {"Wayland, left again before the pointer came", true, true, true, true, false},
                       {"Wayland, redrawn in front", true, false, false, false, false},
                       {"X11, redrawn in the background", false, true, false, false, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.desktop);
        form->clipboardNeedsFocus = c.needsFocus;
        focus(c.inBackground ? other : *form);
        setCheckBoxValue(form->Check1, checkBoxValue(form->Check1) == 1 ? 0 : 1); // its Click redraws
        focus(other);
        EXPECT_EQ(offeredOver("dropped", [&] { focus(*form); }), c.onFocus) << "on getting the focus";
        if (c.leavesFirst)
            focus(other);
        focus(*form);
        const auto pointerComes = [&] { QApplication::sendEvent(form, &pointerIn); };
        EXPECT_EQ(offeredOver("a later copy", pointerComes), c.onPointer) << "when the pointer came in";
        EXPECT_FALSE(offeredOver("a copy after that", pointerComes)) << "when the pointer came in again";
    }
}
