#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include <optional>

#include "bitmap.h"
#include "raster.h"

namespace display {

// A graded background: 256 bands from the start colour (band 0, at the left
// or top edge) to the end colour (band 255, at the right or bottom edge),
// each channel a whole number 0 to 255 held as a floating-point number.
struct GradedBackground {
    double startRed = 0, startGreen = 0, startBlue = 0;
    double endRed = 0, endGreen = 0, endBlue = 0;
    bool horizontal = false; // bands are rows from top to bottom, not columns from left to right
};

// How the captured screen is drawn.
struct Look {
    QSize size;               // the display's drawing area, in pixels
    double zoomFactor = 3;    // the side of one calculator pixel, in screen pixels
    int twipsPerPixelX = 15;  // the screen's metrics, in whose twips the
    int twipsPerPixelY = 15;  // squares and the frame are placed
    raster::Colour foreColor = raster::kBlack;
    raster::Colour backColor = raster::kWhite;
    std::optional<GradedBackground> gradient; // none: the solid background colour
    bool border = false;      // a one-pixel frame just inside the edges
};

// A solid background at a zoom, in a drawing area of the display's size:
// the picture of the Ekrano window with the same choices.
Look solidLook(double zoomFactor, int twipsPerPixelX, int twipsPerPixelY, raster::Colour foreColor,
               raster::Colour backColor, bool border);

// The display's size at a zoom, frame included: 98 by 66 calculator pixels
// (the screen and a margin of one pixel around it) at the zoom, in whole
// pixels of the screen, the height following the width as applied. The
// window sizes its display by it, and a picture drawn without the window
// takes its drawing area.
QSize displaySize(double zoomFactor, int twipsPerPixelX, int twipsPerPixelY);

// The display's sunken frame, in pixels on each side.
inline constexpr int kFrameWidth = 2;

// The picture inside the frame: displaySize() less the frame.
QSize drawingArea(double zoomFactor, int twipsPerPixelX, int twipsPerPixelY);

// The display's picture: the background (solid, or the 256 bands of the
// gradient), every dark calculator pixel as a square of the zoom's side in
// the foreground colour (covering the pixels whose centres lie inside it, so
// that neighbouring squares tile with no gap and no overlap), and the frame
// over them. `screen` holds one pixel per calculator pixel; the black ones
// are dark. A null image where the area is empty. `reuse`, a picture of the
// same size that nothing else holds, is drawn over instead of new memory.
QImage render(const QImage &screen, const Look &look, QImage reuse = {});

// The colour value as Qt's colour, and Qt's colour as the colour value.
QRgb rgbOf(raster::Colour colour);
raster::Colour colourOf(const QColor &colour);

// A screen of one colour, `colour` (dark where it is black).
QImage blankScreen(int width, int height, raster::Colour colour);

// The screen as the renderer reads it, from the link's bitmap: a set bit
// dark (black), the others white. One row copy each, no pixel conversion.
QImage screenImage(const calclink::Bitmap &bitmap);

} // namespace display
