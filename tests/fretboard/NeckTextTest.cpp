// The fretboard's text outputs (chord and scale tablature, MIDI note list,
// map code) and its state and events, without looking at pixels.

#include <gtest/gtest.h>

#include <QSettings>
#include <QTest>

#include "NeckCodes.h"
#include "NeckTestSupport.h"
#include "QtPrinters.h"

namespace {

using necktest::NeckEvents;

const QString kCrLf = "\r\n";

QString Lines(const QStringList& lines) { return lines.join(kCrLf); }

struct TabCase {
    const char* code;
    QStringList lines;  // string 1 first
};

TEST(ChordTab, GoldenTexts) {
    const TabCase cases[] = {
        {"0,6,3,3,2,2,0,0,1,1,0,0",
         {"   1(e) ------------0------------", "   2(B) ------------1------------",
          "   3(G) ------------0------------", "   4(D) ------------2------------",
          "   5(A) ------------3------------", "   6(E) ------------x------------", ""}},
        // Two-digit frets take a one-dash lead-in; barre parts and extra numbers are left out.
        {"10,1,12,3,12,4,11,2,10,1,10,1;10,6,1,7,7",
         {"   1(e) -----------10------------", "   2(B) -----------10------------",
          "   3(G) -----------11------------", "   4(D) -----------12------------",
          "   5(A) -----------12------------", "   6(E) -----------10------------", ""}},
        // A string not played shows x whatever its fret.
        {"25,6,25,6,25,6,25,6,25,6,25,6",
         {"   1(e) ------------x------------", "   2(B) ------------x------------",
          "   3(G) ------------x------------", "   4(D) ------------x------------",
          "   5(A) ------------x------------", "   6(E) ------------x------------", ""}},
        // Malformed: only the strings with a finger field make a line; a finger
        // that is not a number is not "not played".
        {"3,a,5", {"   6(E) ------------3------------", ""}},
    };
    for (const TabCase& c : cases) EXPECT_EQ(NeckCodes::ChordTab(c.code), Lines(c.lines)) << c.code;
    EXPECT_EQ(NeckCodes::ChordTab(""), "");
    EXPECT_EQ(NeckCodes::ChordTab("Not Available"), "\r\n\r\n\r\n            Not Available");
}

TEST(ScaleTab, GoldenTexts) {
    const TabCase cases[] = {
        {"6,8,2|6,10,4|5,7,1|5,8,2|5,10,4|4,7,1|4,9,3|4,10,4|3,7,1|3,9,3|3,10,4|2,8,2|2,10,4|1,7,1|1,8,2|1,10,4",
         {"   1(e) -------7----8---10--------", "   2(B) -------8---10-------------",
          "   3(G) -------7----9---10--------", "   4(D) -------7----9---10--------",
          "   5(A) -------7----8---10--------", "   6(E) -------8---10-------------"}},
        // Fret 0 and fret 12; a fifth note on a string keeps only its first dash;
        // a string without notes is the label and eighteen dashes.
        {"1,0,0|1,1,1|1,2,2|1,3,3|1,4,4|6,12,1",
         {"   1(e) -------0----1----2----3---", "   2(B) -----------------------",
          "   3(G) -----------------------", "   4(D) -----------------------",
          "   5(A) -----------------------", "   6(E) ------12------------------"}},
        // Notes that name no string or have no fret are left out.
        {"7,5,1|0,5,1|x,5,1|2|2,5,1",
         {"   1(e) -----------------------", "   2(B) -------5------------------",
          "   3(G) -----------------------", "   4(D) -----------------------",
          "   5(A) -----------------------", "   6(E) -----------------------"}},
    };
    for (const TabCase& c : cases) EXPECT_EQ(NeckCodes::ScaleTab(c.code), Lines(c.lines)) << c.code;
    EXPECT_EQ(NeckCodes::ScaleTab(""), "");
    EXPECT_EQ(NeckCodes::ScaleTab("   "), "");
}

struct MidiCase {
    const char* code;
    const char* midi;
};

TEST(ctlNeck, WriteChordMidiCodeIsTheDrawnNotesLowStringFirst) {
    const MidiCase cases[] = {
        {"0,6,3,3,2,2,0,0,1,1,0,0", "48~52~55~60~64"},
        {"0,0,2,2,2,3,1,1,0,0,0,0", "40~47~52~56~59~64"},
        {"0,6,3,3,2,2,0,0,1,1,0,0$C", "48~52~55~60~64"},
        {"1,1,3,3,3,4,2,2,1,7,1,7;1,6,1", "41~48~53~57~60~65"},  // notes under the barre sound
        {"24,1,24,1,24,1,24,1,24,1,24,1", "64~69~74~79~83~88"},
        {"0,6,0,6,0,6,0,6,0,6,0,6", ""},
        {"", ""},
        // Malformed codes: only the notes that were drawn.
        {"0,6,3,x,2,2,0,0,1,1,0,0", "52~55~60~64"},
        {"0,6,3", ""},
        {"0,0,30,1,2,2", "40~52"},
        {"0,0,-1,1,2,2,,,1,1,0,0", "40~52~60~64"},
        {"0,0,99999,1,2,2", "40~52"},
        {"$$$", ""},
        {"0,0,2,2;;;;;", "40~47"},
    };
    ctlNeck neck;
    for (const MidiCase& c : cases) {
        neck.WriteChord(c.code);
        EXPECT_EQ(neck.MIDICode(), c.midi) << c.code;
    }
}

TEST(ctlNeck, WriteScaleMidiCodeFollowsThePositionString) {
    const MidiCase cases[] = {
        {"6,8,2|6,10,4|5,7,1|5,8,2|5,10,4|4,7,1|4,9,3|4,10,4|3,7,1|3,9,3|3,10,4|2,8,2|2,10,4|1,7,1|1,8,2|1,10,4",
         "48~50~52~53~55~57~59~60~62~64~65~67~69~71~72~74"},
        {"1,5,1|6,5,1$A", "69~45"},
        {"", ""},
        // Unreadable notes are passed over and the rest is drawn.
        {"6,5,1|6,x,2|5,7,1", "45~52"},
        {"6,5,1|junk|5,7", "45"},
        {"6,5,1||9,5,1|5,30,1|4,5,6", "45"},
    };
    for (const MidiCase& c : cases) {
        ctlNeck neck;
        NeckEvents log(neck);
        neck.WriteScale(c.code);
        EXPECT_EQ(neck.MIDICode(), c.midi) << c.code;
        EXPECT_EQ(log.events, QStringList{"OnScale"}) << c.code;
    }
}

TEST(ctlNeck, WriteChordKeepsTheCodeWithoutRootAndRaisesOnChordThenGenerateChord) {
    ctlNeck neck;
    NeckEvents log(neck);
    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0$C$extra");
    EXPECT_EQ(neck.ChordCode(), "0,6,3,3,2,2,0,0,1,1,0,0");
    EXPECT_EQ(log.events, QStringList{"OnChord"});
    log.events.clear();
    neck.WriteChord("0,0,2,2,2,3,1,1,0,0,0,0", true);
    EXPECT_EQ(log.events, QStringList({"OnChord", "GenerateChord 40~47~52~56~59~64"}));
    EXPECT_EQ(neck.ChordTab().split(kCrLf).first(), "   1(e) ------------0------------");
}

TEST(ctlNeck, CodesAndMapStateThroughDrawingsAndClear) {
    ctlNeck neck;
    NeckEvents log(neck);
    EXPECT_EQ(neck.MIDICode(), "");
    EXPECT_EQ(neck.ChordCode(), "");
    EXPECT_FALSE(neck.IsMap());

    neck.WriteScale("6,5,1|6,8,4$A");
    EXPECT_EQ(neck.ScaleCode(), "6,5,1|6,8,4");
    neck.MapNotes("C-E-G", false, true);
    EXPECT_TRUE(neck.IsMap());
    EXPECT_EQ(neck.MapCode(), "C-E-G~False");
    EXPECT_EQ(neck.MIDICode(), "45~48") << "a map leaves the codes alone";
    EXPECT_EQ(neck.ScaleCode(), "6,5,1|6,8,4");

    neck.Clear();  // after a map: still a map, codes emptied
    EXPECT_TRUE(neck.IsMap());
    EXPECT_EQ(neck.MapCode(), "C-E-G~False");
    EXPECT_EQ(neck.MIDICode(), "");
    EXPECT_EQ(neck.ChordCode(), "");
    EXPECT_EQ(neck.ScaleCode(), "");
    EXPECT_EQ(neck.ScaleTab(), "");
    EXPECT_EQ(neck.ChordTab(), "");

    neck.MapNotes("E", true);
    EXPECT_EQ(neck.MapCode(), "E~True");
    neck.MapNotes("", false, true);  // nothing at all
    EXPECT_EQ(neck.MapCode(), "E~True");

    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0");
    EXPECT_FALSE(neck.IsMap());
    EXPECT_EQ(neck.MapCode(), "");
    EXPECT_EQ(log.events, QStringList({"OnScale", "OnMap", "OnClear", "OnMap", "OnChord"}));
}

TEST(ctlNeck, PrintNoChordSetsTheNoticeAndRaisesNoChordThenOnClear) {
    ctlNeck neck;
    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0");
    neck.MapNotes("C", false);
    NeckEvents log(neck);
    neck.PrintNoChord("Not Available", "In Root 6 Bar Chords");
    EXPECT_EQ(log.events, QStringList({"NoChord", "OnClear"}));
    EXPECT_EQ(neck.ChordCode(), "Not Available");
    EXPECT_EQ(neck.ChordTab(), "\r\n\r\n\r\n            Not Available");
    EXPECT_EQ(neck.MIDICode(), "");
    EXPECT_FALSE(neck.IsMap());

    // A 22-character second line loses its last seven characters, the caller's too.
    QString line2 = "In Some Long Positions";
    ASSERT_EQ(line2.size(), 22);
    neck.PrintNoChord("Not Available", line2);
    EXPECT_EQ(line2, "In Some Long Po");
}

TEST(ctlNeck, ScaleCodeLetChangesTheTabAndNothingElse) {
    ctlNeck neck;
    neck.WriteChord("0,6,3,3,2,2,0,0,1,1,0,0");
    const QImage before = neck.Image();
    NeckEvents log(neck);
    neck.SetScaleCode("1,12,1");
    EXPECT_EQ(neck.ScaleTab().split(kCrLf).first(), "   1(e) ------12------------------");
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_EQ(neck.Image(), before);
    EXPECT_EQ(neck.MIDICode(), "48~52~55~60~64");
}

// The owner's reading of a click (chord generator): string bands and fret rows in twips.
void OwnerMouseDown(ctlNeck& neck, float x, float y) {
    struct Band { float from, to; int16_t stringNo; };
    const Band bands[] = {{200, 450, 6}, {450, 700, 5}, {700, 950, 4},
                          {950, 1150, 3}, {1150, 1350, 2}, {1350, 1600, 1}};
    int16_t stringNo = 0;
    for (const Band& b : bands)
        if (x > b.from && x < b.to) stringNo = b.stringNo;
    int16_t fret = 0;
    for (int16_t f = 0; f <= 11; ++f)
        if (y > 200 * f && y < 200 * f + 200) fret = f;
    if (stringNo != 0) neck.DrawChord(stringNo, fret);
}

TEST(ctlNeck, ClicksOnTheSurfaceBuildAChord) {
    QWidget window;
    ctlNeck neck(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    neck.InitDraw();
    EXPECT_EQ(neck.ChordCode(), "0,6,0,6,0,6,0,6,0,6,0,6");
    EXPECT_EQ(neck.MIDICode(), "");

    NeckEvents log(neck);
    QObject::connect(&neck, &ctlNeck::MouseDown, [&neck](float x, float y) { OwnerMouseDown(neck, x, y); });
    // Pixel points inside each (string, fret) cell: x of the string, y in the cell's middle.
    auto at = [](int xTwips, int fret) { return QPoint(xTwips / 15, (200 * fret + 100) / 15); };
    QTest::mouseClick(&neck, Qt::LeftButton, {}, at(550, 3));
    // Pixel (36, 46) is (540, 690) in twips: string 5, fret 3.
    EXPECT_EQ(log.events, QStringList({"MouseDown 540 690", "OnChord", "GenerateChord 48", "Click"}));
    QTest::mouseClick(&neck, Qt::LeftButton, {}, at(800, 2));
    QTest::mouseClick(&neck, Qt::LeftButton, {}, at(1050, 0));
    QTest::mouseClick(&neck, Qt::LeftButton, {}, at(1300, 1));
    QTest::mouseClick(&neck, Qt::LeftButton, {}, at(1550, 0));
    EXPECT_EQ(neck.ChordCode(), "25,6,3,0,2,0,0,0,1,0,0,0");
    EXPECT_EQ(neck.MIDICode(), "48~52~55~60~64");
    EXPECT_EQ(log.events.last(), "Click");
    EXPECT_EQ(log.events[log.events.size() - 2], "GenerateChord 48~52~55~60~64");

    // A click on an open string mutes it, whatever fret; the next click frets it.
    QTest::mouseClick(&neck, Qt::LeftButton, {}, at(1550, 5));
    EXPECT_EQ(neck.MIDICode(), "48~52~55~60");
    QTest::mouseClick(&neck, Qt::LeftButton, {}, at(1550, 5));
    EXPECT_EQ(neck.MIDICode(), "48~52~55~60~69");
    // Fret 0 on a fretted string opens it.
    QTest::mouseClick(&neck, Qt::LeftButton, {}, at(550, 0));
    EXPECT_EQ(neck.ChordCode(), "25,6,0,0,2,0,0,0,1,0,5,0");
}

TEST(ctlNeck, DrawChordBeforeInitDrawStartsFromOpenStrings) {
    ctlNeck neck;
    NeckEvents log(neck);
    neck.DrawChord(6, 3);  // open: muted first
    EXPECT_EQ(log.events, QStringList({"OnChord", "GenerateChord 45~50~55~59~64"}));
    neck.DrawChord(6, 3);
    EXPECT_EQ(neck.MIDICode(), "43~45~50~55~59~64");
    neck.DrawChord(7, 3);  // no such string: nothing
    EXPECT_EQ(log.events.size(), 4);
}

TEST(ctlNeck, NumberSettingsLoadWithDefaultsAndAreWrittenOnEveryLet) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, AppSettings::AppTitle(), AppSettings::AppTitle());
    store.remove("Settings/FretNumbers");
    store.remove("Settings/StringNumbers");
    store.sync();
    {
        ctlNeck neck;
        EXPECT_TRUE(neck.FretNumbers());
        EXPECT_TRUE(neck.StringNumbers());
        store.sync();
        EXPECT_FALSE(store.contains("Settings/FretNumbers")) << "nothing written before a Let";
        neck.SetFretNumbers(true);  // the same value is written all the same
        neck.SetStringNumbers(false);
    }
    store.sync();
    EXPECT_EQ(store.value("Settings/FretNumbers").toString(), "True");
    EXPECT_EQ(store.value("Settings/StringNumbers").toString(), "False");

    const struct { const char* text; bool value; } cases[] = {
        {"False", false}, {"True", true}, {"false", false}, {"0", false}, {"maybe", true}, {"", true}};
    for (const auto& c : cases) {
        AppSettings::SaveSetting("Settings", "FretNumbers", c.text);
        ctlNeck neck;
        EXPECT_EQ(neck.FretNumbers(), c.value) << c.text;
    }
}

TEST(ctlNeck, ResizingSnapsBackToTheDesignSize) {
    ctlNeck neck;
    const QSize design(necktest::Px(1840), necktest::Px(5460));
    EXPECT_EQ(neck.size(), design);
    neck.resize(500, 40);
    EXPECT_EQ(neck.size(), design);
    EXPECT_EQ(neck.Image().size(), design);
}

}  // namespace
