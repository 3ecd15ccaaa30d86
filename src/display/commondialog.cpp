#include "commondialog.h"

#include <QColorDialog>

CommonDialog::CommonDialog(QWidget *parent) : QObject(parent), dialog_(new QColorDialog(parent))
{
    dialog_->setModal(true);
}

void CommonDialog::ShowColor()
{
    dialog_->setCurrentColor(QColor(raster::red(color_), raster::green(color_), raster::blue(color_)));
    if (dialog_->exec() == QDialog::Accepted) {
        const QColor chosen = dialog_->selectedColor();
        color_ = raster::rgb(chosen.red(), chosen.green(), chosen.blue());
    }
}
