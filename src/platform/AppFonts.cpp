#include "AppFonts.h"

#include <QFile>
#include <QFontDatabase>

namespace AppFonts {

void RegisterAppFonts() {
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) return;
    const char* const files[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                 "/usr/share/wine/fonts/tahomabd.ttf"};
    for (const char* f : files) {
        const QString path = QString::fromLatin1(f);
        if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
    }
}

QFont Tahoma(double pointSize, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace AppFonts
