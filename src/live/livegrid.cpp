#include "livegrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "livetile.h"
#include "render.h"

LiveGrid::LiveGrid(raster::Colour foreColor, raster::Colour backColor, QWidget *parent)
    : QWidget(parent), fore_(display::rgbOf(foreColor))
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, display::rgbOf(backColor));
    setPalette(colours);
    setAutoFillBackground(true); // around the tiles
    setFocusPolicy(Qt::StrongFocus);
}

void LiveGrid::add(LiveTile *tile)
{
    tile->setParent(this);
    tile->setSelected(tiles_.empty());
    tiles_.push_back(tile);
    tile->show();
    updateGeometry(); // a larger smallest size
    arrange();
    update();
}

LiveTile *LiveGrid::tileOf(const QString &place) const
{
    for (LiveTile *tile : tiles_)
        if (tile->place() == place)
            return tile;
    return nullptr;
}

void LiveGrid::select(int index)
{
    if (index < 0 || index >= count() || index == selected_)
        return;
    tiles_[size_t(selected_)]->setSelected(false);
    selected_ = index;
    tiles_[size_t(selected_)]->setSelected(true);
    emit selectionChanged();
}

void LiveGrid::setEmptyText(const QString &text)
{
    emptyText_ = text;
    update();
}

// The smallest grid, in a shape that leaves room on the screen for the
// window's frame and status line.
QSize LiveGrid::minimumSizeHint() const
{
    const QSize room = screen() ? screen()->availableSize() - QSize(40, 120) : QSize();
    return TileLayout::smallest(count(), LiveTile::textHeight(font()), room);
}

QSize LiveGrid::sizeHint() const
{
    // Each screen three times as large as the smallest.
    const QSize smallest = minimumSizeHint();
    const int text = LiveTile::textHeight(font());
    const TileLayout at1 = TileLayout::of(smallest, count(), text);
    return {at1.columns * (3 * calclink::kScreenWidth + 2 * TileLayout::kMargin),
            at1.rows * (3 * calclink::kScreenHeight + 2 * TileLayout::kMargin + text)};
}

void LiveGrid::arrange()
{
    layout_ = TileLayout::of(size(), count(), LiveTile::textHeight(font()), devicePixelRatioF());
    for (int index = 0; index < count(); ++index) {
        tiles_[size_t(index)]->setGeometry(layout_.tileRect(index));
        tiles_[size_t(index)]->setScale(layout_.scale);
    }
}

int LiveGrid::tileAt(QPoint point) const
{
    for (int index = 0; index < count(); ++index)
        if (tiles_[size_t(index)]->geometry().contains(point))
            return index;
    return -1;
}

// Tab and Shift+Tab move the selection, not the keyboard's focus.
bool LiveGrid::focusNextPrevChild(bool next)
{
    select(layout_.moved(selected_, count(), next ? TileLayout::Move::Next : TileLayout::Move::Previous));
    return true;
}

void LiveGrid::keyPressEvent(QKeyEvent *event)
{
    using Move = TileLayout::Move;
    static const std::pair<int, Move> arrows[] = {
        {Qt::Key_Left, Move::Left}, {Qt::Key_Right, Move::Right}, {Qt::Key_Up, Move::Up}, {Qt::Key_Down, Move::Down}};
    for (const auto &[key, move] : arrows) {
        if (event->key() == key && !(event->modifiers() & ~Qt::KeypadModifier)) {
            select(layout_.moved(selected_, count(), move));
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void LiveGrid::mousePressEvent(QMouseEvent *event)
{
    if (const int index = tileAt(event->position().toPoint()); index >= 0)
        select(index);
    QWidget::mousePressEvent(event);
}

void LiveGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int index = tileAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0) {
        select(index);
        emit activated();
    }
}

void LiveGrid::resizeEvent(QResizeEvent *) { arrange(); }

void LiveGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        arrange();
    }
    QWidget::changeEvent(event);
}

void LiveGrid::paintEvent(QPaintEvent *)
{
    if (!tiles_.empty() || emptyText_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(fore_);
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
}
