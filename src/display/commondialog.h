#pragma once

#include <QObject>

#include "raster.h"

class QColorDialog;
class QWidget;

// The window's one colour dialog, shared by every colour choice. It keeps the
// last colour confirmed in it (black before any); a cancel leaves that colour
// and is not reported.
class CommonDialog : public QObject {
    Q_OBJECT

public:
    explicit CommonDialog(QWidget *parent);

    // Shows the modal colour dialog, opening on the current Color, and
    // returns when the user confirms or cancels.
    void ShowColor();
    raster::Colour Color() const { return color_; }

private:
    QWidget *parent_;
    QColorDialog *dialog_ = nullptr; // the window's child, made at the first ShowColor
    raster::Colour color_ = raster::kBlack;
};
