// The Colors menu: the foreground colour, a solid or graded background, and
// the direction of the gradient.

#include <QAction>
#include <QCoreApplication>

#include <cmath>

#include "commondialog.h"
#include "form1.h"
#include "surface.h"

namespace {

struct Channels {
    double red, green, blue;
};

// A colour value back into its channels, in floating point: floors of
// quotients, step by step, as the Gradient menu has always split the dialog's
// colour. Kept to the letter rather than raster::red(), green() and blue(),
// which mask bits; the two agree on every colour the dialog gives (channels 0
// to 255).
Channels split(double c)
{
    const double blue = std::floor(c / 65536);
    const double green = std::floor((c - blue * 256 * 256) / 256);
    const double red = std::floor(c - blue * 256 * 256 - green * 256);
    return {red, green, blue};
}

} // namespace

void Form1::mnuForeground_Click()
{
    CommonDialog1->ShowColor();
    Picture1->setForeColor(CommonDialog1->Color());
    QCoreApplication::processEvents();
    Redraw();
}

void Form1::mnuSolid_Click()
{
    mnuGradient->setChecked(false);
    mnuSolid->setChecked(true);
    CommonDialog1->ShowColor();
    Picture1->setBackColor(CommonDialog1->Color());
    QCoreApplication::processEvents();
    Redraw();
}

void Form1::mnuGradient_Click()
{
    mnuGradient->setChecked(true);
    mnuSolid->setChecked(false);
    CommonDialog1->ShowColor();
    const Channels start = split(CommonDialog1->Color());
    gradStartBlue = start.blue;
    gradStartGreen = start.green;
    gradStartRed = start.red;
    CommonDialog1->ShowColor();
    const Channels end = split(CommonDialog1->Color());
    gradEndBlue = end.blue;
    gradEndGreen = end.green;
    gradEndRed = end.red;
    QCoreApplication::processEvents();
    Redraw();
}

void Form1::mnuHorizontal_Click()
{
    mnuHorizontal->setChecked(!mnuHorizontal->isChecked());
    Redraw();
}
