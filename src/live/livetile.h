#pragma once

#include <QImage>
#include <QWidget>

#include "raster.h"

class LiveCalculator;

// One calculator in Ekrano Live's grid: its last screen, at the whole scale
// the grid gives every tile, and under it its name (or, with none, where it
// is plugged in) and what its reading is doing; framed when it is selected.
// All in the calculator's colours.
class LiveTile : public QWidget {
    Q_OBJECT

public:
    LiveTile(LiveCalculator *calculator, const QString &place, raster::Colour foreColor, raster::Colour backColor,
             QWidget *parent = nullptr);

    LiveCalculator *calculator() const { return calculator_; }
    const QString &place() const { return place_; }
    const QString &name() const { return name_; }
    // The name, or the place for a tile with none.
    QString title() const { return name_.isEmpty() ? place_ : name_; }
    const QString &state() const { return state_; }

    void setName(const QString &name);
    void setSelected(bool selected);
    // Device pixels a calculator pixel, as the grid's layout gives it.
    void setScale(int scale);
    int scale() const { return scale_; }

    // The height the name and the state take under the screen, in `font`.
    static int textHeight(const QFont &font);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void takeNews(bool screenChanged);

    LiveCalculator *const calculator_;
    const QString place_;
    QString name_;
    QString state_;
    QImage screen_; // one pixel a calculator pixel, in the foreground and background colours
    QColor fore_, back_;
    bool selected_ = false;
    int scale_ = 1;
};
