#include "X11Windows.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include <xcb/xcb.h>

namespace X11Windows {
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t rootOf(xcb_connection_t* c) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    return screens.rem ? screens.data->root : xcb_window_t{XCB_WINDOW_NONE};
}

// The value of a window's property, or nothing.
Reply<xcb_get_property_reply_t> property(xcb_connection_t* c, xcb_window_t w, const char* name, xcb_atom_t type) {
    const xcb_atom_t prop = atom(c, name);
    if (prop == XCB_ATOM_NONE) return nullptr;
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, prop, type, 0, 1024), nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE) return nullptr;
    return reply;
}

// A widget's native window, only where it already exists: creating it here
// would create it out of turn.
xcb_window_t nativeOf(const QWidget* window) {
    if (!window || !window->isWindow() || !window->windowHandle()) return XCB_WINDOW_NONE;
    return static_cast<xcb_window_t>(window->winId());
}

// Sends an event to the root window, where the window manager takes requests.
// Events go as 32 bytes, whatever their own size.
template <typename Event>
void tellWindowManager(xcb_connection_t* c, const Event* event) {
    static_assert(sizeof(Event) <= 32);
    char sent[32] = {};
    std::memcpy(sent, event, sizeof(Event));
    xcb_send_event(c, 0, rootOf(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY, sent);
    xcb_flush(c);
}

}  // namespace

bool Available() { return connection() != nullptr; }

QString WindowManagerName() {
    xcb_connection_t* c = connection();
    if (!c) return {};
    const auto check = property(c, rootOf(c), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW);
    if (!check || xcb_get_property_value_length(check.get()) < 4) return {};
    const xcb_window_t wm = *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get()));
    const auto name = property(c, wm, "_NET_WM_NAME", atom(c, "UTF8_STRING"));
    if (!name) return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                             xcb_get_property_value_length(name.get()));
}

void SetWindowKinds(QWidget* window, std::initializer_list<const char*> kinds) {
    xcb_connection_t* c = connection();
    const xcb_window_t id = nativeOf(window);
    if (!c || id == XCB_WINDOW_NONE) return;
    std::vector<xcb_atom_t> atoms;
    for (const char* kind : kinds) {
        const xcb_atom_t a = atom(c, (std::string("_NET_WM_WINDOW_TYPE_") + kind).c_str());
        if (a == XCB_ATOM_NONE) return;
        atoms.push_back(a);
    }
    const xcb_atom_t prop = atom(c, "_NET_WM_WINDOW_TYPE");
    if (prop == XCB_ATOM_NONE) return;
    // The toolkit keeps a kind set here when it updates the window's flags later.
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, prop, XCB_ATOM_ATOM, 32, static_cast<uint32_t>(atoms.size()),
                        atoms.data());
    xcb_flush(c);
}

std::optional<QPoint> FramePosition(QWidget* window) {
    xcb_connection_t* c = connection();
    const xcb_window_t id = nativeOf(window);
    if (!c || id == XCB_WINDOW_NONE) return std::nullopt;
    Reply<xcb_translate_coordinates_reply_t> at(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, rootOf(c), 0, 0), nullptr));
    if (!at) return std::nullopt;
    QPoint corner(at->dst_x, at->dst_y);
    // The frame's left and top widths, where the window manager framed it.
    if (const auto frame = property(c, id, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
        frame && xcb_get_property_value_length(frame.get()) >= 16) {
        const auto* extents = static_cast<const uint32_t*>(xcb_get_property_value(frame.get()));
        corner -= QPoint(static_cast<int>(extents[0]), static_cast<int>(extents[2]));
    }
    return corner;
}

bool MoveFrame(QWidget* window, QPoint corner) {
    xcb_connection_t* c = connection();
    const xcb_window_t id = nativeOf(window);
    if (!c || id == XCB_WINDOW_NONE) return false;
    // The frame's corner, as the toolkit asks for a top-level's place.
    const int32_t at[] = {corner.x(), corner.y()};
    xcb_configure_window(c, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, at);
    xcb_flush(c);
    return true;
}

bool EmbeddedAndViewable(QWidget* window) {
    xcb_connection_t* c = connection();
    const xcb_window_t id = nativeOf(window);
    if (!c || id == XCB_WINDOW_NONE) return false;
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, id), nullptr));
    if (!tree || tree->parent == tree->root) return false;
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

void Minimise(QWidget* window) {
    xcb_connection_t* c = connection();
    const xcb_window_t id = nativeOf(window);
    const xcb_atom_t change = c ? atom(c, "WM_CHANGE_STATE") : xcb_atom_t{XCB_ATOM_NONE};
    if (!c || id == XCB_WINDOW_NONE || change == XCB_ATOM_NONE || WindowManagerName().isEmpty() ||
        !window->isVisible()) {
        if (window) window->setWindowState(window->windowState() | Qt::WindowMinimized);
        return;
    }
    xcb_client_message_event_t iconic{};
    iconic.response_type = XCB_CLIENT_MESSAGE;
    iconic.format = 32;
    iconic.window = id;
    iconic.type = change;
    iconic.data.data32[0] = 3;  // IconicState
    tellWindowManager(c, &iconic);
}

void Withdraw(QWidget* window) {
    xcb_connection_t* c = connection();
    const xcb_window_t id = nativeOf(window);
    if (!c || id == XCB_WINDOW_NONE) return;
    xcb_unmap_window(c, id);
    // The window manager withdraws a window on this synthetic unmap, also
    // where it had iconified (and so already unmapped) the window.
    xcb_unmap_notify_event_t unmap{};
    unmap.response_type = XCB_UNMAP_NOTIFY;
    unmap.event = rootOf(c);
    unmap.window = id;
    unmap.from_configure = 0;
    tellWindowManager(c, &unmap);
}

void Map(QWidget* window) {
    xcb_connection_t* c = connection();
    const xcb_window_t id = nativeOf(window);
    if (!c || id == XCB_WINDOW_NONE) return;
    xcb_map_window(c, id);
    xcb_flush(c);
}

}  // namespace X11Windows
