#include "AppInfo.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>
#include <optional>

#ifndef QF_VERSION
#define QF_VERSION "0.0.0"
#endif
#ifndef QF_INSTALLED_HELP_DIR
#define QF_INSTALLED_HELP_DIR "../share/quillfret-pro/help"
#endif
#ifndef QF_SOURCE_HELP_DIR
#define QF_SOURCE_HELP_DIR ""
#endif

namespace AppInfo {
namespace {

const QLatin1String kPageName("main.html");
const QLatin1String kContentsName("index.html");

QString fileUrl(const QString& path) { return QUrl::fromLocalFile(QDir::cleanPath(path)).toString(); }

// Relative to the program's folder, unless the build installs it to a fixed folder.
QString installedHelpDir(const QString& applicationDir) {
    const QString dir = QString::fromUtf8(QF_INSTALLED_HELP_DIR);
    return (QDir::isAbsolutePath(dir) ? dir : applicationDir + QLatin1Char('/') + dir) + QLatin1Char('/');
}

// Without an application object the program folder is unknown; the working
// folder stands in for it.
QString programDir() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString sourceHelpDir() { return QString::fromUtf8(QF_SOURCE_HELP_DIR); }

// A page of the help folder: the installed one, else the source tree's; "" when neither is there.
QString findHelpPage(const QString& applicationDir, const QString& sourceHelpDir, const QString& name) {
    const QString installed = installedHelpDir(applicationDir) + name;
    if (QFileInfo(installed).isFile()) return QDir::cleanPath(installed);
    if (!sourceHelpDir.isEmpty()) {
        const QString source = sourceHelpDir + QLatin1Char('/') + name;
        if (QFileInfo(source).isFile()) return QDir::cleanPath(source);
    }
    return QString();
}

// Set by SetHelpFile; until then the help is looked for.
std::optional<QString> chosenHelpFile;

}  // namespace

QString VersionText() {
    QStringList parts = QString::fromLatin1(QF_VERSION).split(QLatin1Char('.'));
    while (parts.size() < 3) parts << QStringLiteral("0");
    return parts.mid(0, 3).join(QLatin1Char('.'));
}

QString ProductPageName() { return QStringLiteral("Quillfret Pro %1 help").arg(VersionText()); }

QString ProductPageUrlIn(const QString& applicationDir, const QString& sourceHelpDir) {
    const QString found = findHelpPage(applicationDir, sourceHelpDir, kPageName);
    return fileUrl(found.isEmpty() ? installedHelpDir(applicationDir) + kPageName : found);
}

QString ProductPageUrl() { return ProductPageUrlIn(programDir(), sourceHelpDir()); }

bool OpenProductPage() { return QDesktopServices::openUrl(QUrl(ProductPageUrl())); }

QString HelpFileIn(const QString& applicationDir, const QString& sourceHelpDir) {
    return findHelpPage(applicationDir, sourceHelpDir, kContentsName);
}

QString HelpFile() { return chosenHelpFile ? *chosenHelpFile : HelpFileIn(programDir(), sourceHelpDir()); }

void SetHelpFile(const QString& path) { chosenHelpFile = path; }

}  // namespace AppInfo
