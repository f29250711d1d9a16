#include "AppIcon.h"

#include "AppIconEngine.h"

namespace AppIcon {

QIcon Icon() { return QIcon(new AppIconEngine); }

}  // namespace AppIcon
