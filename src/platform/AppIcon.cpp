#include "AppIcon.h"

namespace AppIcon {

QIcon Icon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillfret-pro-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace AppIcon
