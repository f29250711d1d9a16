#include "ToolWindowType.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace ToolWindowType {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

// Announces `window` as a panel torn off its owner, then as `second` for
// window managers that do not know that kind.
void markAsPanelOr(QWidget* window, const char* second) {
    // Creating the native window here would create it out of turn.
    if (!window || !window->isWindow() || !window->windowHandle()) return;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    // Qt keeps a kind set here when it updates the window's flags later.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t kinds[] = {atom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"), atom(connection, second)};
    const xcb_atom_t property = atom(connection, "_NET_WM_WINDOW_TYPE");
    if (property == XCB_ATOM_NONE || kinds[0] == XCB_ATOM_NONE || kinds[1] == XCB_ATOM_NONE) return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, property, XCB_ATOM_ATOM, 32, 2, kinds);
    xcb_flush(connection);
}

}  // namespace

void MarkAsPanel(QWidget* window) { markAsPanelOr(window, "_NET_WM_WINDOW_TYPE_UTILITY"); }

void MarkAsBox(QWidget* window) { markAsPanelOr(window, "_NET_WM_WINDOW_TYPE_DIALOG"); }

}  // namespace ToolWindowType
