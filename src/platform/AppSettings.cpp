#include "AppSettings.h"

#include <QSettings>

namespace {

QSettings store() {
    // Ini format everywhere, so that QSettings::setPath can redirect it in tests.
    return QSettings(QSettings::IniFormat, QSettings::UserScope, AppSettings::AppTitle(),
                     AppSettings::AppTitle());
}

}  // namespace

const QString& AppSettings::AppTitle() {
    static const QString title = QStringLiteral("Quillfret Pro");
    return title;
}

QString AppSettings::GetSetting(const QString& section, const QString& key,
                                const QString& defaultValue) {
    QSettings s = store();
    const QVariant v = s.value(section + QLatin1Char('/') + key);
    if (!v.isValid()) return defaultValue;
    return v.toString();
}

void AppSettings::SaveSetting(const QString& section, const QString& key, const QString& value) {
    QSettings s = store();
    s.setValue(section + QLatin1Char('/') + key, value);
    s.sync();
}

bool AppSettings::ParseBool(const QString& text, bool* ok) {
    const QString t = text.trimmed();
    *ok = true;
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    bool isNumber = false;
    const long long n = t.toLongLong(&isNumber);
    if (isNumber) return n != 0;
    *ok = false;
    return false;
}

bool AppSettings::GetBool(const QString& key, bool defaultValue) {
    const QString text = GetSetting(QStringLiteral("Settings"), key, BoolText(defaultValue));
    bool ok = false;
    const bool value = ParseBool(text, &ok);
    return ok ? value : defaultValue;
}

void AppSettings::SaveBool(const QString& key, bool value) {
    SaveSetting(QStringLiteral("Settings"), key, BoolText(value));
}

int AppSettings::GetInt(const QString& key, int defaultValue, int minValue, int maxValue) {
    const QString text = GetSetting(QStringLiteral("Settings"), key, QString::number(defaultValue));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < minValue || value > maxValue) return defaultValue;
    return value;
}
