#pragma once
// The main window under test: started as the program starts it, with a
// recording MIDI output, a recording prompter, and fresh settings and data
// folders for every test.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QElapsedTimer>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AppPaths.h"
#include "AppSettings.h"
#include "ChartFile.h"
#include "MIDI_OUT.h"
#include "MidiOutRecorder.h"
#include "MidiTestSupport.h"
#include "QtPrinters.h"
#include "RecordingPrompter.h"
#include "TestSettings.h"
#include "ctlChartControls.h"
#include "frmMain.h"
#include "modMain.h"

namespace apptest {

using testsettings::ClearSettings;
using testsettings::SetSetting;
using testsettings::Setting;

// Lets events run until `done` holds; true when it does. The limit only
// keeps a fault from hanging the test, so it is generous for a loaded machine.
inline bool WaitFor(const std::function<bool()>& done, int ms = 30000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

// Lets events run until the silencing timer's next tick; false when it is
// not running. The timer starts as a playback ends and first ticks 400 ms
// later, after what the playback put off has run (a Play pressed while it
// unwound, a request made while it played): what has not come by then does
// not come.
inline bool WaitForSilencingTick(const frmMain& main) {
    if (!main.tmrOff().isActive()) return false;
    bool ticked = false;
    QObject context;
    QObject::connect(&main.tmrOff(), &QTimer::timeout, &context, [&ticked] { ticked = true; });
    return WaitFor([&ticked] { return ticked; });
}

using miditest::Tokens;

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        ASSERT_TRUE(dataDir.isValid());
        AppPaths::SetAppFolder(dataDir.path());
        recorder.SetDevices(true, {"Port A"});
        // The fastest tempo keeps playback short.
        SetSetting("Tempo", QStringLiteral("9"));
    }

    void TearDown() override {
        modMain::Shutdown();
        ClearSettings();
    }

    // Starts the main window as the program does and waits for its MIDI output.
    frmMain& Start() {
        modMain::ShowMainWindow(&recorder);
        frmMain* main = modMain::gMain();
        EXPECT_TRUE(WaitFor([main] { return main->MidiOutputOpened(); }));
        QApplication::processEvents();
        return *main;
    }

    std::string Recorded() const { return Tokens(recorder.Values()); }
    // Runs `action` (posted) right after the n-th note-on from now.
    void AfterNoteOn(int n, std::function<void()> action) {
        auto count = std::make_shared<int>(0);
        recorder.SetListener([count, n, action](const MidiOutRecorder::Message& m) {
            if ((m.value & 0xF0) == 0x90 && ++*count == n) QTimer::singleShot(0, action);
        });
    }
    QString DataPath(const QString& name) const { return dataDir.path() + QLatin1Char('/') + name; }

    static QString ChartPath(const QString& name) { return ChartFile::ChartFolder() + name + QStringLiteral(".cht"); }
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // A new chart made in the chart manager as a user makes it; it becomes
    // the current chart.
    void NewChart(frmMain& main, const QString& name) {
        main.mnuChartMan()->trigger();
        prompter.inputs.push_back(name);
        main.ChartControl()->cmdAdd()->click();
    }
    // A chart written by hand before start-up, remembered as the current one
    // (and not a first run: no default charts).
    void RememberChart(const QString& name, const QStringList& lines) {
        QDir().mkpath(ChartFile::ChartFolder());
        QFile f(ChartPath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QString& line : lines) f.write(line.toLatin1() + "\r\n");
        f.close();
        SetSetting("First", QStringLiteral("2"));
        SetSetting("ChartFile", ChartPath(name));
        SetSetting("ChartName", name);
    }

    QTemporaryDir dataDir;
    RecordingPrompter prompter;
    MidiOutRecorder recorder;
};

}  // namespace apptest
