#pragma once
// Which window system the program runs on. Placing one top-level window
// against another (the docked tablature window, dragging both) needs X11,
// so on a Wayland session the program goes through XWayland unless the user
// chose a platform.

#include <QByteArray>
#include <QStringList>

namespace DisplayPlatform {

// The platform to choose: "xcb" for a Wayland session (XDG_SESSION_TYPE
// "wayland" or WAYLAND_DISPLAY set) with an X display to reach, when neither
// QT_QPA_PLATFORM nor a -platform argument chose one; else "" (leave it).
QByteArray PlatformFor(const QByteArray& qpaPlatform, const QByteArray& sessionType,
                       const QByteArray& waylandDisplay, const QByteArray& x11Display,
                       const QStringList& arguments);

// Applies that choice from the environment and the command line; call it
// before the application object is made.
void PreferX11(int argc, char** argv);

}  // namespace DisplayPlatform
