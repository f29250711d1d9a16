// Add to chart: the line appended is exactly what the fretboard shows, every
// refusal has its message (or none, as the mode asks), and a failed write
// adds nothing.

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "AppTestSupport.h"
#include "SelectorButton.h"
#include "clsReckoner.h"
#include "ctlButtons.h"
#include "ctlChordExt.h"
#include "ctlDis.h"
#include "ctlKey.h"
#include "ctlNeck.h"
#include "ctlScaleExt.h"

using namespace apptest;

namespace {

const QString kChart = QStringLiteral("Adds");

class AddToChartTest : public AppFixture {
protected:
    frmMain& StartWithChart() {
        RememberChart(kChart, {QStringLiteral("DESC:")});
        frmMain& main = Start();
        EXPECT_EQ(main.ChartTag(), ChartPath(kChart));
        return main;
    }
    void Add(frmMain& main) {
        prompter.Clear();
        main.OptionButtons()->Button(0)->click();
    }
    void CMajor(frmMain& main) {
        main.Key()->Button(2)->click();
        main.ChordExt()->ExtButton(0)->click();
    }
    std::string File() const { return Bytes(ChartPath(kChart)).toStdString(); }
    QStringList Said() const {
        QStringList out;
        for (const auto& m : prompter.Messages()) out << m.text;
        return out;
    }
};

const std::string kEmpty("DESC:\r\n");
const QString kNoChord = QStringLiteral("No chord available to add!");

TEST_F(AddToChartTest, WhatIsShownIsWhatIsStored) {
    frmMain& main = StartWithChart();
    CMajor(main);
    Add(main);
    std::string expected = kEmpty + "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0\r\n";
    EXPECT_EQ(File(), expected);

    // A note map on screen is stored as a map, first drawn with the flag True.
    main.OptionButtons()->Button(1)->click();
    Add(main);
    expected += "Map: C Major~C-E-G~True\r\n";
    EXPECT_EQ(File(), expected);
    EXPECT_EQ(Said(), QStringList({QStringLiteral("Map: C Major added to \"Adds\" chart.")}));

    // A new drawing replaces the map: the chord is stored again.
    main.Key()->Button(0)->click();
    main.ChordExt()->ExtButton(1)->click();
    ASSERT_EQ(main.Neck()->ChordCode(), QStringLiteral("0,6,0,0,2,2,2,3,1,1,0,0"));
    Add(main);
    expected += "Chord: A Minor (1)~" + main.Neck()->ChordCode().toStdString() + "\r\n";
    EXPECT_EQ(File(), expected);

    // In the scale dictionary a map on screen is a map too.
    main.mnuScales()->trigger();
    main.Key()->Button(2)->click();
    main.ScaleExt()->Button(0)->click();
    Add(main);
    expected += "Scale: C Major (1)~" + main.Neck()->ScaleCode().toStdString() + "\r\n";
    main.OptionButtons()->Button(1)->click();
    Add(main);
    expected += "Map: C Major~C-D-E-F-G-A-B~True\r\n";
    EXPECT_EQ(File(), expected);

    // The panel holds the same items, codes as in the file.
    const QStringList lines = QString::fromStdString(expected).trimmed().split(QStringLiteral("\r\n"));
    ASSERT_EQ(main.ChartControl()->ItemCount(), lines.size() - 1);
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_EQ(main.ChartControl()->GetItemCode(static_cast<int16_t>(i - 1)), lines[i]);
}

TEST_F(AddToChartTest, AStaleMapIsNeverStored) {
    frmMain& main = StartWithChart();
    CMajor(main);
    main.OptionButtons()->Button(1)->click();
    ASSERT_TRUE(main.Neck()->IsMap());
    // Clear starts the chord dictionary afresh: an empty neck, whatever the
    // fretboard's own map flag says.
    main.ChordExt()->ClearButton()->click();
    ASSERT_TRUE(main.Neck()->IsMap());
    Add(main);
    EXPECT_EQ(Said(), QStringList({kNoChord}));
    EXPECT_EQ(File(), kEmpty);

    main.mnuScales()->trigger();
    Add(main);
    EXPECT_EQ(Said(), QStringList());
    EXPECT_EQ(File(), kEmpty);
}

TEST_F(AddToChartTest, RefusalsByMode) {
    frmMain& main = StartWithChart();
    // Nothing drawn in the chord dictionary.
    Add(main);
    EXPECT_EQ(Said(), QStringList({kNoChord}));
    // A chord the position type lacks.
    main.Key()->Button(2)->click();
    bool notAvailable = false;
    for (int ext = 0; ext < 35 && !notAvailable; ++ext) {
        main.ChordExt()->ExtButton(ext)->click();
        notAvailable = main.Neck()->ChordCode() == QLatin1String("Not Available");
    }
    ASSERT_TRUE(notAvailable);
    Add(main);
    EXPECT_EQ(Said(), QStringList({kNoChord}));
    EXPECT_EQ(prompter.Messages()[0].icon, Prompter::Icon::Exclamation);
    // Chart play, the chord generator and the chart manager add nothing, silently.
    for (QAction* mode : {main.mnuChartPlay(), main.mnuChordGen(), main.mnuChartMan()}) {
        mode->trigger();
        Add(main);
        EXPECT_EQ(Said(), QStringList());
    }
    EXPECT_EQ(File(), kEmpty);
}

TEST_F(AddToChartTest, WithoutACurrentChartItSaysHowToGetOne) {
    frmMain& main = Start();
    CMajor(main);
    Add(main);
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, QStringLiteral("You must select \"Options -> Manage Charts\" and \r\n"
                                                          "select or create a chart before you can save grids."));
    EXPECT_EQ(prompter.Messages()[0].title, QStringLiteral("Quillfret Pro"));
    EXPECT_EQ(prompter.Messages()[0].icon, Prompter::Icon::Information);
}

TEST_F(AddToChartTest, AFailedWriteSaysWhyAndAddsNothing) {
    frmMain& main = StartWithChart();
    CMajor(main);
    // The chart's file has become a folder: no one can write it.
    ASSERT_TRUE(QFile::remove(ChartPath(kChart)));
    ASSERT_TRUE(QDir().mkdir(ChartPath(kChart)));
    Add(main);
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_TRUE(prompter.Messages()[0].text.startsWith(
        QStringLiteral("Chord: C Major (1) could not be added to the chart \"Adds\".\r\n\r\n")));
    EXPECT_GT(prompter.Messages()[0].text.size(), 70);
    EXPECT_EQ(prompter.Messages()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(main.ChartControl()->ItemCount(), 0);
}

// The remembered chart as a hand edit may leave it: the file decides which
// chart is current, and the panel takes the item only when it holds that file.
TEST_F(AddToChartTest, TheRememberedFileIsTheCurrentChart) {
    struct Case {
        const char* name;
        QString file;  // "ChartFile", relative to the chart folder
        QString chartName;
        QString shown;        // lblChart's name
        bool panelTakesItem;  // the panel holds the chart written
    };
    const Case cases[] = {
        {"ChartFile=A, ChartName=B", QStringLiteral("A.cht"), QStringLiteral("B"), QStringLiteral("A"), true},
        {"the file spelled another way", QStringLiteral("./A.cht"), QStringLiteral("A"), QStringLiteral("A"), true},
        {"a file the panel does not list", QStringLiteral(".A.cht"), QStringLiteral("A"), QStringLiteral(".A"), false},
    };
    const QByteArray a("DESC:\r\nChord: E Major (1)~0,0,2,2,2,3,1,1,0,0,0,0\r\n");
    const QByteArray b("DESC:\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RememberChart(QStringLiteral("B"), {QStringLiteral("DESC:")});
        const QString written = ChartFile::ChartFolder() + c.file;
        QFile::remove(written);
        {
            QFile f(written);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(a);
        }
        SetSetting("ChartFile", written);
        SetSetting("ChartName", c.chartName);
        frmMain& main = Start();
        EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: ") + c.shown);
        EXPECT_EQ(Setting("ChartName"), c.shown);
        const int itemsBefore = main.ChartControl()->ItemCount();
        CMajor(main);
        Add(main);
        EXPECT_EQ(Said(), QStringList({QStringLiteral("Chord: C Major (1) added to \"") + c.shown +
                                       QStringLiteral("\" chart.")}));
        EXPECT_EQ(Bytes(written), a + "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0\r\n");
        EXPECT_EQ(Bytes(ChartPath(QStringLiteral("B"))), b);
        if (c.panelTakesItem) {
            EXPECT_EQ(main.ChartControl()->ChartName(), QStringLiteral("A"));
            EXPECT_EQ(main.ChartControl()->ItemCount(), 2);
        } else {
            EXPECT_EQ(main.ChartControl()->ItemCount(), itemsBefore);
        }
        modMain::Shutdown();
        QFile::remove(written);
    }
}

// New Chart, three chords added in the chord dictionary, back to the chart
// manager: the item buttons are ready for the three items, and work.
TEST_F(AddToChartTest, TheItemButtonsFollowTheItemsAdded) {
    frmMain& main = Start();
    NewChart(main, QStringLiteral("Fresh"));
    ctlChartControls& panel = *main.ChartControl();
    ASSERT_EQ(panel.ChartName(), QStringLiteral("Fresh"));
    const QList<QPushButton*> itemButtons = {panel.cmdUpDown(0), panel.cmdUpDown(1), panel.cmdDeleteItem()};
    for (QPushButton* b : itemButtons) EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();

    main.mnuChords()->trigger();
    const int chords[][2] = {{2, 0}, {0, 1}, {0, 0}};  // C major, A minor, A major
    for (const auto& chord : chords) {
        main.Key()->Button(chord[0])->click();
        main.ChordExt()->ExtButton(chord[1])->click();
        Add(main);
    }
    main.mnuChartMan()->trigger();
    EXPECT_EQ(panel.ItemCount(), 3);
    for (QPushButton* b : itemButtons) EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(panel.cmdView()->isEnabled());

    // The first item is selected on entry; Move Down saves the new order.
    ASSERT_EQ(panel.m_lstItem()->currentRow(), 0);
    panel.cmdUpDown(1)->click();
    EXPECT_EQ(Bytes(ChartPath(QStringLiteral("Fresh"))),
              QByteArray("DESC:\r\nChord: A Minor (1)~0,6,0,0,2,2,2,3,1,1,0,0\r\n"
                         "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0\r\n"
                         "Chord: A Major (1)~0,6,0,0,2,1,2,2,2,3,0,0\r\n"));
}

// A name outside Latin-1 lives in the file name only: the items stay
// Latin-1 in the file, and the next start finds the chart again.
TEST_F(AddToChartTest, ANameOutsideLatin1) {
    const QString name = QStringLiteral("\u03A9 Riff \U0001D11E");
    {
        frmMain& main = Start();
        NewChart(main, name);
        ASSERT_EQ(main.ChartTag(), ChartPath(name));
        EXPECT_TRUE(QDir(ChartFile::ChartFolder()).entryList(QDir::Files).contains(name + QStringLiteral(".cht")));
        main.mnuChords()->trigger();
        CMajor(main);
        Add(main);
        EXPECT_EQ(Said(), QStringList({QStringLiteral("Chord: C Major (1) added to \"") + name +
                                       QStringLiteral("\" chart.")}));
        EXPECT_EQ(Bytes(ChartPath(name)), QByteArray("Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0\r\n"));
        modMain::Shutdown();
    }
    EXPECT_EQ(Setting("ChartFile"), ChartPath(name));
    frmMain& main = Start();
    EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: ") + name);
    EXPECT_EQ(main.ChartControl()->ChartName(), name);
    EXPECT_EQ(main.ChartControl()->ItemCount(), 1);
    EXPECT_TRUE(main.mnuHiddenViewCC()->isEnabled());
}

// The chart label keeps "Chart: " and as much of the name as fits, ended
// with "…", and the whole name is its tooltip. The names are the widest that
// New Chart takes, among them ones outside the Basic Multilingual Plane,
// whose surrogate pairs the cut must not split.
TEST_F(AddToChartTest, TheChartLabelShowsChartAndAsMuchOfTheNameAsFits) {
    const QString clef = QStringLiteral("\U0001D11E");
    const QString widest(ChartFile::kMaxNameLength, QLatin1Char('W'));
    struct Case {
        const char* what;
        QString name;
        bool cut;
    };
    const Case cases[] = {
        {"wide letters", widest, true},
        {"a clef, then wide letters", clef + widest.left(ChartFile::kMaxNameLength - 1), true},
        {"clefs only", clef.repeated(ChartFile::kMaxNameLength), true},
        {"a short name", QStringLiteral("Blues"), false},
    };
    frmMain& main = Start();
    const QLabel& label = *main.lblChart();
    EXPECT_EQ(label.text(), QStringLiteral("Chart: *****"));
    EXPECT_TRUE(label.toolTip().isEmpty());

    // One character more is refused: these are the longest names typing accepts.
    NewChart(main, widest + QLatin1Char('W'));
    ASSERT_EQ(Said(), QStringList({QStringLiteral("Too many characters!")}));
    prompter.Clear();
    NewChart(main, clef.repeated(ChartFile::kMaxNameLength + 1));
    ASSERT_EQ(Said(), QStringList({QStringLiteral("Too many characters!")}));

    const QFontMetrics metrics(label.font());
    const QString prefix = QStringLiteral("Chart: ");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.Clear();
        NewChart(main, c.name);
        ASSERT_EQ(main.ChartTag(), ChartPath(c.name));
        const QString shown = label.text();
        EXPECT_TRUE(shown.startsWith(prefix)) << shown.toStdString();
        EXPECT_LE(metrics.horizontalAdvance(shown), label.contentsRect().width()) << shown.toStdString();
        EXPECT_EQ(label.toolTip(), c.name);
        if (!c.cut) {
            EXPECT_EQ(shown, prefix + c.name);
            continue;
        }
        ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        const QString kept = shown.chopped(1);
        EXPECT_GT(kept.size(), prefix.size()) << "some of the name shows";
        EXPECT_TRUE((prefix + c.name).startsWith(kept)) << shown.toStdString();
        EXPECT_FALSE(kept.back().isHighSurrogate()) << "half a surrogate pair";
    }

    // The current chart gone: no name, no tooltip.
    ASSERT_TRUE(QFile::remove(main.ChartTag()));
    main.mnuChords()->trigger();
    CMajor(main);
    Add(main);
    EXPECT_EQ(label.text(), QStringLiteral("Chart: *****"));
    EXPECT_TRUE(label.toolTip().isEmpty());
}

TEST_F(AddToChartTest, AChartDeletedBehindTheProgramsBackIsNotMadeAnew) {
    frmMain& main = StartWithChart();
    CMajor(main);
    ASSERT_TRUE(QFile::remove(ChartPath(kChart)));
    Add(main);
    ASSERT_EQ(Said().size(), 1);
    EXPECT_EQ(Said()[0], QStringLiteral("The chart \"Adds\" can no longer be found; nothing was added to it.\r\n\r\n"
                                        "Select or create a chart under \"Options -> Manage Charts\"."));
    EXPECT_EQ(prompter.Messages()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_FALSE(QFile::exists(ChartPath(kChart)));
    EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: *****"));
    EXPECT_EQ(main.ChartTag(), QString());
    EXPECT_EQ(Setting("ChartFile"), QString());
    EXPECT_EQ(Setting("ChartName"), QString());
    EXPECT_FALSE(main.mnuHiddenViewCC()->isEnabled());
    // From now on Add asks for a chart.
    Add(main);
    ASSERT_EQ(Said().size(), 1);
    EXPECT_TRUE(Said()[0].startsWith(QStringLiteral("You must select")));
    EXPECT_FALSE(QFile::exists(ChartPath(kChart)));

    // Delete Chart on it takes it off the list.
    main.mnuChartMan()->trigger();
    ASSERT_EQ(main.ChartControl()->ChartCount(), 1);
    prompter.Clear();
    prompter.answers.push_back(Prompter::Answer::Yes);
    main.ChartControl()->cmdDelete()->click();
    EXPECT_EQ(main.ChartControl()->ChartCount(), 0);
    ASSERT_EQ(prompter.Messages().size(), 1u);  // the question only
    EXPECT_EQ(prompter.Messages()[0].buttons, Prompter::Buttons::YesNo);
}

}  // namespace
