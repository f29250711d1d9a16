#include "AppFonts.h"

#include <QFile>
#include <QFontDatabase>

namespace AppFonts {

void RegisterAppFonts() {
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) return;
    // The regular face only: the bold file beside it is a wider face with the
    // same thin strokes, while the toolkit's own emboldening reads as bold.
    const QString path = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
}

QFont Tahoma(double pointSize, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace AppFonts
