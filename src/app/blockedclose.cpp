#include "blockedclose.h"

#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

namespace {

uint32_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 1, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const uint32_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

} // namespace

BlockedClose::BlockedClose(QWidget *window, std::function<void()> requested) : requested_(std::move(requested))
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != "xcb" || !connection || !window->windowHandle())
        return;
    window_ = uint32_t(window->winId());
    protocols_ = internAtom(connection, "WM_PROTOCOLS");
    deleteWindow_ = internAtom(connection, "WM_DELETE_WINDOW");
    if (protocols_ && deleteWindow_)
        qGuiApp->installNativeEventFilter(this);
}

BlockedClose::~BlockedClose() { qGuiApp->removeNativeEventFilter(this); }

bool BlockedClose::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *client = static_cast<const xcb_client_message_event_t *>(message);
    if (client->window == window_ && client->type == protocols_ && client->format == 32 &&
        client->data.data32[0] == deleteWindow_)
        requested_();
    return false; // Qt sees it as well, and drops it while the window is blocked
}
