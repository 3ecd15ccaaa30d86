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

QRectF LiveScreen::draw(QPainter &painter, const QImage &screen, const QRect &area, int scale, double ratio)
{
    // Whole device pixels a calculator pixel, however the desktop scales the
    // window: a picture of that many device pixels, shown at their ratio.
    QImage scaled = screen.scaled(screen.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    const int left = int(area.left() * ratio) + (int(area.width() * ratio) - scaled.width()) / 2;
    const int top = int(area.top() * ratio) + (int(area.height() * ratio) - scaled.height()) / 2;
    const QRectF shown(left / ratio, top / ratio, scaled.width() / ratio, scaled.height() / ratio);
    painter.drawImage(shown.topLeft(), scaled);
    return shown;
}

void LiveScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    draw(painter, screen_, rect(), scale(), devicePixelRatioF());
}
