#include "heldinput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

HeldInput::HeldInput(QWidget *window) : window_(window) { QCoreApplication::instance()->installEventFilter(this); }

HeldInput::~HeldInput() { QCoreApplication::instance()->removeEventFilter(this); }

void HeldInput::release()
{
    QCoreApplication::instance()->removeEventFilter(this);
    for (auto &[receiver, event] : held_)
        if (receiver)
            QCoreApplication::postEvent(receiver, event.release());
    held_.clear();
}

bool HeldInput::isInput(const QEvent *event) const
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::NativeGesture:
        return true;
    default:
        return false;
    }
}

// Input reaches the window's native window first, which hands it on to the
// widget under the mouse or with the focus; a key that completes a shortcut
// (an Alt+letter of a caption or a menu) goes straight to the widget that
// owns the shortcut instead.
bool HeldInput::meantForWindow(QObject *receiver) const
{
    if (receiver == window_->windowHandle())
        return true;
    if (auto *widget = qobject_cast<QWidget *>(receiver))
        return widget->window() == window_;
    return false;
}

bool HeldInput::eventFilter(QObject *receiver, QEvent *event)
{
    if (!isInput(event) || !meantForWindow(receiver))
        return false;
    held_.emplace_back(receiver, event->clone());
    return true;
}
