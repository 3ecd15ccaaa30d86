// The renderer: the captured screen drawn enlarged on the display, and the
// same picture on the clipboard, after every change of what it looks like.

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>

#include "form1.h"
#include "surface.h"

void Form1::Redraw()
{
    Picture1->Cls();
    if (mnuGradient->isChecked())
        Gradient();

    const int t = screen_.twipsPerPixelX;
    // One column and one row past the capture are read too; they lie outside
    // it, read -1 and never draw.
    for (double x = 0; x <= Picture2->ScaleWidth(); x += 1) {
        for (double y = 0; y <= Picture2->ScaleHeight(); y += 1) {
            if (Picture2->Point(float(x), float(y)) != raster::kBlack)
                continue;
            const double s = zoomFactor * t;
            const double x1 = x * s, y1 = y * s;
            const double x2 = x1 + s, y2 = y1 + s;
            Picture1->Line(Surface::kStartGiven | Surface::kFilledBox, float(x1), float(y1), float(x2), float(y2));
        }
    }

    if (checkBoxValue(Check1) == 1) {
        const float w = Picture1->ScaleWidth();
        const float h = Picture1->ScaleHeight();
        Picture1->Line(Surface::kStartGiven | Surface::kBox, 1, 1, w - 15, h - 15);
    }

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // At zoom 0 there is no picture to give; the clipboard stays empty.
    if (!Picture1->Image().isNull())
        clipboard->setImage(Picture1->Image());
}

void Form1::Check1_Click() { Redraw(); }

void Form1::mnuNew_Click()
{
    Picture2->Cls();
    Picture1->Cls();
    QGuiApplication::clipboard()->clear();
    const float w = Picture2->Width();
    const float h = Picture2->Height();
    // Corners in the window's twips, given in the capture's 96 x 64 scale:
    // far past its edges, so every pixel of it turns white.
    Picture2->Line(Surface::kStartGiven | Surface::kFilledBox | Surface::kColourGiven, 0, 0, w, h, raster::kWhite);
    Redraw();
}
