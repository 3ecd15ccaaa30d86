// The Colors menu: the foreground colour, a solid or graded background, and
// the direction of the gradient.

#include <QCoreApplication>

#include <cmath>

#include "commondialog.h"
#include "form1.h"
#include "surface.h"

namespace {

struct Channels {
    double red, green, blue;
};

// A colour value back into its channels, in floating point.
Channels split(double c)
{
    const double blue = std::floor(c / 65536);
    const double green = std::floor((c - blue * 256 * 256) / 256);
    const double red = std::floor(c - blue * 256 * 256 - green * 256);
    return {red, green, blue};
}

} // namespace

void Form1::Gradient()
{
    Picture1->setDrawStyle(6);  // inside solid
    Picture1->setDrawMode(13);  // copy pen
    Picture1->setDrawWidth(3);
    const double redDifference = gradEndRed - gradStartRed;
    const double greenDifference = gradEndGreen - gradStartGreen;
    const double blueDifference = gradEndBlue - gradStartBlue;

    Picture1->setScaleMode(Surface::Pixels);
    const bool horizontal = mnuHorizontal->isChecked();
    if (horizontal)
        Picture1->setScaleHeight(255);
    else
        Picture1->setScaleWidth(255);

    for (int i = 0; i <= 255; ++i) {
        const double red = std::nearbyint(redDifference / 255 * i + gradStartRed);
        const double green = std::nearbyint(greenDifference / 255 * i + gradStartGreen);
        const double blue = std::nearbyint(blueDifference / 255 * i + gradStartBlue);
        const auto colour = raster::Colour(red + 256 * green + 65536 * blue);
        const int flags = Surface::kStartGiven | Surface::kColourGiven;
        if (horizontal)
            Picture1->Line(flags, 0, float(i), Picture1->ScaleWidth(), float(i), colour);
        else
            Picture1->Line(flags, float(i), 0, float(i), Picture1->ScaleHeight(), colour);
    }

    Picture1->setDrawWidth(1);
    Picture1->setScaleMode(Surface::Twips);
}

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
