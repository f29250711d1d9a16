// The main window between the selectors, the engine and the fretboard, at
// its edges: the note-map flag after each kind of choice, the usage text
// emptied by a new position type or scale group, a chord with no fingering,
// the focus after a click, and the chart manager, which never offers Play.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "AppTestSupport.h"
#include "SelectorButton.h"
#include "ctlButtons.h"
#include "ctlChordExt.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"
#include "frmTabWindow.h"

using namespace apptest;

namespace {

enum class Dictionary { Chords, Scales };

class MediationTest : public AppFixture {
protected:
    // The dictionary with C and its first chord type or scale type shown.
    frmMain& StartWithC(Dictionary dictionary) {
        frmMain& main = Start();
        if (dictionary == Dictionary::Scales) main.mnuScales()->trigger();
        main.Key()->Button(2)->click();
        if (dictionary == Dictionary::Scales)
            main.ScaleExt()->Button(0)->click();
        else
            main.ChordExt()->ExtButton(0)->click();
        return main;
    }
    static void NoteMap(frmMain& main) { main.OptionButtons()->Button(1)->click(); }
    // The flag that the last note map was drawn with: the map code's last part.
    static QString FlagDrawn(const frmMain& main) { return main.Neck()->MapCode().section(QLatin1Char('~'), -1); }
};

TEST_F(MediationTest, NoteMapsAfterAChoiceAreDrawnWithTheFlagTrueThenFalse) {
    frmMain& main = StartWithC(Dictionary::Chords);
    NoteMap(main);
    EXPECT_EQ(main.Neck()->MapCode(), QStringLiteral("C-E-G~True"));
    NoteMap(main);
    EXPECT_EQ(main.Neck()->MapCode(), QStringLiteral("C-E-G~False"));
}

TEST_F(MediationTest, EveryChoiceButAScaleTypeSetsTheNoteMapFlag) {
    struct Choice {
        const char* name;
        Dictionary dictionary;
        std::function<void(frmMain&)> choose;
        bool setsFlag;
    };
    const Choice choices[] = {
        {"key", Dictionary::Chords, [](frmMain& m) { m.Key()->Button(3)->click(); }, true},
        {"chord extension", Dictionary::Chords, [](frmMain& m) { m.ChordExt()->ExtButton(2)->click(); }, true},
        {"position type", Dictionary::Chords, [](frmMain& m) { m.Pos()->List()->setCurrentIndex(1); }, true},
        {"variation", Dictionary::Chords, [](frmMain& m) { m.Pos()->Button(0)->click(); }, true},
        {"scale type", Dictionary::Scales, [](frmMain& m) { m.ScaleExt()->Button(1)->click(); }, false},
        {"scale group", Dictionary::Scales, [](frmMain& m) { m.Pos()->List()->setCurrentIndex(1); }, true},
    };
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.name);
        frmMain& main = StartWithC(c.dictionary);
        NoteMap(main);  // drawn with True: the next is drawn with False unless a choice sets the flag
        ASSERT_EQ(FlagDrawn(main), QStringLiteral("True"));
        c.choose(main);
        NoteMap(main);
        EXPECT_EQ(FlagDrawn(main), c.setsFlag ? QStringLiteral("True") : QStringLiteral("False"));
        modMain::Shutdown();
    }
}

// The usage text goes before the engine answers, so that nothing the
// fretboard draws for the new choice stands under the old text.
TEST_F(MediationTest, APositionTypeOrScaleGroupEmptiesTheUsageTextFirst) {
    for (Dictionary dictionary : {Dictionary::Chords, Dictionary::Scales}) {
        SCOPED_TRACE(dictionary == Dictionary::Chords ? "position type" : "scale group");
        frmMain& main = StartWithC(dictionary);
        QLabel* usage = main.TabWindowForm()->lblTip();
        // Nothing in the chord dictionary shows a usage text: one put there
        // stands for any left over.
        if (dictionary == Dictionary::Chords) usage->setText(QStringLiteral("left over"));
        ASSERT_FALSE(usage->text().isEmpty());
        QStringList seen;  // the usage text at each of the fretboard's events
        QObject context;
        for (auto event : {&ctlNeck::OnChord, &ctlNeck::OnScale, &ctlNeck::OnClear, &ctlNeck::NoChord})
            QObject::connect(main.Neck(), event, &context, [&] { seen << usage->text(); });
        main.Pos()->List()->setCurrentIndex(1);
        ASSERT_FALSE(seen.isEmpty());
        EXPECT_EQ(seen.first(), QString());
        if (dictionary == Dictionary::Chords) {
            EXPECT_EQ(usage->text(), QString());
        }
        modMain::Shutdown();
    }
}

TEST_F(MediationTest, AChordWithNoFingeringLeavesNothingToPlay) {
    frmMain& main = StartWithC(Dictionary::Chords);
    ASSERT_TRUE(main.MIDI()->cmdPlay()->isEnabled());
    main.ChordExt()->ExtButton(1)->click();  // C minor has no open fingering
    EXPECT_EQ(main.Neck()->ChordCode(), QStringLiteral("Not Available"));
    EXPECT_FALSE(main.MIDI()->cmdPlay()->isEnabled());
    EXPECT_FALSE(main.MIDI()->cmdStop()->isEnabled());
    EXPECT_EQ(main.TabWindowForm()->TabText(), QStringLiteral("\r\n\r\n\r\n            Not Available"));
    for (int i = 0; i < ctlPosition::kButtons; ++i) EXPECT_FALSE(main.Pos()->Button(i)->isEnabled()) << i;
}

TEST_F(MediationTest, AClickOnASelectorOrTheOptionStripGivesTheFocusBackToTheFretboard) {
    frmMain& main = StartWithC(Dictionary::Chords);
    const struct {
        const char* name;
        QPushButton* button;
    } clicks[] = {
        {"key", main.Key()->Button(3)},
        {"chord extension", main.ChordExt()->ExtButton(2)},
        {"variation", main.Pos()->Button(0)},
        {"fret numbers", main.OptionButtons()->Button(2)},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.name);
        main.HScroll1()->setFocus();
        ASSERT_NE(main.focusWidget(), main.Neck());
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(main.focusWidget(), main.Neck());
    }
}

TEST_F(MediationTest, TheChartManagerNeverOffersPlayForWhatItShows) {
    RememberChart(QStringLiteral("Set"), {QStringLiteral("Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0"),
                                          QStringLiteral("Scale: A Minor (1)~6,5,1|6,8,4|5,5,1|5,7,3|5,8,4|4,5,1|4,7,3")});
    frmMain& main = Start();
    main.mnuChartMan()->trigger();
    for (int item : {0, 1}) {
        SCOPED_TRACE(item == 0 ? "chord" : "scale");
        main.ChartControl()->SelectItem(static_cast<int16_t>(item));
        EXPECT_FALSE(main.Neck()->MIDICode().isEmpty());  // drawn
        EXPECT_FALSE(main.MIDI()->cmdPlay()->isEnabled());
        EXPECT_FALSE(main.MIDI()->cmdStop()->isEnabled());
    }
}

}  // namespace
