// Playback from the main window: tuning, the silencing timer, and what
// happens when the user switches mode or closes the window while a chord
// sounds (the playback stops first, then the request is carried out).

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "AppInfo.h"
#include "AppTestSupport.h"
#include "SelectorButton.h"
#include "clsReckoner.h"
#include "ctlButtons.h"
#include "ctlChartControls.h"
#include "ctlChordExt.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "ctlScaleExt.h"
#include "frmTabWindow.h"

using namespace apptest;

namespace {

class PlaybackTest : public AppFixture {
protected:
    frmMain& StartWithCMajor() {
        frmMain& main = Start();
        main.Key()->Button(2)->click();
        main.ChordExt()->ExtButton(0)->click();
        recorder.Clear();
        return main;
    }
};

TEST_F(PlaybackTest, TheTuningBarShiftsWhatIsPlayedAndIsRemembered) {
    frmMain& main = StartWithCMajor();
    EXPECT_EQ(main.lblTune()->text(), QStringLiteral("Tune: Std"));
    main.HScroll1()->setValue(4);
    EXPECT_EQ(main.lblTune()->text(), QStringLiteral("Tune:+1/2"));
    EXPECT_EQ(main.MIDI()->Tune(), 4);
    EXPECT_EQ(Setting("Tune"), QStringLiteral("4"));
    main.MIDI()->cmdPlay()->click();
    EXPECT_EQ(Recorded(), "off 49 53 56 61 65 off 49 53 56 61 65 off");
    modMain::Shutdown();

    frmMain& again = Start();
    EXPECT_EQ(again.HScroll1()->value(), 4);
    EXPECT_EQ(again.lblTune()->text(), QStringLiteral("Tune:+1/2"));
}

TEST_F(PlaybackTest, EveryPlayRestartsTheSilencingTimer) {
    frmMain& main = StartWithCMajor();
    main.MIDI()->cmdPlay()->click();
    ASSERT_TRUE(WaitFor([&] { return main.OffTicks() == 3; }));
    // A new playback: the ticks of the last one must not cut it short.
    main.MIDI()->cmdPlay()->click();
    EXPECT_EQ(main.OffTicks(), 0);
    EXPECT_TRUE(main.tmrOff().isActive());
    recorder.Clear();
    // What has been sent by each tick: the silence comes with the fifth, two
    // seconds after the end, and the timer stops.
    std::vector<std::string> sentByTick;
    QObject ticks;
    QObject::connect(&main.tmrOff(), &QTimer::timeout, &ticks, [&] { sentByTick.push_back(Recorded()); });
    ASSERT_TRUE(WaitFor([&] { return !main.tmrOff().isActive(); }));
    EXPECT_EQ(sentByTick, (std::vector<std::string>{"", "", "", "", "off"}));
    EXPECT_EQ(main.tmrOff().interval() * static_cast<int>(sentByTick.size()), 2000);
    EXPECT_EQ(main.tmrOff().timerType(), Qt::PreciseTimer);
}

TEST_F(PlaybackTest, PlayWithNothingToPlayStillEndsReady) {
    frmMain& main = Start();
    for (QAction* mode : {main.mnuChordGen(), main.mnuChartMan()}) {
        mode->trigger();
        recorder.Clear();
        emit main.MIDI()->OnPlay();
        EXPECT_EQ(Recorded(), "");
        EXPECT_FALSE(main.Playing());
        EXPECT_TRUE(main.tmrOff().isActive());
        EXPECT_TRUE(main.MIDI()->cmdPlay()->isEnabled());
        EXPECT_TRUE(main.MIDI()->cmdDevices()->isEnabled());
    }
}

// Choosing what to play wakes an output resting after a silence, so that
// Play sounds at once; a choice that leaves nothing to play does not, and
// neither sends anything.
TEST_F(PlaybackTest, ChoosingSomethingToPlayWakesTheOutputAndSendsNothing) {
    struct Case {
        const char* name;
        std::function<void(frmMain&)> before, choose;
        bool wakes;
    };
    auto none = [](frmMain&) {};
    const Case cases[] = {
        {"chord", [](frmMain& m) { m.Key()->Button(2)->click(); },
         [](frmMain& m) { m.ChordExt()->ExtButton(0)->click(); }, true},
        {"another key", [](frmMain& m) { m.Key()->Button(2)->click(); m.ChordExt()->ExtButton(0)->click(); },
         [](frmMain& m) { m.Key()->Button(0)->click(); }, true},
        {"scale", [](frmMain& m) { m.mnuScales()->trigger(); m.Key()->Button(2)->click(); },
         [](frmMain& m) { m.ScaleExt()->Button(0)->click(); }, true},
        {"chart item", [](frmMain& m) { m.mnuChartPlay()->trigger(); },
         [](frmMain& m) { m.ChartControl()->SelectItem(1); }, true},
        {"a key alone", none, [](frmMain& m) { m.Key()->Button(2)->click(); }, false},
        {"chart manager item", [](frmMain& m) { m.mnuChartMan()->trigger(); },
         [](frmMain& m) { m.ChartControl()->SelectItem(1); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RememberChart(QStringLiteral("Set"), {QStringLiteral("Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0"),
                                              QStringLiteral("Chord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0")});
        frmMain& main = Start();
        c.before(main);
        QApplication::processEvents();
        recorder.Clear();
        const int wakes = recorder.WakeCount();
        c.choose(main);
        EXPECT_EQ(recorder.WakeCount() > wakes, c.wakes);
        EXPECT_EQ(main.MIDI()->cmdPlay()->isEnabled(), c.wakes);
        EXPECT_EQ(Recorded(), "");
        modMain::Shutdown();
    }
}

TEST_F(PlaybackTest, SwitchingModeDuringAStrumStopsItFirst) {
    frmMain& main = StartWithCMajor();
    int modeDuringPlay = -1;
    AfterNoteOn(2, [&] {
        main.mnuScales()->trigger();
        modeDuringPlay = main.objReckoner().Mode();
    });
    main.MIDI()->cmdPlay()->click();
    EXPECT_EQ(modeDuringPlay, 0);  // asked while playing: the strum stops first
    EXPECT_EQ(Recorded(), "off 48 52 off off off");
    ASSERT_TRUE(WaitFor([&] { return main.objReckoner().Mode() == 1; }));
    EXPECT_TRUE(main.mnuScales()->isChecked());
    EXPECT_EQ(main.lblMode()->text(), QStringLiteral("Scale Dictionary"));
    EXPECT_FALSE(main.Playing());
    EXPECT_FALSE(main.MIDI()->cmdPlay()->isEnabled());
    EXPECT_FALSE(main.MIDI()->cmdStop()->isEnabled());
    EXPECT_TRUE(main.MIDI()->cmdDevices()->isEnabled());
    EXPECT_EQ(main.Neck()->MIDICode(), QString());
    // Nothing more sounds: a strum taken up again would have come before the first silencing tick.
    ASSERT_TRUE(WaitForSilencingTick(main));
    EXPECT_EQ(Recorded(), "off 48 52 off off off");

    // The extension selector's Clear (mode 0) takes the same way.
    main.mnuChords()->trigger();
    main.Key()->Button(2)->click();
    main.ChordExt()->ExtButton(0)->click();
    recorder.Clear();
    AfterNoteOn(1, [&] { main.ChordExt()->ClearButton()->click(); });
    main.MIDI()->cmdPlay()->click();
    EXPECT_EQ(Recorded(), "off 48 off off off");
    ASSERT_TRUE(WaitFor([&] { return main.Neck()->ChordCode().isEmpty(); }));
    EXPECT_EQ(main.CurrentKey(), QString());
}

TEST_F(PlaybackTest, ClosingDuringAStrumStopsItThenCloses) {
    frmMain& main = StartWithCMajor();
    bool visibleAfterClose = false;
    AfterNoteOn(3, [&] {
        main.close();
        visibleAfterClose = main.isVisible();
    });
    main.MIDI()->cmdPlay()->click();
    EXPECT_TRUE(visibleAfterClose);
    ASSERT_TRUE(WaitFor([&] { return !main.isVisible(); }));
    EXPECT_EQ(Recorded(), "off 48 52 55 off off off off");
    EXPECT_FALSE(recorder.IsOpen());
    EXPECT_EQ(main.TabWindowForm(), nullptr);
    EXPECT_EQ(Setting("TabWindow"), QStringLiteral("True"));
}

// A box opened during a strum: the strum stops, all notes off, before the box
// shows; no note sounds under it or after it.
TEST_F(PlaybackTest, BoxesOpenedDuringAStrumComeAfterItStopped) {
    struct Case {
        const char* name;
        std::function<void(frmMain&)> open;
        QString shown;  // the start of the box's text, or the window's title
    };
    const Case cases[] = {
        {"about box", [](frmMain& m) { m.mnuHelpAbout()->trigger(); }, QStringLiteral("About Quillfret")},
        {"add to chart", [](frmMain& m) { m.OptionButtons()->Button(0)->click(); },
         QStringLiteral("Chord: C Major (1) added to \"Strums\" chart.")},
        {"help missing",
         [](frmMain& m) {
             AppInfo::SetHelpFile(QString());
             m.mnuHelpContents()->trigger();
         },
         QStringLiteral("Unable to display Help Contents.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RememberChart(QStringLiteral("Strums"), {QStringLiteral("DESC:")});
        frmMain& main = StartWithCMajor();
        std::string atBox = "<never>";
        prompter.Clear();
        prompter.onCall = [&](const RecordingPrompter::Call& call) {
            if (call.text.startsWith(c.shown)) atBox = Recorded();
        };
        AfterNoteOn(2, [&] { c.open(main); });
        main.MIDI()->cmdPlay()->click();
        ASSERT_TRUE(WaitFor([&] { return atBox != "<never>"; }, 3000));
        // Stopped after the second note, every note off before the box.
        EXPECT_EQ(atBox.rfind("off 48 52 off", 0), 0u) << atBox;
        EXPECT_EQ(atBox.substr(atBox.size() - 4), " off") << atBox;
        // Nor after it, up to the first silencing tick, by which a strum taken up again would have come.
        ASSERT_TRUE(WaitForSilencingTick(main));
        EXPECT_EQ(Recorded(), atBox);
        EXPECT_FALSE(main.Playing());
        prompter.onCall = nullptr;
        AppInfo::SetHelpFile(QStringLiteral(QF_HELP_FILE));
        modMain::Shutdown();
    }
}

}  // namespace
