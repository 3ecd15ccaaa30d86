#include "controls.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>

int checkBoxValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setCheckBoxValue(QCheckBox *box, int value)
{
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

QAction *groupItem(const QActionGroup *group, int index)
{
    for (QAction *item : group->actions())
        if (item->data().toInt() == index)
            return item;
    return nullptr;
}

std::optional<int> tickedItem(const QActionGroup *group)
{
    if (const QAction *item = group->checkedAction())
        return item->data().toInt();
    return std::nullopt;
}
