#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "AppSettings.h"
#include "modFunctions.h"

namespace AppPaths {

QString InitAppFolder() {
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(AppSettings::AppTitle());
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.local/share/") + AppSettings::AppTitle();
    QDir().mkpath(folder);
    modFunctions::SetAppFolder(folder.toStdString());
    return folder;
}

}  // namespace AppPaths
