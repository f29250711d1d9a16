// A walk through the program as a user makes it: start-up on empty
// settings, the chord dictionary with playback, the chord generator and the
// scale dictionary.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "AppTestSupport.h"
#include "ChartFile.h"
#include "SelectorButton.h"
#include "clsReckoner.h"
#include "ScaleTypeTable.h"
#include "ctlButtons.h"
#include "ctlChordExt.h"
#include "ctlDis.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"
#include "frmTabWindow.h"
#include "frmTips.h"

using namespace apptest;

namespace {

class WalkthroughTest : public AppFixture {
protected:
    QStringList Lines(const frmMain& main) const {
        return {main.Display()->Display1(), main.Display()->Display2(), main.Display()->Display3()};
    }
    QStringList Matches(const frmMain& main) const {
        QStringList out;
        for (int i = 0; i < main.lstMatches()->count(); ++i) out << main.lstMatches()->item(i)->text();
        return out;
    }
    // A click on the fretboard at a point given in twips.
    void ClickNeck(frmMain& main, int xTwips, int yTwips) {
        QTest::mouseClick(main.Neck(), Qt::LeftButton, {}, QPoint(xTwips / 15, yTwips / 15));
    }
};

TEST_F(WalkthroughTest, ChordDictionaryFromStartToPlay) {
    frmMain& main = Start();
    EXPECT_TRUE(QFile::exists(DataPath(QStringLiteral("genmidi.txt"))));
    EXPECT_EQ(Setting("First"), QStringLiteral("1"));
    EXPECT_EQ(main.lblMode()->text(), QStringLiteral("Chord Dictionary"));
    EXPECT_TRUE(main.mnuChords()->isChecked());
    EXPECT_EQ(Lines(main), QStringList({" ", "", "Select a key..."}));
    EXPECT_TRUE(main.TabWindowForm()->isVisible());
    // The device was opened and the instrument sent once the window had painted.
    EXPECT_EQ(Recorded(), "prog25 off prog25 prog25");

    // C, then Major: the chord, its tablature and its notes.
    main.Key()->Button(2)->click();
    EXPECT_EQ(main.CurrentKey(), QStringLiteral("C"));
    main.ChordExt()->ExtButton(0)->click();
    EXPECT_EQ(Lines(main), QStringList({"C Major", "1-3-5", "C-E-G"}));
    EXPECT_EQ(main.Neck()->ChordCode(), QStringLiteral("0,6,3,3,2,2,0,0,1,1,0,0"));
    EXPECT_EQ(main.Neck()->MIDICode(), QStringLiteral("48~52~55~60~64"));
    EXPECT_EQ(main.TabWindowForm()->TabText(), main.Neck()->ChordTab());
    EXPECT_TRUE(main.TabWindowForm()->TabText().contains(QStringLiteral("5(A) ------------3")));
    EXPECT_TRUE(main.MIDI()->cmdPlay()->isEnabled());

    // A, m7, Moveable, variation 2.
    main.Key()->Button(0)->click();
    main.ChordExt()->ExtButton(10)->click();
    main.Pos()->List()->setCurrentIndex(1);
    main.Pos()->Button(1)->click();
    EXPECT_EQ(Lines(main), QStringList({"A m7", "1-b3-5-b7", "A-C-E-G"}));
    EXPECT_EQ(main.Pos()->Variation(), 2);
    EXPECT_EQ(main.Neck()->ChordCode(), QStringLiteral("0,6,3,2,5,3,2,1,5,4,0,6"));
    EXPECT_EQ(main.Neck()->MIDICode(), QStringLiteral("48~55~57~64"));
    EXPECT_EQ(main.TabWindowForm()->txtTab()->toPlainText(),
              QStringLiteral("   1(e) ------------x------------\n"
                             "   2(B) ------------5------------\n"
                             "   3(G) ------------2------------\n"
                             "   4(D) ------------5------------\n"
                             "   5(A) ------------3------------\n"
                             "   6(E) ------------x------------\n"));

    // Play: the strum of the default pattern (a run, then the whole chord).
    recorder.Clear();
    main.MIDI()->cmdPlay()->click();
    EXPECT_EQ(Recorded(), "off 48 55 57 64 off 48 55 57 64 off");
    EXPECT_FALSE(main.Playing());
    EXPECT_TRUE(main.MIDI()->cmdPlay()->isEnabled());
    EXPECT_FALSE(main.MIDI()->cmdStop()->isEnabled());
    EXPECT_TRUE(main.MIDI()->cmdDevices()->isEnabled());
    EXPECT_TRUE(main.tmrOff().isActive());
    // The synthesizer is silenced two seconds later.
    recorder.Clear();
    EXPECT_TRUE(WaitFor([&] { return !main.tmrOff().isActive(); }));
    EXPECT_EQ(Recorded(), "off");
}

TEST_F(WalkthroughTest, ChordGeneratorNamesClickedAndTypedChords) {
    frmMain& main = Start();
    main.mnuChordGen()->trigger();
    ASSERT_EQ(main.objReckoner().Mode(), 3);
    EXPECT_EQ(Lines(main), QStringList({"", "", "Click frets or enter tab..."}));

    // E major, a string at a time: open E, B and E on the second fret, G# on the first.
    ClickNeck(main, 330, 100);   // string 6, fret 0
    ClickNeck(main, 570, 500);   // string 5, fret 2
    ClickNeck(main, 820, 500);   // string 4, fret 2
    ClickNeck(main, 1050, 300);  // string 3, fret 1
    EXPECT_EQ(main.Neck()->MIDICode(), QStringLiteral("40~47~52~56"));
    EXPECT_EQ(Matches(main), QStringList({"E Major (1-3-5)"}));
    EXPECT_EQ(Lines(main), QStringList({"E Major", "1-3-5", "1"}));
    EXPECT_FALSE(main.MIDI()->cmdPlay()->isEnabled());

    // Typed: C major in the entry window's six boxes (top box is high e).
    prompter.modal = [](QDialog& dialog) {
        auto& tips = static_cast<frmTips&>(dialog);
        const char* frets[] = {"0", "1", "0", "2", "3", "x"};
        for (int i = 0; i < 6; ++i) tips.txt(i)->setText(QLatin1String(frets[i]));
        tips.cmdOk()->click();
    };
    main.cmdEnter()->click();
    EXPECT_EQ(main.TipForm(), nullptr);
    EXPECT_EQ(main.Neck()->ChordCode(), QStringLiteral("0,6,3,0,2,0,0,0,1,0,0,0"));
    EXPECT_EQ(main.Neck()->MIDICode(), QStringLiteral("48~52~55~60~64"));
    EXPECT_EQ(Matches(main), QStringList({"C Major (1-3-5)"}));

    // Clear empties the lines but keeps the matches.
    main.cmdClearFretboard()->click();
    EXPECT_EQ(Lines(main), QStringList({"", "", "Click frets or enter tab..."}));
    EXPECT_EQ(Matches(main), QStringList({"C Major (1-3-5)"}));
}

TEST_F(WalkthroughTest, ScaleModeTogglesTheUsageText) {
    frmMain& main = Start();
    main.mnuScales()->trigger();
    EXPECT_EQ(main.lblMode()->text(), QStringLiteral("Scale Dictionary"));
    main.Key()->Button(2)->click();
    main.ScaleExt()->Button(0)->click();
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("C Major"));
    frmTabWindow& tab = *main.TabWindowForm();
    EXPECT_EQ(tab.TabText(), main.Neck()->ScaleTab());
    EXPECT_FALSE(tab.TabText().isEmpty());
    EXPECT_EQ(tab.lblTip()->text(), QString::fromStdString(FindScaleType("Major")->Usage));
    ASSERT_TRUE(tab.cmdButton()->isVisible());
    EXPECT_TRUE(tab.txtTab()->isVisible());
    EXPECT_FALSE(tab.lblTip()->isVisible());

    tab.cmdButton()->click();
    EXPECT_TRUE(main.TipShown());
    EXPECT_FALSE(tab.txtTab()->isVisible());
    EXPECT_TRUE(tab.lblTip()->isVisible());
    EXPECT_EQ(tab.ShapeColor(), QColor(Qt::black));

    tab.cmdButton()->click();
    EXPECT_FALSE(main.TipShown());
    EXPECT_TRUE(tab.txtTab()->isVisible());
    EXPECT_FALSE(tab.lblTip()->isVisible());
    EXPECT_EQ(tab.ShapeColor(), QColor(Qt::white));

    // Play sounds the position up and back down, a note at a time.
    const QStringList notes = main.Neck()->MIDICode().split(QLatin1Char('~'));
    ASSERT_GE(notes.size(), 5);
    std::string expected;
    for (qsizetype i = 0; i < notes.size(); ++i) expected += notes[i].toStdString() + " off ";
    for (qsizetype i = notes.size() - 2; i >= 0; --i) expected += notes[i].toStdString() + " off ";
    expected += "off";
    recorder.Clear();
    main.MIDI()->cmdPlay()->click();
    EXPECT_EQ(Recorded(), expected);
}

TEST_F(WalkthroughTest, ChartsAreWrittenAddedToAndPlayed) {
    frmMain& main = Start();
    // The first run wrote the six default charts.
    EXPECT_EQ(ChartFile::ListCharts(ChartFile::ChartFolder()).size(), 6);
    EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: *****"));

    NewChart(main, QStringLiteral("Walk"));
    EXPECT_EQ(main.lblChart()->text(), QStringLiteral("Chart: Walk"));
    EXPECT_EQ(main.ChartTag(), ChartPath(QStringLiteral("Walk")));
    EXPECT_EQ(Setting("ChartFile"), ChartPath(QStringLiteral("Walk")));
    EXPECT_EQ(Setting("ChartName"), QStringLiteral("Walk"));

    // Two chords and a scale position, each added from the fretboard.
    main.mnuChords()->trigger();
    main.Key()->Button(0)->click();
    main.ChordExt()->ExtButton(10)->click();
    main.Pos()->List()->setCurrentIndex(1);
    main.Pos()->Button(1)->click();
    prompter.Clear();
    main.OptionButtons()->Button(0)->click();
    EXPECT_EQ(Bytes(ChartPath(QStringLiteral("Walk"))), QByteArray("Chord: A m7 (2)~0,6,3,2,5,3,2,1,5,4,0,6\r\n"));
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, QStringLiteral("Chord: A m7 (2) added to \"Walk\" chart."));
    EXPECT_EQ(prompter.Messages()[0].icon, Prompter::Icon::Information);

    main.Key()->Button(2)->click();
    main.ChordExt()->ExtButton(0)->click();
    main.Pos()->List()->setCurrentIndex(0);
    main.Pos()->Button(0)->click();
    main.OptionButtons()->Button(0)->click();

    main.mnuScales()->trigger();
    main.Key()->Button(0)->click();
    main.Pos()->List()->setCurrentIndex(1);
    main.ScaleExt()->Button(0)->click();
    const QString scale = main.Neck()->ScaleCode();
    ASSERT_FALSE(scale.isEmpty());
    main.OptionButtons()->Button(0)->click();

    const QStringList lines = {QStringLiteral("Chord: A m7 (2)~0,6,3,2,5,3,2,1,5,4,0,6"),
                               QStringLiteral("Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0"),
                               QStringLiteral("Scale: A Natural Minor (1)~") + scale};
    EXPECT_EQ(Bytes(ChartPath(QStringLiteral("Walk"))), (lines.join(QStringLiteral("\r\n")) + "\r\n").toLatin1());
    ASSERT_EQ(main.ChartControl()->ItemCount(), 3);
    for (int16_t i = 0; i < 3; ++i) EXPECT_EQ(main.ChartControl()->GetItemCode(i), lines[i]);

    // Chart play from the first item; Stop during the second.
    main.mnuChartPlay()->trigger();
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("Walk"));
    main.ChartControl()->SelectItem(0);
    recorder.Clear();
    AfterNoteOn(10, [&] { main.MIDI()->cmdStop()->click(); });
    main.MIDI()->cmdPlay()->click();
    EXPECT_EQ(Recorded(), "off 48 55 57 64 off 48 55 57 64 off off 48 52 off off");
    EXPECT_FALSE(main.Playing());
    EXPECT_EQ(main.ChartControl()->SelectedItem(), 0);
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("Walk"));
    EXPECT_TRUE(main.MIDI()->cmdPlay()->isEnabled());
    EXPECT_FALSE(main.MIDI()->cmdStop()->isEnabled());
    EXPECT_TRUE(main.ChartControl()->lstCharts()->isEnabled());
}

}  // namespace
