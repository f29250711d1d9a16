#pragma once
// The kind of window that a tool window or a modal box of the program is to
// the window manager. Minimised, either takes the program with it (a modal
// box keeps its owner blocked behind it), so both ask for Close only. Some
// window managers (openbox) offer minimise on every utility window and
// dialog whatever it asks for, and honour the toolbar kind, which has none;
// others (metacity, mutter) draw a toolbar with no frame at all, and already
// offer no minimise on the plain kinds. So the toolbar kind comes first only
// where the window manager needs it.

#include <QString>

class QWidget;

namespace ToolWindowType {

// Whether the window manager of that name needs the toolbar kind first.
bool NeedsToolbarKind(const QString& windowManager);

// Announces `window` as its owner's panel (a utility window); call it from
// the window's show event, before the window manager maps it (it reads the
// kind then). Only on X11 and for a window whose native window exists.
void MarkAsPanel(QWidget* window);
// The same for a modal box of the program (a dialog).
void MarkAsBox(QWidget* window);

}  // namespace ToolWindowType
