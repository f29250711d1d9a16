#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "AppSettings.h"

namespace AppPaths {
namespace {

QString& appFolder() {
    static QString folder = QStringLiteral(".");
    return folder;
}

}  // namespace

QString InitAppFolder() {
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(AppSettings::AppTitle());
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.local/share/") + AppSettings::AppTitle();
    QDir().mkpath(folder);
    SetAppFolder(folder);
    return folder;
}

QString GetAppPath() {
    const QString& folder = appFolder();
    if (folder.endsWith(QLatin1Char('/'))) return folder;
    return folder + QLatin1Char('/');
}

void SetAppFolder(const QString& folder) { appFolder() = folder; }

}  // namespace AppPaths
