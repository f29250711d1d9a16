#include "AppIcon.h"

#include "AppIconEngine.h"

namespace AppIcon {

QIcon Icon() {
    // One icon for the run: every window and the tray share what it has
    // decoded, and on X11 each window asks it for every size.
    static const QIcon icon(new AppIconEngine);
    return icon;
}

}  // namespace AppIcon
