#pragma once
// Keeps the program's windows on the screen. Each opens inside the available
// area (the screen less its panels) of the screen the main window is on, frame
// included: at its own place and size where they fit, moved in where it would
// stand out, and made smaller where it is larger than the area. A window
// that has no place of its own opens centred over the main window, as the
// toolkit places dialogs.

#include <QMargins>
#include <QRect>

class QWidget;

namespace ScreenFit {

// The frame `frame` moved into `area`, and no larger than it.
QRect Fitted(const QRect& frame, const QRect& area);

// Fits the top-level `window` before it shows. `main` is the main window;
// without it, the window the parent of `window` is in, else the active window.
// With none of them (or none shown), the screen `window` is on.
void Place(QWidget* window, const QWidget* main = nullptr);

// The same at every showing of `window`, once its own code and the toolkit
// have sized it (a dialog laid out only when it shows).
void Keep(QWidget* window, const QWidget* main = nullptr);

}  // namespace ScreenFit
