#include "controls.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

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

class ArrowSteps : public QObject {
public:
    explicit ArrowSteps(QScrollBar *bar) : QObject(bar), bar_(bar) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Left && key->key() != Qt::Key_Right) || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        const bool onward = (key->key() == Qt::Key_Right) != (bar_->layoutDirection() == Qt::RightToLeft);
        bar_->triggerAction(onward ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        return true;
    }

private:
    QScrollBar *bar_;
};

} // namespace

void arrowsAlongTheBar(QScrollBar *bar) { bar->installEventFilter(new ArrowSteps(bar)); }

void pressOnEnter(QPushButton *button) { button->installEventFilter(new EnterPresses(button)); }
