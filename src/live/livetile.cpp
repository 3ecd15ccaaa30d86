#include "livetile.h"

#include <QPainter>

#include "bitmap.h"
#include "livecalculator.h"
#include "livescreen.h"
#include "render.h"
#include "tilelayout.h"

namespace {

constexpr int kFrame = 3; // the selection's frame, inside the margin

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

LiveTile::LiveTile(LiveCalculator *calculator, const QString &place, raster::Colour foreColor,
                   raster::Colour backColor, QWidget *parent)
    : QWidget(parent), calculator_(calculator), place_(place), fore_(display::rgbOf(foreColor)),
      back_(display::rgbOf(backColor))
{
    calclink::Bitmap blank{};
    screen_ = display::screenImage(blank);
    screen_.setColorTable({back_.rgb(), fore_.rgb()});
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted
    connect(calculator, &LiveCalculator::newsTaken, this, &LiveTile::takeNews);
    takeNews(false);
}

int LiveTile::textHeight(const QFont &font)
{
    return QFontMetrics(boldOf(font)).height() + QFontMetrics(font).height() + 2;
}

void LiveTile::takeNews(bool screenChanged)
{
    if (screenChanged) {
        const QList<QRgb> colours = screen_.colorTable();
        screen_ = display::screenImage(*calculator_->screen());
        screen_.setColorTable(colours);
        update();
    }
    if (const QString state = calculator_->state(); state != state_) {
        state_ = state;
        setToolTip(title() + "\n" + state_);
        update();
    }
}

void LiveTile::setName(const QString &name)
{
    name_ = name;
    setToolTip(title() + "\n" + state_);
    update();
}

void LiveTile::setSelected(bool selected)
{
    if (selected != selected_) {
        selected_ = selected;
        update();
    }
}

void LiveTile::setScale(int scale)
{
    if (scale != scale_) {
        scale_ = scale;
        update();
    }
}

void LiveTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    const int text = textHeight(font());
    const QRectF shown =
        LiveScreen::draw(painter, screen_, TileLayout::screenArea(size(), text), scale_, devicePixelRatioF());
    // A hairline around the screen in a tint of the foreground, so that
    // each calculator reads as one, a blank screen too.
    QColor tint = fore_;
    tint.setAlphaF(0.25);
    painter.setPen(QPen(tint, 0));
    painter.drawRect(shown.adjusted(-1, -1, 0, 0));

    // The name and the state, under the screen, as wide as the tile.
    const QFont bold = boldOf(font());
    const int width = this->width() - 2 * TileLayout::kMargin;
    painter.setPen(fore_);
    painter.setFont(bold);
    const QFontMetrics boldMetrics(bold), metrics(font());
    const int nameTop = height() - TileLayout::kMargin - text + 1;
    painter.drawText(QRect(TileLayout::kMargin, nameTop, width, boldMetrics.height()), Qt::AlignHCenter,
                     boldMetrics.elidedText(title(), Qt::ElideRight, width));
    painter.setFont(font());
    painter.drawText(QRect(TileLayout::kMargin, nameTop + boldMetrics.height() + 1, width, metrics.height()),
                     Qt::AlignHCenter, metrics.elidedText(state_, Qt::ElideRight, width));

    if (selected_) {
        QPen frame(fore_, kFrame);
        frame.setJoinStyle(Qt::MiterJoin);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        const double inset = kFrame / 2.0 + 1;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}
