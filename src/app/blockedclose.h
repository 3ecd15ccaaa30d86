#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <functional>

class QWidget;

// Notices the window manager asking to close a window that a modal dialog
// blocks. Qt drops such a request without a trace, so a user who closes the
// window while a message box is open would find it still open after the box.
// On X11 only; on other platforms it sees nothing.
class BlockedClose : public QAbstractNativeEventFilter {
public:
    BlockedClose(QWidget *window, std::function<void()> requested);
    ~BlockedClose() override;
    BlockedClose(const BlockedClose &) = delete;
    BlockedClose &operator=(const BlockedClose &) = delete;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    std::function<void()> requested_;
    uint32_t window_ = 0;
    uint32_t protocols_ = 0;   // the atoms WM_PROTOCOLS
    uint32_t deleteWindow_ = 0; // and WM_DELETE_WINDOW, 0 when not on X11
};
