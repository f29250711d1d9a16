// The five modes: which controls each shows and where, the read-out titles,
// the mode label, the tablature window's contents, and the menu's radio items.

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "AppTestSupport.h"
#include "SelectorButton.h"
#include "Twips.h"
#include "clsReckoner.h"
#include "ctlChordExt.h"
#include "ctlDis.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"
#include "frmTabWindow.h"

using namespace apptest;

namespace {

class ModeLayoutTest : public AppFixture {
protected:
    QAction* ModeItem(const frmMain& main, int mode) const {
        QAction* items[] = {main.mnuChords(), main.mnuScales(), main.mnuChartPlay(), main.mnuChordGen(),
                            main.mnuChartMan()};
        return items[mode];
    }
};

struct Placement {
    const char* name;
    int left, top, width, height;  // width 0: a control of its own fixed size, only placed
};

// The shared column right of the fretboard, in twips.
const Placement kPlacements[] = {
    {"Display", 1950, 240, 1950, 1455}, {"Pos", 1950, 1620, 0, 0},
    {"lblTune", 1970, 2170, 855, 255},  {"HScroll1", 1950, 2370, 975, 100},
    {"Key", 1950, 2490, 0, 0},          {"ChordExt", 1950, 3265, 0, 0},
    {"ScaleExt", 1950, 3260, 0, 0},     {"cmdEnter", 1960, 1680, 1950, 495},
    {"cmdClearFretboard", 1980, 2230, 960, 255}, {"lstMatches", 1980, 2640, 1900, 3540},
    {"ChartControl", 1920, 1640, 2010, 4560},
    {"lblMode", 2280, 0, 1605, 255},    {"Neck", 30, 720, 0, 0},
};

TEST_F(ModeLayoutTest, ControlsSitWhereTheColumnPutsThem) {
    frmMain& main = Start();
    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(p.name);
        auto* w = main.findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_NE(w, nullptr);
        if (p.width == 0)
            EXPECT_EQ(w->pos(), Twips::Rect(p.left, p.top, 0, 0).topLeft());
        else
            EXPECT_EQ(w->geometry(), Twips::Rect(p.left, p.top, p.width, p.height));
    }
    // Every control lies inside the window but the hidden device list, which lies below it.
    for (QWidget* w : main.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || w == main.lstDevices()) continue;
        EXPECT_TRUE(main.rect().contains(w->geometry())) << w->objectName().toStdString();
    }
    EXPECT_GE(main.lstDevices()->y(), main.height());
    EXPECT_FALSE(main.lstDevices()->isVisible());
}

struct ModeCase {
    int mode;
    bool generator, chordExt, scaleExt, selectors;
    const char* titles[3];
    const char* caption;
    // The tablature window.
    bool items, text, tip, button;
    QRgb shape;
};

const ModeCase kModes[] = {
    {0, false, true, false, true, {"Chord:", "Formula:", "Notes:"}, "Chord Dictionary",
     false, true, false, false, 0xFFFFFFFF},
    {1, false, false, true, true, {"Scale:", "Construction:", "Notes:"}, "Scale Dictionary",
     false, true, false, true, 0xFFFFFFFF},
    {2, false, false, false, true, {"Chart Play:", "Total Charts:", "Items In Selected Chart:"}, "Chart Play",
     true, false, true, false, 0xFF000000},
    {3, true, false, false, false, {"Chord:", "Formula:", "Total Possibilities:"}, "Chord Generator",
     false, true, false, false, 0xFFFFFFFF},
    // The panel keeps its colour: white, coming from the chord generator.
    {4, false, false, false, true, {"Chart:", "Total Charts:", "Items In Selected Chart:"}, "Chart Manager",
     true, false, false, false, 0xFFFFFFFF},
};

TEST_F(ModeLayoutTest, EveryModeShowsItsControlsAndTitles) {
    frmMain& main = Start();
    for (const ModeCase& m : kModes) {
        SCOPED_TRACE(m.caption);
        // Come from the chord dictionary with a chord drawn and a key chosen.
        if (m.mode != 0) {
            main.mnuChords()->trigger();
            main.Key()->Button(2)->click();
            main.ChordExt()->ExtButton(0)->click();
            ASSERT_FALSE(main.Neck()->ChordCode().isEmpty());
        }
        main.mnuChordGen()->trigger();  // a mode that is neither
        ModeItem(main, m.mode)->trigger();
        ASSERT_EQ(main.objReckoner().Mode(), m.mode);
        EXPECT_TRUE(ModeItem(main, m.mode)->isChecked());
        for (int other = 0; other < 5; ++other) {
            if (other == m.mode) continue;
            EXPECT_FALSE(ModeItem(main, other)->isChecked()) << other;
        }

        EXPECT_EQ(main.cmdEnter()->isVisible(), m.generator);
        EXPECT_EQ(main.cmdClearFretboard()->isVisible(), m.generator);
        EXPECT_EQ(main.lstMatches()->isVisible(), m.generator);
        EXPECT_EQ(main.ChordExt()->isVisible(), m.chordExt);
        EXPECT_EQ(main.ScaleExt()->isVisible(), m.scaleExt);
        for (QWidget* w : {static_cast<QWidget*>(main.Key()), static_cast<QWidget*>(main.Pos()),
                           static_cast<QWidget*>(main.HScroll1()), static_cast<QWidget*>(main.lblTune())})
            EXPECT_EQ(w->isVisible(), m.selectors) << w->objectName().toStdString();
        EXPECT_EQ(main.Display()->DisplayTitle1(), QLatin1String(m.titles[0]));
        EXPECT_EQ(main.Display()->DisplayTitle2(), QLatin1String(m.titles[1]));
        EXPECT_EQ(main.Display()->DisplayTitle3(), QLatin1String(m.titles[2]));
        EXPECT_EQ(main.lblMode()->text(), QLatin1String(m.caption));
        EXPECT_EQ(main.CurrentKey(), QString());
        // Chart play shows the chart's first item at once, and can play it.
        EXPECT_EQ(main.MIDI()->cmdPlay()->isEnabled(),
                  m.mode == 2 && !main.Neck()->MIDICode().isEmpty());
        EXPECT_FALSE(main.MIDI()->cmdStop()->isEnabled());

        frmTabWindow& tab = *main.TabWindowForm();
        EXPECT_EQ(tab.lstChartItems()->isVisible(), m.items);
        EXPECT_EQ(tab.txtTab()->isVisible(), m.text);
        EXPECT_EQ(tab.lblTip()->isVisible(), m.tip);
        EXPECT_EQ(tab.cmdButton()->isVisible(), m.button);
        EXPECT_EQ(tab.ShapeColor().rgba(), m.shape);
    }
}

TEST_F(ModeLayoutTest, ModeSpecificContents) {
    frmMain& main = Start();
    // The position list holds the position types, then the scale groups.
    EXPECT_EQ(main.Pos()->List()->itemText(0), QStringLiteral("Open Chords"));
    main.mnuScales()->trigger();
    EXPECT_EQ(main.Pos()->List()->itemText(0), QStringLiteral("Major Scales"));
    EXPECT_EQ(main.Pos()->List()->count(), 7);

    main.mnuChartPlay()->trigger();
    EXPECT_EQ(main.TabWindowForm()->lblTip()->text(),
              QStringLiteral("This is the instructions on how to play charts..."));

    main.mnuChordGen()->trigger();
    EXPECT_EQ(main.Display()->Display1(), QString());
    EXPECT_EQ(main.Display()->Display2(), QString());
    EXPECT_EQ(main.Display()->Display3(), QStringLiteral("Click frets or enter tab..."));
    // The empty click-built chord: every string not played.
    EXPECT_EQ(main.Neck()->ChordCode(), QStringLiteral("0,6,0,6,0,6,0,6,0,6,0,6"));
    // Drawing a chord here never enables Play.
    main.Neck()->WriteChord(QStringLiteral("0,6,3,3,2,2,0,0,1,1,0,0"));
    EXPECT_FALSE(main.MIDI()->cmdPlay()->isEnabled());
}

TEST_F(ModeLayoutTest, TheCheckedModeChangesNothing) {
    frmMain& main = Start();
    main.Key()->Button(2)->click();
    main.ChordExt()->ExtButton(0)->click();
    const QString chord = main.Neck()->ChordCode();
    main.mnuChords()->trigger();
    EXPECT_TRUE(main.mnuChords()->isChecked());
    EXPECT_EQ(main.Neck()->ChordCode(), chord);
    EXPECT_EQ(main.CurrentKey(), QStringLiteral("C"));
    EXPECT_EQ(main.Display()->Display1(), QStringLiteral("C Major"));
    EXPECT_TRUE(main.MIDI()->cmdPlay()->isEnabled());

    // The extension selector's Clear starts the chord dictionary afresh, checked or not.
    main.ChordExt()->ClearButton()->click();
    EXPECT_EQ(main.Neck()->ChordCode(), QString());
    EXPECT_EQ(main.CurrentKey(), QString());
    EXPECT_EQ(main.Display()->Display3(), QStringLiteral("Select a key..."));
    EXPECT_FALSE(main.MIDI()->cmdPlay()->isEnabled());
}

TEST_F(ModeLayoutTest, ScaleModeKeepsTheUsageTextShown) {
    frmMain& main = Start();
    main.mnuScales()->trigger();
    main.TabWindowForm()->cmdButton()->click();
    ASSERT_TRUE(main.TipShown());
    main.mnuChords()->trigger();
    main.mnuScales()->trigger();
    frmTabWindow& tab = *main.TabWindowForm();
    EXPECT_TRUE(tab.lblTip()->isVisible());
    EXPECT_FALSE(tab.txtTab()->isVisible());
    EXPECT_TRUE(tab.cmdButton()->isVisible());
    EXPECT_EQ(tab.ShapeColor(), QColor(Qt::black));
}

}  // namespace
