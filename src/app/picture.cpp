// The picture: the captured screen drawn enlarged on the display, and the
// same picture on the clipboard, after every change of what it looks like.

#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>

#include "controls.h"
#include "form1.h"
#include "render.h"
#include "surface.h"

void Form1::Redraw()
{
    display::Look look;
    look.size = Picture1->innerSize();
    look.zoomFactor = zoomFactor;
    look.twipsPerPixelX = screen_.twipsPerPixelX;
    look.twipsPerPixelY = screen_.twipsPerPixelY;
    look.foreColor = Picture1->ForeColor();
    look.backColor = Picture1->BackColor();
    if (mnuGradient->isChecked())
        look.gradient = display::GradedBackground{gradStartRed, gradStartGreen, gradStartBlue,
                                          gradEndRed,   gradEndGreen,   gradEndBlue,
                                          mnuHorizontal->isChecked()};
    look.border = checkBoxValue(Check1) == 1;

    // The clipboard lets go of the last picture before the new one is drawn,
    // so that the new one is drawn over the old one's memory.
    QGuiApplication::clipboard()->clear();
    Picture1->setImage(display::render(Picture2, look, Picture1->takeImage()));
    offerPicture();
}

void Form1::offerPicture()
{
    // At zoom 0 there is no picture to give; the clipboard stays empty.
    if (!Picture1->Image().isNull())
        QGuiApplication::clipboard()->setImage(Picture1->Image());
    // A Wayland desktop drops it from a window in the background: at start-up,
    // before it gives the window the focus, or when a capture ends after the
    // user went to another window. Where any window may set the clipboard (X11)
    // nothing is offered twice, so that a later copy in another program stays.
    offer_ = clipboardNeedsFocus && !isActiveWindow() ? Offer::Dropped : Offer::Taken;
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        // Gone before the pointer came in: a copy made elsewhere meanwhile stays.
        if (offer_ == Offer::MadeOnFocus)
            offer_ = Offer::Taken;
    } else if (offer_ == Offer::Dropped) {
        QGuiApplication::clipboard()->clear();
        offerPicture();
        // Qt's offer carries the number of the last input event the window
        // had, and a desktop refuses one older than the clipboard's (Weston):
        // at start-up, or when the focus came by the keyboard, there may be
        // none yet. The pointer coming in brings a new one.
        offer_ = Offer::MadeOnFocus;
    }
}

void Form1::enterEvent(QEnterEvent *event)
{
    QMainWindow::enterEvent(event);
    if (offer_ == Offer::MadeOnFocus && isActiveWindow())
        offerPicture();
}

void Form1::Check1_Click() { Redraw(); }

void Form1::mnuNew_Click()
{
    Picture1->Cls();
    QGuiApplication::clipboard()->clear();
    // The capture blanked: every calculator pixel light.
    Picture2 = display::blankScreen(Picture2.width(), Picture2.height(), raster::kWhite);
    Redraw();
}
