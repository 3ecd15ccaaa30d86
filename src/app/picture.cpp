// The picture: the captured screen drawn enlarged on the display, and the
// same picture on the clipboard, after every change of what it looks like.

#include <QCheckBox>
#include <QClipboard>
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
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    Picture1->setImage(display::render(Picture2, look, Picture1->takeImage()));
    // At zoom 0 there is no picture to give; the clipboard stays empty.
    if (!Picture1->Image().isNull())
        clipboard->setImage(Picture1->Image());
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
