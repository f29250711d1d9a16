// The chord generator: naming every chord that a list of MIDI notes forms.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "ChordExtensionTable.h"
#include "DictionaryData.h"
#include "IntervalFormula.h"
#include "RecordingListener.h"
#include "SplitText.h"
#include "clsReckoner.h"

namespace {

using Events = std::vector<std::string>;
using namespace ev;

const std::string kClick = "Click frets or enter tab...";
const std::array<const char*, 12> kSharp = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

Events generate(const std::string& notes, int mode = 3) {
    RecordingListener listener;
    clsReckoner engine(&listener);
    engine.SetMode(mode);
    listener.Events.clear();
    engine.ChordGenerator(notes);
    return listener.Events;
}

TEST(ChordGenerator, SortIntervals) {
    const std::pair<std::string, std::string> cases[] = {
        {"7,0,4,0,7", "0,4,7"}, {"0,0", ""}, {"", ""}, {"0", ""},
        {"10,2,0,11,1", "0,1,2,10,11"},  // by value, not by text
        {"4,4,4,9", "4,9"},
    };
    for (auto [list, sorted] : cases) {
        std::string text = list;
        SortIntervals(text);
        EXPECT_EQ(text, sorted) << "list \"" << list << "\"";
    }
}

TEST(ChordGenerator, IntervalsToFormulaRunsTheSlotCycle) {
    const std::pair<const char*, const char*> cases[] = {
        {"0,4,7,10", "1-3-5-b7"},
        {"0,2,4,7,10", "1-3-5-b7-9"},
        {"0,2,3,5,7,10", "1-b3-5-b7-9-11"},
        {"0,4,7,9", "1-3-5-13"},
        {"0,3,4,7,10", "1-b3-3-5-b7"},
        {"0,2,5,7,10", "1-5-b7-9-11"},
        {"0,2,4,6,7,10", "1-3-b5-5-b7-9"},
        {"0,1,4,8,10", "1-3-#5-b7-b9"},
        {"0,6", "1-b5"},
        {"", ""},
        {"4,7", ""},
        {"0,12", ""},  // no slot takes 12
    };
    for (auto [list, formula] : cases) EXPECT_EQ(IntervalsToFormula(list), formula) << "list \"" << list << "\"";
}

// The slot cycle by itself names 28 extensions from their own interval sets; it
// cannot write "6", "bb7" or "#9", so seven are left to the pitch-class comparison.
TEST(ChordGenerator, SlotCycleNamesAllButSevenExtensions) {
    const std::vector<int> unreachable = {4, 7, 8, 12, 15, 17, 29};
    for (int16_t code = 0; code < kExtensionCount; ++code) {
        std::vector<std::string> intervals;
        for (int i = 0; i < 12; ++i)
            if (ExtensionPitchClasses(code) & (1u << i)) intervals.push_back(std::to_string(i));
        const std::string formula = IntervalsToFormula(JoinText(intervals, ","));
        const bool reachable = std::find(unreachable.begin(), unreachable.end(), code) == unreachable.end();
        EXPECT_EQ(FormulaToExtCode(formula), reachable ? code : 99) << kChordExtensions[size_t(code)].Name;
    }
}

struct GeneratorCase {
    const char* notes;
    Events expected;
};

TEST(ChordGenerator, EventTraces) {
    const GeneratorCase cases[] = {
        // Open E: the roots B and G# name nothing; repeated E and B raise nothing.
        {"40~47~52~56~59~64",
         {kClear, Match("E", "Major (1-3-5)"), Display("E Major", "1-3-5", "1"), Display("E Major", "1-3-5", "1"),
          Display("E Major", "1-3-5", "1")}},
        // C-E-G-A: C 6 from the pitch classes, A m7 from the slot cycle.
        {"48~52~55~57",
         {kClear, Match("C", "6 (1-3-5-6)"), Display("C 6", "1-3-5-6", "1"), Display("C 6", "1-3-5-6", "1"),
          Display("C 6", "1-3-5-6", "1"), Match("A", "m7 (1-b3-5-b7)"), Display("A m7", "1-b3-5-b7", "2")}},
        // A diminished seventh names each of its notes, black keys with sharps.
        {"48~51~54~57",
         {kClear, Match("C", "dim7 (1-b3-b5-bb7)"), Display("C dim7", "1-b3-b5-bb7", "1"),
          Match("D#", "dim7 (1-b3-b5-bb7)"), Display("D# dim7", "1-b3-b5-bb7", "2"),
          Match("F#", "dim7 (1-b3-b5-bb7)"), Display("F# dim7", "1-b3-b5-bb7", "3"),
          Match("A", "dim7 (1-b3-b5-bb7)"), Display("A dim7", "1-b3-b5-bb7", "4")}},
        // Bb major: the root is named A#.
        {"46~50~53",
         {kClear, Match("A#", "Major (1-3-5)"), Display("A# Major", "1-3-5", "1"), Display("A# Major", "1-3-5", "1"),
          Display("A# Major", "1-3-5", "1")}},
        // C7#9, in the slot cycle 1-b3-3-5-b7, named from its pitch classes.
        {"48~52~55~58~63",
         {kClear, Match("C", "7#9 (1-3-5-b7-#9)"), Display("C 7#9", "1-3-5-b7-#9", "1"),
          Display("C 7#9", "1-3-5-b7-#9", "1"), Display("C 7#9", "1-3-5-b7-#9", "1"),
          Display("C 7#9", "1-3-5-b7-#9", "1"), Display("C 7#9", "1-3-5-b7-#9", "1")}},
        // One pitch class three times: a display for the first note only.
        {"40~52~64", {kClear, Display("", "", kClick)}},
        // Too few notes to try.
        {"40~45", {kClear, Display("", "", kClick)}},
        {"", {kClear, Display("", "", kClick)}},
        {"40", {kClear, Display("", "", kClick)}},
        // Empty, non-number and off-fretboard elements are skipped, not read as C.
        {"40~~abc~47~52~ 56~200~-3~39~89~4x~59~64",
         {kClear, Match("E", "Major (1-3-5)"), Display("E Major", "1-3-5", "1"), Display("E Major", "1-3-5", "1"),
          Display("E Major", "1-3-5", "1")}},
        {"~~", {kClear, Display("", "", kClick)}},
        {"40~x~45~~", {kClear, Display("", "", kClick)}},
        {"0~0~0~0~0~0", {kClear, Display("", "", kClick)}},
    };
    for (const GeneratorCase& c : cases) EXPECT_EQ(generate(c.notes), c.expected) << "notes \"" << c.notes << "\"";
}

TEST(ChordGenerator, TheEngineKeepsTheLastMatch) {
    clsReckoner engine;
    engine.SetMode(3);
    engine.ChordGenerator("48~52~55~57");
    EXPECT_EQ(engine.Key(), "A");
    EXPECT_EQ(engine.Formula(), "1-b3-5-b7");
    engine.ChordGenerator("46~50~53~57");  // A#maj7
    EXPECT_EQ(engine.Key(), "A#");
    EXPECT_EQ(engine.KeyCode(), 10);
    EXPECT_EQ(engine.ChromaticScale(), "A#,B,C,C#,D,D#,E,F,F#,G,G#,A");
    EXPECT_EQ(engine.Formula(), "1-3-5-7");
    // Nothing found keeps the previous match.
    engine.ChordGenerator("40~41~42");
    EXPECT_EQ(engine.Key(), "A#");
}

// Each degree's distance from the root in semitones, written out again here
// so that the expectations do not come from the code under test.
uint16_t pitchClassesOf(const std::string& formula) {
    static const std::map<std::string, int> semitones = {
        {"1", 0},  {"b3", 3}, {"3", 4},   {"4", 5},   {"b5", 6}, {"5", 7}, {"#5", 8}, {"6", 9}, {"bb7", 9},
        {"b7", 10}, {"7", 11}, {"b9", 1}, {"9", 2}, {"#9", 3},  {"11", 5}, {"#11", 6}, {"13", 9}};
    uint16_t set = 0;
    for (const std::string& token : SplitText(formula, "-")) set |= uint16_t(1u << semitones.at(token));
    return set;
}

const std::map<uint16_t, int>& extensionBySet() {
    static const std::map<uint16_t, int> bySet = [] {
        std::map<uint16_t, int> m;
        for (int code = 0; code < kExtensionCount; ++code) m[pitchClassesOf(kChordExtensions[size_t(code)].Formula)] = code;
        return m;
    }();
    return bySet;
}

uint16_t rotateDown(uint16_t set, int root) {
    uint16_t rotated = 0;
    for (int pc = 0; pc < 12; ++pc)
        if (set & (1u << pc)) rotated |= uint16_t(1u << ((pc - root + 12) % 12));
    return rotated;
}

// What the generator must raise for notes of these pitch classes, tried as
// roots in this order: each root whose intervals are exactly an extension's.
Events expectedTrace(const std::vector<int>& rootOrder, uint16_t set) {
    Events events{kClear};
    int matches = 0;
    std::string l1, l2;
    for (int root : rootOrder) {
        auto found = extensionBySet().find(rotateDown(set, root));
        if (found != extensionBySet().end()) {
            const ChordExtension& ext = kChordExtensions[size_t(found->second)];
            events.push_back(Match(kSharp[size_t(root)], std::string(ext.Name) + " (" + ext.Formula + ")"));
            l1 = std::string(kSharp[size_t(root)]) + " " + ext.Name;
            l2 = ext.Formula;
            ++matches;
        }
        events.push_back(matches ? Display(l1, l2, std::to_string(matches)) : Display("", "", kClick));
    }
    return events;
}

TEST(ChordGenerator, EveryPitchClassSetWithTheRootC) {
    std::map<std::string, std::vector<uint16_t>> namedFromC;  // extension name -> sets it was named from
    for (uint16_t upper = 0; upper < 2048; ++upper) {
        const uint16_t set = uint16_t(1u | (upper << 1));
        std::vector<int> ascending;
        for (int pc = 0; pc < 12; ++pc)
            if (set & (1u << pc)) ascending.push_back(pc);
        std::vector<int> descending(ascending.rbegin(), ascending.rend());

        // Low to high from C3, then two more Cs; and high to low from B5.
        std::vector<std::string> up, down;
        for (int pc : ascending) up.push_back(std::to_string(48 + pc));
        for (int pc : descending) down.push_back(std::to_string(72 + pc));
        up.insert(up.end(), {"60", "72"});
        down.insert(down.end(), {"60", "48"});

        const Events upEvents = generate(JoinText(up, "~"));
        ASSERT_EQ(upEvents, expectedTrace(ascending, set)) << "set " << set;
        ASSERT_EQ(generate(JoinText(down, "~")), expectedTrace(descending, set)) << "set " << set << " downwards";

        for (const std::string& event : upEvents) {
            const std::string prefix = "AddMatch(\"C\", \"";
            if (event.rfind(prefix, 0) == 0)
                namedFromC[event.substr(prefix.size(), event.find(" (") - prefix.size())].push_back(set);
        }
    }
    // Each of the 35 extensions is named from its own set and from no other.
    ASSERT_EQ(namedFromC.size(), size_t(kExtensionCount));
    for (const ChordExtension& ext : kChordExtensions)
        EXPECT_EQ(namedFromC[ext.Name], std::vector<uint16_t>{pitchClassesOf(ext.Formula)}) << ext.Name;
}

// MIDI notes of a fingering, lowest string first; finger 6 is a string not played.
std::vector<int> soundingNotes(const std::string& fingering) {
    static const int open[6] = {40, 45, 50, 55, 59, 64};
    const std::vector<std::string> numbers = SplitText(fingering.substr(0, fingering.find(';')), ",");
    std::vector<int> notes;
    for (size_t s = 0; s < 6 && 2 * s + 1 < numbers.size(); ++s)
        if (std::stoi(numbers[2 * s + 1]) != 6) notes.push_back(open[s] + std::stoi(numbers[2 * s]));
    return notes;
}

TEST(ChordGenerator, DictionaryFingeringsAreNamedBack) {
    int checked = 0;
    int fingerings = 0;
    for (int type = 0; type < 4; ++type) {
        for (int key = 0; key < 12; ++key) {
            for (int code = 0; code < kExtensionCount; ++code) {
                const ChordExtension& ext = kChordExtensions[size_t(code)];
                const uint16_t wanted = pitchClassesOf(ext.Formula);
                for (const std::string& fingering : data::Fingerings(type, key, code)) {
                    ++fingerings;
                    std::vector<std::string> midi;
                    uint16_t heard = 0;
                    for (int note : soundingNotes(fingering)) {
                        midi.push_back(std::to_string(note));
                        heard |= uint16_t(1u << ((note - key + 120) % 12));
                    }
                    if (heard != wanted) continue;  // a voicing that leaves a note out
                    ++checked;
                    const Events events = generate(JoinText(midi, "~"));
                    const std::string match = Match(kSharp[size_t(key)], std::string(ext.Name) + " (" + ext.Formula + ")");
                    EXPECT_NE(std::find(events.begin(), events.end(), match), events.end())
                        << "type " << type << ", key " << key << ", " << ext.Name << ": " << fingering;
                }
            }
        }
    }
    ASSERT_GT(fingerings, 0) << "the chord dictionary has lost its fingerings";
    EXPECT_GT(checked, 0);
    RecordProperty("fingerings", fingerings);
    RecordProperty("named_back", checked);
}

// In chord mode the generator's SetKey and SetExtension also look the chord up.
TEST(ChordGenerator, InChordModeEachMatchIsLookedUp) {
    ASSERT_TRUE(data::BarChordDataPresent()) << "the chord dictionary has lost its bar chords";
    RecordingListener listener;
    clsReckoner engine(&listener);
    engine.SetMode(0);
    engine.SetType(3);
    listener.Events.clear();
    engine.ChordGenerator("40~47~52~56~59~64");
    EXPECT_EQ(listener.Events,
              (Events{kClear, Display("E ", "", "Select an extension..."), Display("E Major", "1-3-5", "E-G#-B"),
                      Variation(1, 1), Chord(data::Fingering(3, 4, 0, 1)), Match("E", "Major (1-3-5)"),
                      Display("E Major", "1-3-5", "1"), Display("E Major", "1-3-5", "1"),
                      Display("E Major", "1-3-5", "1")}));
}

}  // namespace
