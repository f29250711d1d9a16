#include <gtest/gtest.h>

#include <QFontInfo>
#include <QSettings>

#include "AppFonts.h"
#include "AppPaths.h"
#include "AppSettings.h"
#include "QtPrinters.h"
#include "SystemColors.h"

namespace {

TEST(AppSettings, TextValuesRoundTripUnderSettingsSection) {
    AppSettings::SaveSetting("Settings", "ChartName", "My Chart");
    EXPECT_EQ(AppSettings::GetSetting("Settings", "ChartName", "x"), QString("My Chart"));
    EXPECT_EQ(AppSettings::GetSetting("Settings", "NeverWritten", "fallback"), QString("fallback"));

    QSettings raw(QSettings::IniFormat, QSettings::UserScope, "Quillfret Pro", "Quillfret Pro");
    EXPECT_EQ(raw.value("Settings/ChartName").toString(), QString("My Chart"));
}

TEST(AppSettings, BooleansAreStoredAsTrueFalseAndBadTextFallsBack) {
    AppSettings::SaveBool("FretNumbers", false);
    EXPECT_EQ(AppSettings::GetSetting("Settings", "FretNumbers"), QString("False"));
    EXPECT_FALSE(AppSettings::GetBool("FretNumbers", true));

    struct Case { const char* stored; bool defaultValue; bool expected; };
    const Case cases[] = {
        {"True", false, true},  {"true", false, true}, {"FALSE", true, false}, {"-1", false, true},
        {"0", true, false},     {"yes", true, true},   {"yes", false, false},  {"", true, true},
        {"Tru", false, false},
    };
    for (const Case& c : cases) {
        AppSettings::SaveSetting("Settings", "StringNumbers", c.stored);
        EXPECT_EQ(AppSettings::GetBool("StringNumbers", c.defaultValue), c.expected) << c.stored;
    }
}

TEST(AppSettings, IntegersOutOfRangeOrNotNumbersFallBack) {
    struct Case { const char* stored; int expected; };
    const Case cases[] = {{"5", 5}, {" 7 ", 7}, {"1", 1}, {"9", 9}, {"0", 4}, {"10", 4},
                          {"abc", 4}, {"", 4}, {"3.5", 4}, {"99999999999", 4}};
    for (const Case& c : cases) {
        AppSettings::SaveSetting("Settings", "Tempo", c.stored);
        EXPECT_EQ(AppSettings::GetInt("Tempo", 4, 1, 9), c.expected) << c.stored;
    }
}

TEST(SystemColors, ClassicTableAndPlainRgb) {
    EXPECT_EQ(SystemColors::ToQColor(0x8000000F), QColor(212, 208, 200));  // button face
    EXPECT_EQ(SystemColors::ToQColor(0x80000005), QColor(255, 255, 255));  // window
    EXPECT_EQ(SystemColors::ToQColor(0x8000000C), QColor(128, 128, 128));  // workspace
    EXPECT_EQ(SystemColors::ToQColor(0x80000012), QColor(0, 0, 0));        // button text
    EXPECT_EQ(SystemColors::ToQColor(0x800000FF), QColor(0, 0, 0));        // unknown index
    EXPECT_EQ(SystemColors::ToQColor(SystemColors::Rgb(255, 0, 0)), QColor(255, 0, 0));
    EXPECT_EQ(SystemColors::ToQColor(0x00E0E0E0), QColor(224, 224, 224));
    EXPECT_EQ(SystemColors::ToQColor(0x00FF8040), QColor(0x40, 0x80, 0xFF));  // &H00BBGGRR
}

TEST(AppFonts, TahomaIsTheRealFaceInBothWeights) {
    AppFonts::RegisterAppFonts();
    EXPECT_EQ(QFontInfo(AppFonts::Tahoma()).family(), QString("Tahoma"));
    const QFontInfo bold(AppFonts::Tahoma(8.25, true));
    EXPECT_EQ(bold.family(), QString("Tahoma"));
    EXPECT_TRUE(bold.bold());
}

TEST(AppPaths, AppPathHasExactlyOneTrailingSeparator) {
    struct Case { const char* folder; const char* path; };
    const Case cases[] = {
        {"/home/u/.local/share/Quillfret Pro", "/home/u/.local/share/Quillfret Pro/"},
        {"/home/u/.local/share/Quillfret Pro/", "/home/u/.local/share/Quillfret Pro/"},
        {"/", "/"},
        {"", "/"},
    };
    const QString saved = AppPaths::GetAppPath();
    for (const Case& c : cases) {
        AppPaths::SetAppFolder(c.folder);
        EXPECT_EQ(AppPaths::GetAppPath(), QString(c.path)) << '"' << c.folder << '"';
    }
    AppPaths::SetAppFolder(saved);
}

}  // namespace
