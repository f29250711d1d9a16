#include "AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#ifndef QF_VERSION
#define QF_VERSION "0.0.0"
#endif
#ifndef QF_SOURCE_HELP_DIR
#define QF_SOURCE_HELP_DIR ""
#endif

namespace AppInfo {
namespace {

const QLatin1String kPageName("main.html");

QString fileUrl(const QString& path) { return QUrl::fromLocalFile(QDir::cleanPath(path)).toString(); }

}  // namespace

QString VersionText() {
    QStringList parts = QString::fromLatin1(QF_VERSION).split(QLatin1Char('.'));
    while (parts.size() < 3) parts << QStringLiteral("0");
    return parts.mid(0, 3).join(QLatin1Char('.'));
}

QString ProductPageUrlIn(const QString& applicationDir, const QString& sourceHelpDir) {
    const QString installed = applicationDir + QStringLiteral("/../share/quillfret-pro/help/") + kPageName;
    if (QFileInfo(installed).isFile()) return fileUrl(installed);
    if (!sourceHelpDir.isEmpty()) {
        const QString source = sourceHelpDir + QLatin1Char('/') + kPageName;
        if (QFileInfo(source).isFile()) return fileUrl(source);
    }
    return fileUrl(installed);
}

QString ProductPageUrl() {
    // Without an application object the program folder is unknown; the
    // working folder stands in for it.
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                     : QDir::currentPath();
    return ProductPageUrlIn(dir, QString::fromUtf8(QF_SOURCE_HELP_DIR));
}

}  // namespace AppInfo
