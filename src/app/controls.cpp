#include "controls.h"

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

void onClick(QAction *item, std::function<void()> handler)
{
    QObject::connect(item, &QAction::triggered, item, [item, handler = std::move(handler)](bool checked) {
        if (item->isCheckable())
            item->setChecked(!checked);
        handler();
    });
}

void ItemGroup::onClick(std::function<void(int index)> handler)
{
    for (int i = 0; i < Count(); ++i)
        ::onClick(items_[size_t(i)], [handler, index = lowerBound_ + i] { handler(index); });
}
