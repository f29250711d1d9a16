#include "AppSettings.h"

#include <QDir>
#include <QHash>
#include <QSettings>
#include <mutex>

#include "PlainText.h"
#include "Prompter.h"

namespace {

// Values whose write failed, by "section/key": the program goes on with them
// for the rest of the run, so a change still takes effect until it ends.
std::mutex unsavedMutex;
QHash<QString, QString> unsaved;
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

const QString& AppSettings::Section() {
    static const QString section = QStringLiteral("Settings");
    return section;
}

QString AppSettings::GetSetting(const QString& section, const QString& key,
                                const QString& defaultValue) {
    const QString name = section + QLatin1Char('/') + key;
    {
        const std::lock_guard<std::mutex> lock(unsavedMutex);
        const auto it = unsaved.constFind(name);
        if (it != unsaved.constEnd()) return *it;
    }
    QSettings s = store();
    const QVariant v = s.value(name);
    if (!v.isValid()) return defaultValue;
    return v.toString();
}

void AppSettings::SaveSetting(const QString& section, const QString& key, const QString& value) {
    const QString name = section + QLatin1Char('/') + key;
    QSettings s = store();
    // Every write is a locked rewrite of the whole file: a value the store
    // already holds as this text is not written again. Anything else there
    // (a list left by a hand edit) is replaced.
    const QVariant stored = s.value(name);
    const bool unchanged = stored.typeId() == QMetaType::QString && stored.toString() == value;
    if (!unchanged) {
        s.setValue(name, value);
        s.sync();
    }
    const bool saved = unchanged || s.status() == QSettings::NoError;
    {
        // The store's value holds again once it is the one set, even when
        // an earlier write of another value failed.
        const std::lock_guard<std::mutex> lock(unsavedMutex);
        if (saved)
            unsaved.remove(name);
        else
            unsaved.insert(name, value);
    }
    if (!saved) reportLostWrite(s.fileName());
}

bool AppSettings::GetBool(const QString& key, bool defaultValue) {
    return PlainText::ParseBool(GetSetting(Section(), key, PlainText::BoolText(defaultValue))).value_or(defaultValue);
}

void AppSettings::SaveBool(const QString& key, bool value) {
    SaveSetting(Section(), key, PlainText::BoolText(value));
}

int AppSettings::GetInt(const QString& key, int defaultValue, int minValue, int maxValue) {
    const QString text = GetSetting(Section(), key, QString::number(defaultValue));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < minValue || value > maxValue) return defaultValue;
    return value;
}
