#pragma once

#include <QRect>
#include <QSize>

// How Ekrano Live lays out the tiles of the calculators it reads, one a
// calculator, in reading order: in the number of columns that makes the
// screens largest, each tile the same size, each screen at the largest whole
// scale that fits its tile, so that every calculator pixel is the same
// square; and how the selection moves on it. No widgets.
struct TileLayout {
    // Around the screen, on every side, room for the selection's frame.
    static constexpr int kMargin = 6;

    int columns = 1;
    int rows = 1;
    QSize tile;     // each tile's size
    QPoint corner;  // the first tile's top left: the tiles are centred
    int scale = 1;  // device pixels a calculator pixel, at least 1

    // The layout of `count` tiles (at least 1) in `area`, each with
    // `textHeight` under its screen for its name and state; the sizes in
    // logical pixels, `ratio` device pixels each.
    static TileLayout of(QSize area, int count, int textHeight, double ratio = 1);
    // The smallest area in which `count` tiles each show their screen at
    // least at one logical pixel a calculator pixel, in the shape nearest a
    // square of those that go least beyond `room` (the screen's), if given.
    static QSize smallest(int count, int textHeight, QSize room = {});

    // Where tile `index` goes.
    QRect tileRect(int index) const;
    // Where the screen goes in a tile of `tile`: all of it above the text, within the margin.
    static QRect screenArea(QSize tile, int textHeight);

    // Tab and Shift+Tab (going round), and the arrow keys on the grid
    // (stopping at its edges; Down into a shorter last row goes to its last
    // tile): the tile selected after `from`, of `count`.
    enum class Move { Next, Previous, Left, Right, Up, Down };
    int moved(int from, int count, Move move) const;
};
