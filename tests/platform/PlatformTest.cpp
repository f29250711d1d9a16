#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "AppFonts.h"
#include "AppPaths.h"
#include "AppSettings.h"
#include "QtPrinters.h"
#include "RecordingPrompter.h"
#include "SystemColors.h"
#include "Twips.h"

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

// The settings file's place, whichever folder the settings are redirected to.
QString settingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Quillfret Pro", "Quillfret Pro").fileName();
}

// Redirects the settings into a read-only folder for one test. Root writes
// into such a folder anyway, so for root a plain file also stands where the
// program's own folder would go.
class UnwritableSettings : public ::testing::Test {
protected:
    void Block() {
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.filePath("config");
        ASSERT_TRUE(QDir().mkpath(folder_));
        QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
        QFile probe(folder_ + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile blocker(folder_ + "/Quillfret Pro");
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_);
    }
    void TearDown() override { Unblock(); }
    void Unblock() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, original_);
        if (!folder_.isEmpty()) QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner);
    }

    const QString original_ = QFileInfo(QFileInfo(settingsFile()).path()).path();
    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(UnwritableSettings, AFailedWriteIsReportedOnceARunNamingTheFile) {
    RecordingPrompter prompter;
    AppSettings::SaveSetting("Settings", "Tempo", "7");
    EXPECT_TRUE(prompter.Messages().empty()) << "a write that worked was reported";

    Block();
    const QString file = settingsFile();
    AppSettings::SaveSetting("Settings", "Tempo", "8");
    AppSettings::SaveBool("FretNumbers", false);
    AppSettings::SaveSetting("Settings", "ChartName", "Blues");
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(file)) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains("will not be kept")) << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].title, QString("Quillfret Pro"));
    EXPECT_EQ(messages[0].icon, Prompter::Icon::Exclamation);
    // The run goes on with the values it could not store; the file has none.
    EXPECT_EQ(AppSettings::GetInt("Tempo", 5, 1, 9), 8);
    EXPECT_FALSE(AppSettings::GetBool("FretNumbers", true));
    EXPECT_EQ(AppSettings::GetSetting("Settings", "ChartName"), QString("Blues"));
    EXPECT_FALSE(QFileInfo::exists(file));

    // Writable again: the next write goes to the file and is read from there.
    Unblock();
    AppSettings::SaveSetting("Settings", "Tempo", "3");
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value("Settings/Tempo").toString(), QString("3"));
    EXPECT_EQ(AppSettings::GetInt("Tempo", 5, 1, 9), 3);
    EXPECT_EQ(prompter.Messages().size(), 1u);
}

// A settings file dated long ago: writing it moves the date on.
const QDateTime kLongAgo(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);

void DateLongAgo(const QString& file) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(kLongAgo, QFileDevice::FileModificationTime));
}

bool Written(const QString& file) { return QFileInfo(file).lastModified() != kLongAgo; }

// Setting a value the store holds as that text leaves the file alone; any
// other text, a first value (an empty one too), or a value that a hand edit
// left as a list is written.
TEST(AppSettings, AValueIsWrittenOnlyWhenItsTextChanges) {
    RecordingPrompter prompter;
    AppSettings::SaveSetting("Settings", "Tempo", "7");
    AppSettings::SaveSetting("Settings", "ChartFile", "");
    AppSettings::SaveBool("FretNumbers", false);
    QSettings(settingsFile(), QSettings::IniFormat).setValue("Settings/Strum", QStringList{"1", "2"});
    const struct {
        const char* key;
        const char* value;
        bool written;
    } cases[] = {
        {"Tempo", "7", false}, {"ChartFile", "", false}, {"FretNumbers", "False", false},
        {"Tempo", "8", true},  {"Tempo", " 8", true},    {"ChartName", "", true},
        {"Strum", "1, 2", true}, {"Strum", "1, 2", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        DateLongAgo(settingsFile());
        AppSettings::SaveSetting("Settings", c.key, c.value);
        EXPECT_EQ(Written(settingsFile()), c.written);
        EXPECT_EQ(AppSettings::GetSetting("Settings", c.key, "<none>"), QString(c.value));
        const QVariant stored = QSettings(settingsFile(), QSettings::IniFormat).value(QString("Settings/") + c.key);
        EXPECT_EQ(stored.typeId(), QMetaType::QString);
        EXPECT_EQ(stored.toString(), QString(c.value));
    }
    EXPECT_TRUE(prompter.Messages().empty());
}

// Whole pixels go to twips exactly and come back unchanged through Rect.
TEST(Twips, PixelRectanglesAndWholePixelsInTwips) {
    const QRect cases[] = {QRect(0, 0, 0, 0), QRect(12, 34, 617, 416), QRect(-80, -5, 1, 2),
                           QRect(1279, 799, 1280, 800)};
    for (const QRect& pixels : cases) {
        const QRect twips = Twips::FromPixels(pixels);
        EXPECT_EQ(twips, QRect(pixels.x() * 15, pixels.y() * 15, pixels.width() * 15, pixels.height() * 15));
        EXPECT_EQ(Twips::Rect(twips), pixels);
    }
    EXPECT_EQ(Twips::FromPixels(-7), -105);
    EXPECT_DOUBLE_EQ(Twips::FromPixels(0.5), 7.5);
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
