#include "commondialog.h"

#include <QColorDialog>

CommonDialog::CommonDialog(QWidget *parent) : QObject(parent), parent_(parent) {}

void CommonDialog::ShowColor()
{
    // Made at its first use: building a colour dialog costs more than the
    // whole rest of the window's start.
    if (!dialog_) {
        dialog_ = new QColorDialog(parent_);
        dialog_->setModal(true);
    }
    dialog_->setCurrentColor(QColor(raster::red(color_), raster::green(color_), raster::blue(color_)));
    if (dialog_->exec() == QDialog::Accepted) {
        const QColor chosen = dialog_->selectedColor();
        color_ = raster::rgb(chosen.red(), chosen.green(), chosen.blue());
    }
}
