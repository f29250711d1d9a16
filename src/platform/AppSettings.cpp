#include "AppSettings.h"

#include <QDir>
#include <QSettings>

#include "Prompter.h"

namespace {

// A settings folder that cannot be written stays so for the whole run: one
// message is enough, not one for every click that changes a setting.
bool lostWriteReported = false;

void reportLostWrite(const QString& fileName) {
    if (lostWriteReported) return;
    lostWriteReported = true;
    Prompter::Current().Message(QStringLiteral("The settings could not be saved to ") +
                                    QDir::toNativeSeparators(fileName) +
                                    QStringLiteral(".\r\n\r\nChanges to the settings will not be kept after "
                                                   "the program ends."),
                                AppSettings::AppTitle(), Prompter::Icon::Exclamation);
}

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
    if (s.status() != QSettings::NoError) reportLostWrite(s.fileName());
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
