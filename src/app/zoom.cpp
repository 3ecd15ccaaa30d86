// The zoom: HScroll1's value divided by 10 is the side, in screen pixels, of
// the square that stands for one calculator pixel.

#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>

#include "form1.h"
#include "settingsfile.h"
#include "surface.h"
#include "zoomlabel.h"

void Form1::HScroll1_Change() { applyZoom(true); }

void Form1::HScroll1_Scroll() { applyZoom(false); }

// Change centres the display and writes the factor in the fixed form; Scroll,
// while the thumb is dragged, leaves the display's left edge where it is and
// writes the factor as the user's locale does.
void Form1::applyZoom(bool centre)
{
    zoomFactor = settingsfile::zoomFactorOf(HScroll1->value());
    sizeDisplay();
    if (centre) {
        const float w = Picture1->Width();
        const float W = Width();
        Picture1->setLeft((W - w) / 2);
    }
    Label1->setText(centre ? QString::fromStdString(zoomlabel::fixedForm(zoomFactor))
                           : zoomlabel::localeForm(zoomFactor));
    // Waiting events may run a newer zoom to its end; the redraw below then
    // uses the newest zoomFactor, so the last picture matches the last value.
    QCoreApplication::processEvents();
    Redraw();
}
