#include "tilelayout.h"

#include <algorithm>
#include <cmath>

#include "bitmap.h"

namespace {

// How far a screen could be enlarged in a tile of `tile`: in whole device
// pixels a calculator pixel, and as a fraction, which ranks equal wholes.
struct Fit {
    int whole = 0;
    double exact = 0;
};

Fit fitIn(QSize tile, int textHeight, double ratio)
{
    const QRect area = TileLayout::screenArea(tile, textHeight);
    const double across = area.width() * ratio / calclink::kScreenWidth;
    const double down = area.height() * ratio / calclink::kScreenHeight;
    const double exact = std::min(across, down);
    return {int(std::floor(exact)), exact};
}

int rowsFor(int count, int columns) { return (count + columns - 1) / columns; }

} // namespace

TileLayout TileLayout::of(QSize area, int count, int textHeight, double ratio)
{
    count = std::max(count, 1);
    TileLayout best;
    Fit bestFit{-1, -1};
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = rowsFor(count, columns);
        const QSize tile(area.width() / columns, area.height() / rows);
        const Fit fit = fitIn(tile, textHeight, ratio);
        if (fit.whole > bestFit.whole || (fit.whole == bestFit.whole && fit.exact > bestFit.exact)) {
            bestFit = fit;
            best.columns = columns;
            best.rows = rows;
            best.tile = tile;
        }
    }
    best.scale = std::max(bestFit.whole, 1);
    best.corner = QPoint((area.width() - best.columns * best.tile.width()) / 2,
                         (area.height() - best.rows * best.tile.height()) / 2);
    return best;
}

QSize TileLayout::smallest(int count, int textHeight, QSize room)
{
    count = std::max(count, 1);
    const QSize tile(calclink::kScreenWidth + 2 * kMargin, calclink::kScreenHeight + 2 * kMargin + textHeight);
    // The columns that make the grid nearest a square, counting its pixels,
    // of those that go least beyond the room: a class of many calculators
    // in a square could make the window taller than the screen.
    int columns = 1;
    double least = -1, nearest = -1;
    for (int c = 1; c <= count; ++c) {
        const QSize grid(c * tile.width(), rowsFor(count, c) * tile.height());
        const double beyond = room.isValid() ? std::max({1.0, double(grid.width()) / room.width(),
                                                         double(grid.height()) / room.height()})
                                             : 1.0;
        const double squareness =
            double(std::min(grid.width(), grid.height())) / std::max(grid.width(), grid.height());
        if (least < 0 || beyond < least || (beyond == least && squareness > nearest)) {
            least = beyond;
            nearest = squareness;
            columns = c;
        }
    }
    return {columns * tile.width(), rowsFor(count, columns) * tile.height()};
}

QRect TileLayout::tileRect(int index) const
{
    return {corner + QPoint(index % columns * tile.width(), index / columns * tile.height()), tile};
}

QRect TileLayout::screenArea(QSize tile, int textHeight)
{
    return {kMargin, kMargin, tile.width() - 2 * kMargin, tile.height() - 2 * kMargin - textHeight};
}

int TileLayout::moved(int from, int count, Move move) const
{
    if (count <= 0)
        return 0;
    const int column = from % columns, row = from / columns, lastRow = (count - 1) / columns;
    switch (move) {
    case Move::Next:
        return (from + 1) % count;
    case Move::Previous:
        return (from + count - 1) % count;
    case Move::Left:
        return column > 0 ? from - 1 : from;
    case Move::Right:
        return column < columns - 1 && from + 1 < count ? from + 1 : from;
    case Move::Up:
        return row > 0 ? from - columns : from;
    case Move::Down:
        return from + columns < count ? from + columns : row < lastRow ? count - 1 : from;
    }
    return from;
}
