#include "controls.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

#include <functional>

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

// Takes a widget's presses of two keys (on the keypad too, with no other
// modifier) and hands each to `act` instead of the widget.
class KeyPair : public QObject {
public:
    KeyPair(QWidget *widget, Qt::Key first, Qt::Key second, bool repeats, std::function<void(Qt::Key)> act)
        : QObject(widget), first_(first), second_(second), repeats_(repeats), act_(std::move(act))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        if ((key->key() != first_ && key->key() != second_) || (key->isAutoRepeat() && !repeats_) ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        act_(Qt::Key(key->key()));
        return true;
    }

private:
    const Qt::Key first_, second_;
    const bool repeats_;
    const std::function<void(Qt::Key)> act_;
};

} // namespace

void arrowsAlongTheBar(QScrollBar *bar)
{
    new KeyPair(bar, Qt::Key_Left, Qt::Key_Right, /*repeats=*/true, [bar](Qt::Key key) {
        const bool onward = (key == Qt::Key_Right) != (bar->layoutDirection() == Qt::RightToLeft);
        bar->triggerAction(onward ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    });
}

void pressOnEnter(QPushButton *button)
{
    new KeyPair(button, Qt::Key_Return, Qt::Key_Enter, /*repeats=*/false, [button](Qt::Key) { button->click(); });
}
