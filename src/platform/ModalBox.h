#pragma once
// Every box the program runs modal (the about box, the entry boxes, the MIDI
// settings, message and input boxes) can be moved and closed, and offers no
// minimise and no maximise: minimised, a modal box takes the program with it
// to the tray or the task bar, where its other windows cannot be used to
// bring it back.

#include <Qt>

class QDialog;

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
// the flags. Call it before the box is shown; calling it again does no harm.
void Prepare(QDialog& box);

}  // namespace ModalBox
