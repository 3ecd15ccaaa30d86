#include "commondialog.h"

#include <QColorDialog>

#include "render.h"

CommonDialog::CommonDialog(QWidget *parent) : QObject(parent), parent_(parent) {}

void CommonDialog::ShowColor()
{
    // Made at its first use: building a colour dialog costs more than the
    // whole rest of the window's start.
    if (!dialog_) {
        dialog_ = new QColorDialog(parent_);
        dialog_->setModal(true);
    }
    dialog_->setCurrentColor(QColor(display::rgbOf(color_)));
    if (dialog_->exec() == QDialog::Accepted) {
        color_ = display::colourOf(dialog_->selectedColor());
    }
}
