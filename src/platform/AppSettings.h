#pragma once
// The per-user settings store: text values by section and key, kept under the
// program's title. Values are stored as text, Booleans as "True"/"False".

#include <QString>

class AppSettings {
public:
    static const QString& AppTitle();  // "Quillfret Pro"
    static const QString& Section();   // "Settings": every setting of the program lives there

    static QString GetSetting(const QString& section, const QString& key,
                              const QString& defaultValue = QString());
    // Written at once, and only when it changes the text the store holds:
    // setting a value again leaves the file untouched. A write that fails (a read-only or full settings folder)
    // is reported through the prompter, once a run, naming the settings file;
    // the value then holds for reads until the program ends.
    static void SaveSetting(const QString& section, const QString& key, const QString& value);

    // Typed reads of Section(): anything unreadable gives the default.
    // Booleans are stored as PlainText::BoolText.
    static bool GetBool(const QString& key, bool defaultValue);
    static void SaveBool(const QString& key, bool value);
    static int GetInt(const QString& key, int defaultValue, int minValue, int maxValue);
};
