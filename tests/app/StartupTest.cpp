// Start-up and shutdown: the run counter, the remembered chart, bad
// settings of every kind, the first activation and closing.

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>

#include "AppTestSupport.h"
#include "ChartFile.h"
#include "clsChart.h"
#include "clsReckoner.h"
#include "ctlMIDI.h"
#include "frmChart.h"
#include "frmTabWindow.h"

using namespace apptest;

namespace {

class StartupTest : public AppFixture {
protected:
    void MakeChartFolder() { ASSERT_TRUE(QDir().mkpath(ChartFile::ChartFolder())); }
    QString WriteFile(const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("DESC:\r\n");
        return path;
    }
};

struct RunCountCase {
    const char* stored;  // nullptr: missing
    bool chartFolder;
    int count;
    const char* after;
};

const RunCountCase kRunCounts[] = {
    {nullptr, false, 1, "1"}, {"0", false, 1, "1"}, {"1", true, 2, "2"}, {"2", true, 2, "2"},
    {"5", false, 5, "5"},     {"x", false, 1, "1"}, {"x", true, 2, "2"},  {" 1 ", true, 2, "2"},
};

TEST_F(StartupTest, GetRunCountCountsToTwoAndSurvivesAGarbledCounter) {
    for (const RunCountCase& c : kRunCounts) {
        SCOPED_TRACE(c.stored ? c.stored : "<missing>");
        ClearSettings();
        QDir(ChartFile::ChartFolder()).removeRecursively();
        if (c.chartFolder) MakeChartFolder();
        if (c.stored) SetSetting("First", QLatin1String(c.stored));
        EXPECT_EQ(modMain::GetRunCount(), c.count);
        EXPECT_EQ(Setting("First"), QLatin1String(c.after));
    }
}

// View Current Chart goes by the same rule: it views the window's current
// chart, and with none it is disabled and opens nothing, whatever "ChartFile" says.
TEST_F(StartupTest, TheRememberedChartMustBeAChartOfTheChartFolder) {
    MakeChartFolder();
    QTemporaryDir elsewhere;
    const QString inside = WriteFile(ChartFile::ChartFolder() + QStringLiteral("Blues.cht"));
    const QString notAChart = WriteFile(ChartFile::ChartFolder() + QStringLiteral("notes.txt"));
    const QString outside = WriteFile(elsewhere.path() + QStringLiteral("/Blues.cht"));
    const QString sneaky = ChartFile::ChartFolder() + QStringLiteral("../Blues.cht");
    WriteFile(DataPath(QStringLiteral("Blues.cht")));
    struct {
        QString file;
        const char* caption;
        bool kept;
    } cases[] = {
        {inside, "Chart: Blues", true},
        {QString(), "Chart: *****", false},
        {ChartFile::ChartFolder() + QStringLiteral("Gone.cht"), "Chart: *****", false},
        {notAChart, "Chart: *****", false},
        {outside, "Chart: *****", false},
        {sneaky, "Chart: *****", false},
        {ChartFile::ChartFolder(), "Chart: *****", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        SetSetting("ChartFile", c.file);
        SetSetting("ChartName", QStringLiteral("Blues"));
        frmMain& main = Start();
        EXPECT_EQ(main.lblChart()->text(), QLatin1String(c.caption));
        EXPECT_EQ(main.ChartTag(), c.kept ? c.file : QString());
        EXPECT_EQ(main.mnuHiddenViewCC()->isEnabled(), c.kept);
        // Its handler too, reached however it may be.
        prompter.Clear();
        main.mnuHiddenViewCC()->setEnabled(true);
        main.mnuHiddenViewCC()->trigger();
        if (c.kept) {
            ASSERT_NE(main.objChart(), nullptr);
            ASSERT_NE(main.objChart()->ChartForm(), nullptr);
            EXPECT_EQ(main.objChart()->ChartForm()->Caption(), QStringLiteral("Blues Chart [0 Items]"));
            EXPECT_TRUE(prompter.Messages().empty());
        } else {
            for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<frmChart*>(w), nullptr);
            ASSERT_EQ(prompter.Messages().size(), 1u);
            EXPECT_EQ(prompter.Messages()[0].text, QStringLiteral("No chart selected!"));
            EXPECT_EQ(Setting("ChartFile"), c.file);  // the setting itself is left as it was
        }
        modMain::Shutdown();
    }
}

struct BadSetting {
    const char* key;
    const char* value;
    const char* storedAfter;  // the text the store holds after start-up
};

const BadSetting kBadSettings[] = {
    {"Tempo", "abc", "5"},  {"Strum", "9", "9"},          {"Dev", "7", "7"},
    {"LastSound", "200", "25"}, {"Tune", "x", "3"},       {"TabWindow", "maybe", "maybe"},
    {"First", "x", "1"},    {"ChartFile", "/etc/passwd", "/etc/passwd"},
    {"FretNumbers", "perhaps", "perhaps"},
};

TEST_F(StartupTest, BadSettingsStartWithSafeValuesAndStayText) {
    for (const BadSetting& bad : kBadSettings) {
        SCOPED_TRACE(bad.key);
        ClearSettings();
        QDir(ChartFile::ChartFolder()).removeRecursively();  // every row a first run
        SetSetting(bad.key, QLatin1String(bad.value));
        recorder.Clear();
        frmMain& main = Start();
        EXPECT_TRUE(main.isVisible());
        EXPECT_EQ(main.objReckoner().Mode(), 0);
        EXPECT_TRUE(main.TabWindowForm()->isVisible());
        EXPECT_EQ(main.MIDI()->Tune(), 3);
        EXPECT_EQ(main.MIDI()->Sound(), 25);
        EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: *****"));
        EXPECT_FALSE(main.mnuHiddenViewCC()->isEnabled());
        EXPECT_TRUE(recorder.IsOpen());
        EXPECT_EQ(Recorded(), "prog25 off prog25 prog25");
        EXPECT_EQ(Setting(bad.key), QLatin1String(bad.storedAfter));
        // Every value in the store is plain text.
        QSettings store(QSettings::IniFormat, QSettings::UserScope, AppSettings::AppTitle(),
                        AppSettings::AppTitle());
        for (const QString& key : store.allKeys()) {
            EXPECT_EQ(store.value(key).typeId(), QMetaType::QString) << key.toStdString();
            EXPECT_FALSE(store.value(key).toString().startsWith(QLatin1String("@"))) << key.toStdString();
        }
        modMain::Shutdown();
    }
}

TEST_F(StartupTest, TheTablatureWindowFollowsTheSettingAndClosingStoresIt) {
    SetSetting("TabWindow", QStringLiteral("False"));
    {
        frmMain& main = Start();
        EXPECT_TRUE(main.Activated());
        EXPECT_FALSE(main.TabWindowForm()->isVisible());
        main.cmdWindow()->click();
        EXPECT_TRUE(main.TabWindowForm()->isVisible());
        EXPECT_EQ(Setting("TabWindow"), QStringLiteral("True"));
        main.cmdWindow()->click();
        // A later activation leaves the window as it is.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&main, &activate);
        EXPECT_FALSE(main.TabWindowForm()->isVisible());

        recorder.Clear();
        EXPECT_TRUE(main.close());
        EXPECT_EQ(main.TabWindowForm(), nullptr);
        EXPECT_EQ(Recorded(), "off");
        EXPECT_FALSE(recorder.IsOpen());
        EXPECT_EQ(Setting("TabWindow"), QStringLiteral("False"));
        modMain::Shutdown();
    }
    frmMain& main = Start();
    EXPECT_FALSE(main.TabWindowForm()->isVisible());
    EXPECT_EQ(Setting("First"), QStringLiteral("2"));
}

// Once a run has stored what start-up sets (the tempo, tuning, instrument,
// tablature window and remembered chart), a run that changes nothing leaves
// the settings file as it was, date and all; a change made in a run is written.
TEST_F(StartupTest, ARunThatChangesNothingWritesNoSetting) {
    RememberChart(QStringLiteral("Blues"), {QStringLiteral("DESC:")});
    Start();
    modMain::Shutdown();
    const QString file =
        QSettings(QSettings::IniFormat, QSettings::UserScope, AppSettings::AppTitle(), AppSettings::AppTitle()).fileName();
    const QByteArray stored = Bytes(file);
    const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }

    frmMain& main = Start();
    EXPECT_TRUE(main.Activated());
    EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: Blues"));
    EXPECT_EQ(main.MIDI()->Sound(), 25);
    modMain::Shutdown();
    EXPECT_EQ(QFileInfo(file).lastModified(), longAgo);
    EXPECT_EQ(Bytes(file), stored);

    frmMain& again = Start();
    again.MIDI()->HScroll1()->setValue(4);
    EXPECT_NE(QFileInfo(file).lastModified(), longAgo);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("Settings/Tempo")).toString(), QStringLiteral("4"));
}

TEST_F(StartupTest, AMissingInstrumentFileIsWrittenAndAnUnwritableOneReported) {
    frmMain& main = Start();
    EXPECT_EQ(main.MIDI()->MidiFile(), DataPath(QStringLiteral("genmidi.txt")));
    EXPECT_TRUE(QFile::exists(main.MIDI()->MidiFile()));
    EXPECT_TRUE(prompter.Messages().empty());
    modMain::Shutdown();

    // A data folder that cannot hold files (here a plain file stands in its
    // place, which not even root can write into): the program starts and says so.
    const QString blocked = WriteFile(DataPath(QStringLiteral("blocked")));
    AppPaths::SetAppFolder(blocked);
    frmMain& again = Start();
    AppPaths::SetAppFolder(dataDir.path());
    EXPECT_TRUE(again.isVisible());
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("The instrument list could not be written to\r\n") + blocked + QStringLiteral("/genmidi.txt"));
    EXPECT_EQ(messages[0].icon, Prompter::Icon::Exclamation);
}

}  // namespace
