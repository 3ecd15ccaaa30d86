#pragma once

#include <QWidget>

#include <vector>

#include "raster.h"
#include "tilelayout.h"

class LiveTile;

// Ekrano Live's calculators side by side: their tiles laid out by
// TileLayout as the grid's size allows, one of them selected. A click
// selects a tile, a double click also activates it; Tab and Shift+Tab move
// the selection in reading order, the arrow keys on the grid. With no tile,
// a line of text says why.
class LiveGrid : public QWidget {
    Q_OBJECT

public:
    LiveGrid(raster::Colour foreColor, raster::Colour backColor, QWidget *parent = nullptr);

    // A tile after the others; the first one added is selected.
    void add(LiveTile *tile);
    int count() const { return int(tiles_.size()); }
    LiveTile *tile(int index) const { return tiles_.at(size_t(index)); }
    // The tile of `place`, if there is one.
    LiveTile *tileOf(const QString &place) const;
    int selected() const { return selected_; }
    LiveTile *selectedTile() const { return tiles_.empty() ? nullptr : tiles_[size_t(selected_)]; }
    void select(int index);
    const TileLayout &layout() const { return layout_; }

    // What is shown while there is no tile.
    void setEmptyText(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectionChanged();
    // A double click on the selected tile.
    void activated();

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void arrange();
    int tileAt(QPoint point) const;

    std::vector<LiveTile *> tiles_; // children, in reading order
    int selected_ = 0;
    TileLayout layout_;
    QColor fore_;
    QString emptyText_;
};
