#pragma once
// The program's icon (a chord diagram on a fretboard), in the sizes that
// windows, the task bar and the tray ask for, each decoded when first asked
// for (AppIconEngine).

#include <QIcon>

namespace AppIcon {

QIcon Icon();

}  // namespace AppIcon
