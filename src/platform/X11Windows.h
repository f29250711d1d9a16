#pragma once
// What the program asks of the X11 window system directly, through the
// toolkit's own connection, where the toolkit has no word for it. Each call
// does nothing (or answers "unknown") off X11 and for a window whose native
// window does not exist yet.

#include <QPoint>
#include <QString>
#include <initializer_list>
#include <optional>

class QWidget;

namespace X11Windows {

// Whether the program runs on X11 at all.
bool Available();

// The running window manager's name as it announces it ("Openbox",
// "Metacity", "Xfwm4"); "" when none runs or it gives no name.
QString WindowManagerName();

// Sets the kinds the window announces (_NET_WM_WINDOW_TYPE), most wanted
// first, by their short names ("TOOLBAR", "UTILITY", "DIALOG").
void SetWindowKinds(QWidget* window, std::initializer_list<const char*> kinds);

// Where the window's frame (the window itself, for one without a frame) has
// its top left corner on the screen now, as the window system has it: the
// toolkit may still believe a place the window manager did not grant.
std::optional<QPoint> FramePosition(QWidget* window);

// Asks for the window's frame to go to `corner` on the screen, leaving the
// toolkit to learn where it went from the window manager's answer: a place
// the window manager does not grant (at the screen's edge) is then never
// taken for the window's. False off X11 or before the native window exists.
bool MoveFrame(QWidget* window, QPoint corner);

// Whether the window is shown inside another program's window (a tray's),
// mapped there and viewable.
bool EmbeddedAndViewable(QWidget* window);

// Asks the window manager to minimise the window, as a task bar does; where
// none runs (or off X11) the toolkit minimises it. Minimised by the toolkit,
// the window keeps asking to start minimised (WM_HINTS), also when it is
// hidden and shown again.
void Minimise(QWidget* window);

// Takes a shown window off the screen without the toolkit knowing (a modal
// box hidden through the toolkit would end its modal run), and puts it back.
void Withdraw(QWidget* window);
void Map(QWidget* window);

}  // namespace X11Windows
