#include "livescreen.h"

#include <QPainter>

#include <algorithm>

#include "render.h"

LiveScreen::LiveScreen(raster::Colour foreColor, raster::Colour backColor, QWidget *parent)
    : QWidget(parent), back_(display::rgbOf(backColor))
{
    calclink::Bitmap blank{};
    screen_ = display::screenImage(blank);
    screen_.setColorTable({display::rgbOf(backColor), display::rgbOf(foreColor)});
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted: the screen and the background around it
    setMinimumSize(calclink::kScreenWidth, calclink::kScreenHeight);
}

void LiveScreen::setScreen(const calclink::Bitmap &bitmap)
{
    const QList<QRgb> colours = screen_.colorTable();
    screen_ = display::screenImage(bitmap);
    screen_.setColorTable(colours);
    update();
}

int LiveScreen::scale() const
{
    const double ratio = devicePixelRatioF();
    return std::max(1, int(std::min(width() * ratio / screen_.width(), height() * ratio / screen_.height())));
}

void LiveScreen::paintEvent(QPaintEvent *)
{
    // Whole device pixels a calculator pixel, however the desktop scales the
    // window: a picture of that many device pixels, shown at their ratio.
    const double ratio = devicePixelRatioF();
    QImage scaled = screen_.scaled(screen_.size() * scale(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    // Centred on a whole device pixel, so that no square is cut.
    const int left = (int(width() * ratio) - scaled.width()) / 2;
    const int top = (int(height() * ratio) - scaled.height()) / 2;
    const QPointF corner(left / ratio, top / ratio);

    QPainter painter(this);
    painter.fillRect(rect(), back_);
    painter.drawImage(corner, scaled);
}
