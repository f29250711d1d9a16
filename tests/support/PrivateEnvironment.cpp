#include "PrivateEnvironment.h"

#include <QFile>
#include <QSettings>

#include "AppPaths.h"

PrivateEnvironment::PrivateEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever the caller's session has: a runtime folder of this process alone.
    if (!runtime_.isValid() ||
        !QFile::setPermissions(runtime_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)) {
        error_ = QStringLiteral("cannot make a private runtime folder: ") + runtime_.errorString();
        return;
    }
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    if (!settings_.isValid() || !data_.isValid()) {
        error_ = QStringLiteral("cannot make private settings and data folders");
        return;
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    AppPaths::SetAppFolder(data_.path());
}
