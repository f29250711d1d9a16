#pragma once
// The program's settings as the tests see them: cleared, written and read
// under section "Settings" of the private settings folder that the test
// programs start with.

#include <QSettings>
#include <QString>

#include "AppSettings.h"

namespace testsettings {

inline void ClearSettings() {
    QSettings(QSettings::IniFormat, QSettings::UserScope, AppSettings::AppTitle(), AppSettings::AppTitle())
        .clear();
}

inline void SetSetting(const char* key, const QString& value) {
    AppSettings::SaveSetting(QStringLiteral("Settings"), QString::fromLatin1(key), value);
}

// "<none>" for a key never written.
inline QString Setting(const char* key) {
    return AppSettings::GetSetting(QStringLiteral("Settings"), QString::fromLatin1(key), QStringLiteral("<none>"));
}

}  // namespace testsettings
