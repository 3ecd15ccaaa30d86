#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

// While it lives, the mouse and keyboard input meant for one window waits:
// each event is kept, and release() hands them to the window again, in the
// order they came, once the event loop runs next. Everything else goes on:
// painting, moving the window, timers, and the request to close it. So the
// window stays alive during a long task without any of its handlers running
// in the middle of that task.
class HeldInput : public QObject {
    Q_OBJECT

public:
    explicit HeldInput(QWidget *window);
    ~HeldInput() override; // drops whatever was not released

    void release();

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    bool isInput(const QEvent *event) const;
    bool meantForWindow(QObject *receiver) const;

    QWidget *window_;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};
