// Chart play and the chart panel's events: items played in order, lines the
// player skips, Stop and a quick Play, the current chart, the viewer, and a
// playback that the user interrupts (mode, close, deleting a chart or an item).

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "AppTestSupport.h"
#include "clsChart.h"
#include "clsReckoner.h"
#include "ctlButtons.h"
#include "ctlDis.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "frmChart.h"

using namespace apptest;

namespace {

const QString kC = QStringLiteral("Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0");
const QString kAm = QStringLiteral("Chord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0");
const QString kE = QStringLiteral("Chord: E Major (1)~0,0,2,2,2,3,1,1,0,0,0,0");
const std::string kCStrum = "off 48 52 55 60 64 off 48 52 55 60 64 off";
const std::string kAmStrum = "off 45 52 57 60 64 off 45 52 57 60 64 off";
const std::string kEStrum = "off 40 47 52 56 59 64 off 40 47 52 56 59 64 off";

class ChartPlayTest : public AppFixture {
protected:
    frmMain& StartChartPlay(const QStringList& lines) {
        RememberChart(QStringLiteral("Set"), lines);
        frmMain& main = Start();
        main.mnuChartPlay()->trigger();
        recorder.Clear();
        return main;
    }
    void Play(frmMain& main) { main.MIDI()->cmdPlay()->click(); }
    void ExpectReady(frmMain& main) {
        EXPECT_FALSE(main.Playing());
        EXPECT_FALSE(main.StopChart());
        EXPECT_TRUE(main.MIDI()->cmdPlay()->isEnabled());
        EXPECT_FALSE(main.MIDI()->cmdStop()->isEnabled());
        EXPECT_TRUE(main.MIDI()->cmdDevices()->isEnabled());
        EXPECT_TRUE(main.ChartControl()->lstCharts()->isEnabled());
        EXPECT_TRUE(main.ChartControl()->m_lstItem()->isEnabled());
    }
    static std::string Join(std::initializer_list<std::string> parts) {
        std::string out;
        for (const std::string& p : parts) out += (out.empty() ? "" : " ") + p;
        return out;
    }
};

TEST_F(ChartPlayTest, PlaysFromTheSelectedItemToTheEnd) {
    frmMain& main = StartChartPlay({QStringLiteral("DESC:"), kC, kAm, kE, kC, kAm});
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("Set"));
    EXPECT_EQ(main.Display()->Display2(), QStringLiteral("1"));
    EXPECT_EQ(main.Display()->Display3(), QStringLiteral("5"));
    main.ChartControl()->SelectItem(1);
    recorder.Clear();
    Play(main);
    EXPECT_EQ(Recorded(), Join({kAmStrum, kEStrum, kCStrum, kAmStrum}));
    EXPECT_EQ(main.ChartControl()->SelectedItem(), 1);
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("Set"));
    ExpectReady(main);
}

TEST_F(ChartPlayTest, SkipsWhatIsNoChordOrScale) {
    // A map, free text that mentions a scale, a chord line without "~" and
    // one with an empty code: none of them plays, nor replays the last chord.
    frmMain& main = StartChartPlay({kC, QStringLiteral("Map: C Major~C-E-G~True"),
                                    QStringLiteral("Verse Scale: A Minor (1)~6,5,1|6,7,3"),
                                    QStringLiteral("Chord: G Major (1)"), QStringLiteral("Chord: D Major (1)~"),
                                    QStringLiteral("Intro: slowly"), kE});
    ASSERT_EQ(main.ChartControl()->ItemCount(), 7);
    main.ChartControl()->SelectItem(0);
    recorder.Clear();
    Play(main);
    EXPECT_EQ(Recorded(), Join({kCStrum, kEStrum}));
    ExpectReady(main);
}

TEST_F(ChartPlayTest, AnEmptyOrMissingChartSaysSo) {
    frmMain& main = StartChartPlay({});
    // Play is off for a chart without items; after a Stop it is on.
    EXPECT_FALSE(main.MIDI()->cmdPlay()->isEnabled());
    emit main.MIDI()->OnPlay();
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("Chart Is Empty!"));
    EXPECT_EQ(Recorded(), "");
    ExpectReady(main);
    EXPECT_TRUE(main.tmrOff().isActive());
}

TEST_F(ChartPlayTest, StopThenPlayAtOnceStartsAfreshAfterTheOldPlay) {
    frmMain& main = StartChartPlay({kC, kAm, kE});
    main.ChartControl()->SelectItem(0);
    recorder.Clear();
    int playsNested = 0;
    AfterNoteOn(3, [&] {
        main.MIDI()->cmdStop()->click();
        // Stop enables Play at once; the user presses it straight away.
        ASSERT_TRUE(main.MIDI()->cmdPlay()->isEnabled());
        main.MIDI()->cmdPlay()->click();
        playsNested = main.StopChart() ? 0 : 1;
    });
    Play(main);
    EXPECT_EQ(playsNested, 0);  // the old chart play still ends
    EXPECT_EQ(Recorded(), "off 48 52 55 off off");
    // The new chart play starts once the old one has returned, from the start item.
    const std::string both = Join({"off 48 52 55 off off", kCStrum, kAmStrum, kEStrum});
    EXPECT_TRUE(WaitFor([&] { return Recorded() == both; }));
    EXPECT_EQ(Recorded(), both);
    ExpectReady(main);
}

TEST_F(ChartPlayTest, PlaysPressedWhileUnwindingGiveAtMostOneNewPlay) {
    struct Case {
        const char* name;
        int plays;        // Play pressed this often after Stop, while the old play unwinds
        bool stopAgain;   // then Stop once more
        std::string after;
    };
    const std::string stopped = "off 48 52 55 off off";
    const Case cases[] = {
        {"one Play", 1, false, Join({stopped, kCStrum, kAmStrum, kEStrum})},
        {"four Plays", 4, false, Join({stopped, kCStrum, kAmStrum, kEStrum})},
        {"Plays taken back by Stop", 3, true, stopped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmMain& main = StartChartPlay({kC, kAm, kE});
        main.ChartControl()->SelectItem(0);
        recorder.Clear();
        AfterNoteOn(3, [&] {
            main.MIDI()->cmdStop()->click();
            for (int i = 0; i < c.plays; ++i) main.MIDI()->cmdPlay()->click();
            if (c.stopAgain) emit main.MIDI()->OnStop();
        });
        Play(main);
        EXPECT_EQ(Recorded(), stopped);
        WaitFor([&] { return Recorded() == c.after; }, 3000);
        // A further playback would have come before the silencing timer's first tick.
        ASSERT_TRUE(WaitForSilencingTick(main));
        EXPECT_EQ(Recorded(), c.after);
        ExpectReady(main);
        modMain::Shutdown();
    }
}

TEST_F(ChartPlayTest, ThePanelButtonsWhileAChartPlays) {
    // A map item is shown on the fretboard between the chords: Stop stays
    // usable throughout, and stops the play.
    frmMain& main = StartChartPlay({kC, QStringLiteral("Map: C Major~C-E-G~True"), kAm, kE});
    main.ChartControl()->SelectItem(0);
    recorder.Clear();
    struct Seen {
        bool play, stop, devices, charts, items;
    };
    std::vector<Seen> seen;
    auto look = [&] {
        seen.push_back({main.MIDI()->cmdPlay()->isEnabled(), main.MIDI()->cmdStop()->isEnabled(),
                        main.MIDI()->cmdDevices()->isEnabled(), main.ChartControl()->lstCharts()->isEnabled(),
                        main.ChartControl()->m_lstItem()->isEnabled()});
    };
    // The 11th note-on is the first of A minor, after the map was shown.
    AfterNoteOn(11, [&] {
        look();
        main.MIDI()->cmdStop()->click();
        look();
    });
    Play(main);
    ASSERT_EQ(seen.size(), 2u);
    // Playing: Play off, Stop on, device buttons and lists off.
    EXPECT_FALSE(seen[0].play);
    EXPECT_TRUE(seen[0].stop);
    EXPECT_FALSE(seen[0].devices);
    EXPECT_FALSE(seen[0].charts);
    EXPECT_FALSE(seen[0].items);
    // After Stop: Play on at once, Stop off.
    EXPECT_TRUE(seen[1].play);
    EXPECT_FALSE(seen[1].stop);
    EXPECT_EQ(Recorded(), Join({kCStrum, "off 45 off off"}));
    EXPECT_EQ(Recorded().find(" 40 "), std::string::npos);  // E major never came
    ExpectReady(main);
}

TEST_F(ChartPlayTest, DeletingAnItemUpdatesTheCountShown) {
    frmMain& main = StartChartPlay({kC, kAm, kE});
    main.mnuChartMan()->trigger();
    ASSERT_EQ(main.Display()->Display3(), QStringLiteral("3"));
    main.ChartControl()->SelectItem(2);
    for (const char* left : {"2", "1", "0"}) {
        prompter.answers.push_back(Prompter::Answer::Yes);
        main.ChartControl()->cmdDeleteItem()->click();
        EXPECT_EQ(main.Display()->Display3(), QLatin1String(left));
    }
    EXPECT_EQ(Bytes(ChartPath(QStringLiteral("Set"))), QByteArray("DESC:\r\n"));
}

TEST_F(ChartPlayTest, AnOlderViewerClosingLeavesTheNewestKnown) {
    frmMain& main = StartChartPlay({kC, kAm});
    main.mnuChartMan()->trigger();
    main.ChartControl()->cmdView()->click();
    QPointer<clsChart> first = main.objChart();
    main.ChartControl()->cmdView()->click();
    QPointer<clsChart> second = main.objChart();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(first, second);
    first->ChartForm()->close();
    ASSERT_TRUE(WaitFor([&] { return first.isNull(); }));
    EXPECT_EQ(main.objChart(), second.data());
    second->ChartForm()->close();
    EXPECT_TRUE(WaitFor([&] { return main.objChart() == nullptr; }));
}

TEST_F(ChartPlayTest, TheChartPanelSetsTheCurrentChart) {
    frmMain& main = Start();  // a first run: the default charts
    main.mnuChartMan()->trigger();
    main.ChartControl()->SelectChart(QStringLiteral("Prog_House"));
    EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: Prog_House"));
    EXPECT_EQ(main.ChartTag(), ChartPath(QStringLiteral("Prog_House")));
    EXPECT_EQ(Setting("ChartFile"), ChartPath(QStringLiteral("Prog_House")));
    EXPECT_EQ(Setting("ChartName"), QStringLiteral("Prog_House"));
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("Prog_House"));
    EXPECT_EQ(main.Display()->Display2(), QStringLiteral("6"));
    EXPECT_EQ(main.Display()->Display3(), QStringLiteral("16"));
    EXPECT_TRUE(main.mnuHiddenViewCC()->isEnabled());
    EXPECT_FALSE(main.MIDI()->cmdPlay()->isEnabled());  // chart manager plays nothing

    // Deleting every chart leaves no current chart.
    while (main.ChartControl()->ChartCount() > 0) {
        prompter.answers.push_back(Prompter::Answer::Yes);
        main.ChartControl()->cmdDelete()->click();
    }
    EXPECT_EQ(main.ChartTag(), QString());
    EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: "));
    EXPECT_EQ(Setting("ChartFile"), QString());
    EXPECT_FALSE(main.mnuHiddenViewCC()->isEnabled());
}

TEST_F(ChartPlayTest, ViewingAChartAndAChartThatHasGone) {
    frmMain& main = StartChartPlay({kC, kAm});
    main.mnuChartMan()->trigger();
    main.ChartControl()->cmdView()->click();
    ASSERT_NE(main.objChart(), nullptr);
    ASSERT_NE(main.objChart()->ChartForm(), nullptr);
    EXPECT_TRUE(main.objChart()->ChartForm()->isVisible());
    main.objChart()->ChartForm()->close();
    EXPECT_TRUE(WaitFor([&] { return main.objChart() == nullptr; }));

    // The file goes behind the program's back; View Current Chart finds it gone.
    ASSERT_TRUE(QFile::remove(ChartPath(QStringLiteral("Set"))));
    prompter.Clear();
    main.mnuHiddenViewCC()->trigger();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_TRUE(prompter.Messages()[0].text.startsWith(QStringLiteral("Error: 53")));
    EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: *****"));
    EXPECT_EQ(main.ChartTag(), QString());
    EXPECT_EQ(Setting("ChartFile"), QString());
    // Add cannot write the chart anew.
    main.mnuChords()->trigger();
    prompter.Clear();
    emit main.OptionButtons()->Click(0);
    EXPECT_TRUE(prompter.Messages()[0].text.startsWith(QStringLiteral("You must select")));
    EXPECT_FALSE(QFile::exists(ChartPath(QStringLiteral("Set"))));
}

// A chart that has gone, but not the current one: the window alone answers
// for the settings, which go on naming the current chart, or forget a
// remembered chart that start-up did not take up.
TEST_F(ChartPlayTest, AnotherChartThatHasGoneLeavesTheCurrentOne) {
    const QString outside = DataPath(QStringLiteral("Blues.cht"));
    const struct {
        const char* what;
        bool current;
        QString fileAfter;
        QString nameAfter;
    } cases[] = {
        {"a current chart", true, ChartPath(QStringLiteral("Set")), QStringLiteral("Set")},
        {"none", false, QString(), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClearSettings();
        RememberChart(QStringLiteral("Set"), {kC});
        if (!c.current) SetSetting("ChartFile", outside);  // not a chart of the chart folder
        frmMain& main = Start();
        prompter.Clear();
        emit main.ChartControl()->OnChartView(ChartPath(QStringLiteral("Gone")), QStringLiteral("Gone"));
        ASSERT_EQ(prompter.Messages().size(), 1u);
        EXPECT_TRUE(prompter.Messages()[0].text.startsWith(QStringLiteral("Error: 53")));
        EXPECT_EQ(main.ChartTag(), c.fileAfter);
        EXPECT_EQ(main.lblChart()->text(), c.current ? QStringLiteral("Chart: Set") : QStringLiteral("Chart: *****"));
        EXPECT_EQ(Setting("ChartFile"), c.fileAfter);
        EXPECT_EQ(Setting("ChartName"), c.nameAfter);
        modMain::Shutdown();
    }
}

TEST_F(ChartPlayTest, FreeTextShowsInTheFirstLine) {
    frmMain& main = StartChartPlay({QStringLiteral("Verse: repeat 2x"), kC});
    main.ChartControl()->SelectItem(0);
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("repeat 2x"));
}

// ---- interruptions: the playback stops first, nothing crashes ----

struct Interruption {
    const char* name;
    std::function<void(frmMain&, RecordingPrompter&)> act;
    // Holds once the request has been carried out after the stopped play.
    std::function<bool(frmMain&)> done;
};

// The panel's Delete, Delete item and View are hidden in chart play; their
// rows stay as guards of the play loop against a chart that changes or goes
// away under it. View Current Chart on the popup menu is the way a user has
// to a chart window meanwhile.
const Interruption kInterruptions[] = {
    {"mode switch", [](frmMain& m, RecordingPrompter&) { m.mnuChords()->trigger(); },
     [](frmMain& m) { return m.objReckoner().Mode() == 0; }},
    {"close", [](frmMain& m, RecordingPrompter&) { m.close(); }, [](frmMain& m) { return !m.isVisible(); }},
    {"delete the chart",
     [](frmMain& m, RecordingPrompter& p) {
         p.answers.push_back(Prompter::Answer::Yes);
         m.ChartControl()->cmdDelete()->click();
     },
     [](frmMain&) { return !QFile::exists(ChartFile::ChartFolder() + QStringLiteral("Set.cht")); }},
    {"delete an item",
     [](frmMain& m, RecordingPrompter& p) {
         p.answers.push_back(Prompter::Answer::Yes);
         m.ChartControl()->cmdDeleteItem()->click();
     },
     [](frmMain& m) { return m.ChartControl()->ItemCount() == 2; }},
    {"view", [](frmMain& m, RecordingPrompter&) { m.ChartControl()->cmdView()->click(); },
     [](frmMain& m) { return m.objChart() != nullptr; }},
    {"View Current Chart on the popup menu",
     [](frmMain& m, RecordingPrompter&) {
         ASSERT_FALSE(m.ChartControl()->cmdView()->isVisible());
         m.cmdOptions()->click();
         QMenu* menu = m.mnuHidden();
         ASSERT_TRUE(menu->isVisible());
         ASSERT_TRUE(m.mnuHiddenViewCC()->isEnabled());
         QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(m.mnuHiddenViewCC()).center());
         EXPECT_FALSE(menu->isVisible());
     },
     [](frmMain& m) {
         // The current chart's window.
         return m.objChart() && m.objChart()->ChartForm() && m.objChart()->ChartForm()->isVisible() &&
                m.objChart()->ChartForm()->Caption().startsWith(QStringLiteral("Set Chart ["));
     }},
};

TEST_F(ChartPlayTest, InterruptedDuringChartPlay) {
    for (const Interruption& i : kInterruptions) {
        SCOPED_TRACE(i.name);
        frmMain& main = StartChartPlay({kC, kAm, kE});
        main.ChartControl()->SelectItem(0);
        recorder.Clear();
        AfterNoteOn(12, [&] { i.act(main, prompter); });
        Play(main);
        EXPECT_FALSE(main.Playing());
        // What was playing stopped at once, all notes off, and no third item came.
        const std::string stopped = kCStrum + " off 45 52 off off off";
        const std::string played = Recorded();
        EXPECT_EQ(played.substr(0, stopped.size()), stopped);
        EXPECT_EQ(played.find(" 40 "), std::string::npos);
        EXPECT_TRUE(WaitFor([&] { return i.done(main); }));
        modMain::Shutdown();
    }
}

TEST_F(ChartPlayTest, ChartEditsDuringAStrum) {
    RememberChart(QStringLiteral("Set"), {kC, kAm});
    frmMain& main = Start();
    main.mnuChordGen()->trigger();
    main.mnuChords()->trigger();
    main.Neck()->WriteChord(QStringLiteral("0,6,3,3,2,2,0,0,1,1,0,0"));
    recorder.Clear();
    AfterNoteOn(2, [&] {
        prompter.answers.push_back(Prompter::Answer::Yes);
        main.ChartControl()->cmdDelete()->click();
    });
    main.MIDI()->cmdPlay()->click();
    EXPECT_EQ(Recorded(), "off 48 52 off off off");
    EXPECT_FALSE(QFile::exists(ChartPath(QStringLiteral("Set"))));
    EXPECT_EQ(main.ChartTag(), QString());
}

}  // namespace
