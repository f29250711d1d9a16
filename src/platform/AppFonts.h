#pragma once
// The controls' font, Tahoma 8.25 pt, from Debian's fonts-wine (whose folder
// fontconfig does not scan).

#include <QFont>

namespace AppFonts {

// Registers Tahoma (its regular face, made bold by the toolkit) when the font
// database lacks it. Safe to call twice.
void RegisterAppFonts();

// Tahoma at the given size (8.25 pt by default).
QFont Tahoma(double pointSize = 8.25, bool bold = false);

}  // namespace AppFonts
