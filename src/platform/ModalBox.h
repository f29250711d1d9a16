#pragma once
// Every box the program runs modal (the about box, the entry boxes, the MIDI
// settings, message and input boxes) can be moved and closed, and offers no
// minimise and no maximise: minimised, a modal box takes the program with it
// to the tray or the task bar, where its other windows cannot be used to
// bring it back. Where a window manager minimises a box all the same, its
// owner goes with it, and both come back together.

#include <Qt>

class QDialog;
class QWidget;

namespace ModalBox {

// What such a box asks of the window manager for its title bar.
inline constexpr Qt::WindowFlags kFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
// The same for a box drawn without the window manager's frame (the toolkit
// drops that hint when the customize hint comes with it).
inline constexpr Qt::WindowFlags kFramelessFlags =
    Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowCloseButtonHint;

// Gives `box` those flags (a box drawn without a frame keeps that) and tells
// the window manager again each time before it shows, also where it ignores
// the flags. A box minimised by the window manager minimises its owner's
// window. Call it before the box is shown; calling it again does no harm.
void Prepare(QDialog& box);

// Takes every modal box that is shown off the screen, while its owner is
// away (minimised, or in the tray), and brings them back above it, the top
// one active. A box taken away stays open: its modal run goes on.
void PutAway();
void BringBack();

}  // namespace ModalBox
