#include "controls.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

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

namespace {

class EnterPresses : public QObject {
public:
    explicit EnterPresses(QPushButton *button) : QObject(button), button_(button) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat() ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        button_->click();
        return true;
    }

private:
    QPushButton *button_;
};

} // namespace

void pressOnEnter(QPushButton *button) { button->installEventFilter(new EnterPresses(button)); }
