#pragma once
// The kind of window that a tool window of the program is to the window
// manager. Some window managers (openbox among them) draw minimise and
// maximise buttons on every utility window whatever buttons the window asks
// for, and minimising such a window minimises its owner with it; a window
// announced as a panel torn off its owner (with "utility" as the second
// choice for window managers that do not know that kind) gets Close only.

class QWidget;

namespace ToolWindowType {

// Announces `window` as its owner's panel; call it from the window's show
// event, before the window manager maps it (it reads the kind then). Only on
// X11 and for a window whose native window exists; elsewhere nothing.
void MarkAsPanel(QWidget* window);
// The same for a modal box of the program ("dialog" its second kind): a box
// minimised would take the program with it, out of reach while the box is
// modal, so it gets Close only there too.
void MarkAsBox(QWidget* window);

}  // namespace ToolWindowType
