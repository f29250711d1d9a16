// Keys and their spelling, the chord extension table and the scale type table,
// read back through the engine where the engine is what spells them.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ChordExtensionTable.h"
#include "RecordingListener.h"
#include "ScaleTypeTable.h"
#include "SplitText.h"
#include "clsReckoner.h"

namespace {

struct KeyRow {
    const char* key;
    int code;
    const char* chromatic;
    const char* keyScale;
};

// The 17 key names; then names outside them, which keep key code 0 and choose
// the flat list only by a lower-case "b".
const KeyRow kKeys[] = {
    {"C", 0, "C,C#,D,D#,E,F,F#,G,G#,A,A#,B", "C,D,E,F,G,A,B"},
    {"C#", 1, "C#,D,D#,E,F,F#,G,G#,A,A#,B,C", "C#,D#,F,F#,G#,A#,C"},
    {"Db", 1, "Db,D,Eb,E,F,Gb,G,Ab,A,Bb,B,C", "Db,Eb,F,Gb,Ab,Bb,C"},
    {"D", 2, "D,D#,E,F,F#,G,G#,A,A#,B,C,C#", "D,E,F#,G,A,B,C#"},
    {"D#", 3, "D#,E,F,F#,G,G#,A,A#,B,C,C#,D", "D#,F,G,G#,A#,C,D"},
    {"Eb", 3, "Eb,E,F,Gb,G,Ab,A,Bb,B,C,Db,D", "Eb,F,G,Ab,Bb,C,D"},
    {"E", 4, "E,F,F#,G,G#,A,A#,B,C,C#,D,D#", "E,F#,G#,A,B,C#,D#"},
    {"F", 5, "F,F#,G,G#,A,A#,B,C,C#,D,D#,E", "F,G,A,A#,C,D,E"},
    {"F#", 6, "F#,G,G#,A,A#,B,C,C#,D,D#,E,F", "F#,G#,A#,B,C#,D#,F"},
    {"Gb", 6, "Gb,G,Ab,A,Bb,B,C,Db,D,Eb,E,F", "Gb,Ab,Bb,B,Db,Eb,F"},
    {"G", 7, "G,G#,A,A#,B,C,C#,D,D#,E,F,F#", "G,A,B,C,D,E,F#"},
    {"G#", 8, "G#,A,A#,B,C,C#,D,D#,E,F,F#,G", "G#,A#,C,C#,D#,F,G"},
    {"Ab", 8, "Ab,A,Bb,B,C,Db,D,Eb,E,F,Gb,G", "Ab,Bb,C,Db,Eb,F,G"},
    {"A", 9, "A,A#,B,C,C#,D,D#,E,F,F#,G,G#", "A,B,C#,D,E,F#,G#"},
    {"A#", 10, "A#,B,C,C#,D,D#,E,F,F#,G,G#,A", "A#,C,D,D#,F,G,A"},
    {"Bb", 10, "Bb,B,C,Db,D,Eb,E,F,Gb,G,Ab,A", "Bb,C,D,Eb,F,G,A"},
    {"B", 11, "B,C,C#,D,D#,E,F,F#,G,G#,A,A#", "B,C#,D#,E,F#,G#,A#"},
    {"Cb", 0, "C,Db,D,Eb,E,F,Gb,G,Ab,A,Bb,B", "C,D,E,F,G,A,B"},
    {"c", 0, "C,C#,D,D#,E,F,F#,G,G#,A,A#,B", "C,D,E,F,G,A,B"},
    {"BB", 0, "C,C#,D,D#,E,F,F#,G,G#,A,A#,B", "C,D,E,F,G,A,B"},
    {"", 0, "", ""},
};

TEST(KeySpelling, EveryKeyNameGivesItsCodeAndScales) {
    clsReckoner engine;
    engine.SetMode(2);  // stores without looking anything up
    for (const KeyRow& row : kKeys) {
        SCOPED_TRACE(std::string("key \"") + row.key + "\"");
        engine.SetKey(row.key);
        EXPECT_EQ(engine.Key(), row.key);
        EXPECT_EQ(engine.KeyCode(), row.code);
        EXPECT_EQ(engine.ChromaticScale(), row.chromatic);
        EXPECT_EQ(engine.KeyScale(), row.keyScale);
    }
}

// Chord note lists: every formula token through the degree table.
TEST(KeySpelling, ChordNoteLists) {
    struct Row {
        const char* key;
        int ext;
        const char* notes;
    };
    const Row rows[] = {
        {"F", 2, "F-A-C-D#"},         {"Bb", 0, "Bb-D-F"},           {"B", 1, "B-D-F#"},
        {"Cb", 2, "C-E-G-Bb"},        {"C", 8, "C-D#-F#-A"},         {"C", 31, "C-E-G-A#-D-A"},
        {"Eb", 17, "Eb-G-Bb-Db-Gb"},  {"Ab", 33, "Ab-C-D-Gb-A-F"},   {"F#", 29, "F#-A#-C#-E-G#-C"},
        {"G", 30, "G-D-F-A-C"},       {"D", 7, "D-F-A-B-E"},         {"E", 34, "E-G#-C"},
    };
    clsReckoner engine;
    engine.SetMode(2);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.key) + " " + kChordExtensions[size_t(row.ext)].Name);
        engine.SetKey(row.key);
        engine.SetExtension(row.ext);
        EXPECT_EQ(engine.GetMapNotes(), row.notes);
    }
}

// Each scale's notes in a sharp key, a key that starts on A and a flat key.
TEST(KeySpelling, ScaleNoteLists) {
    struct Row {
        const char* scale;
        const char* inC;
        const char* inA;
        const char* inEb;
    };
    const Row rows[] = {
        {"Major", "C-D-E-F-G-A-B", "A-B-C#-D-E-F#-G#", "Eb-F-G-Ab-Bb-C-D"},
        {"Harmonic Major", "C-D-E-F-G-G#-B", "A-B-C#-D-E-F-G#", "Eb-F-G-Ab-Bb-B-D"},
        {"Hungarian Major", "C-D#-E-F#-G-A-A#", "A-C-C#-D#-E-F#-G", "Eb-Gb-G-A-Bb-C-Db"},
        {"Neopolitan Major", "C-C#-D#-F-G-A-B", "A-A#-C-D-E-F#-G#", "Eb-E-Gb-Ab-Bb-C-D"},
        {"Pentatonic Major", "C-D-E-G-A", "A-B-C#-E-F#", "Eb-F-G-Bb-C"},
        {"Pentatonic Minor", "C-D#-F-G-A#", "A-C-D-E-G", "Eb-Gb-Ab-Bb-Db"},
        {"Natural Minor", "C-D-D#-F-G-G#-A#", "A-B-C-D-E-F-G", "Eb-F-Gb-Ab-Bb-B-Db"},
        {"Harmonic Minor", "C-D-D#-F-G-G#-B", "A-B-C-D-E-F-G#", "Eb-F-Gb-Ab-Bb-B-D"},
        {"Jazz Minor", "C-D-D#-F-G-A-B", "A-B-C-D-E-F#-G#", "Eb-F-Gb-Ab-Bb-C-D"},
        {"Lydian Minor", "C-D-E-F#-G-G#-A#", "A-B-C#-D#-E-F-G", "Eb-F-G-A-Bb-B-Db"},
        {"Hungarian Minor", "C-D-D#-F#-G-G#-B", "A-B-C-D#-E-F-G#", "Eb-F-Gb-A-Bb-B-D"},
        {"Neopolitan Minor", "C-C#-D#-F-G-G#-B", "A-A#-C-D-E-F-G#", "Eb-E-Gb-Ab-Bb-B-D"},
        {"Blues", "C-D#-F-F#-G-A#", "A-C-D-D#-E-G", "Eb-Gb-Ab-A-Bb-Db"},
        {"Major Blues", "C-D-D#-E-G-A", "A-B-C-C#-E-F#", "Eb-F-Gb-G-Bb-C"},
        {"Leading Whole Tone", "C-D-E-F#-G#-A#-B", "A-B-C#-D#-F-G-G#", "Eb-F-G-A-B-Db-D"},
        {"Arabian", "C-D-E-F-F#-G#-A#", "A-B-C#-D-D#-F-G", "Eb-F-G-Ab-A-B-Db"},
        {"Byzantine", "C-C#-E-F-G-G#-B", "A-A#-C#-D-E-F-G#", "Eb-E-G-Ab-Bb-B-D"},
        {"Hungarian Gypsy", "C-D-E-F#-G-G#-A#", "A-B-C#-D#-E-F-G", "Eb-F-G-A-Bb-B-Db"},
        {"Persian", "C-C#-E-F-F#-G#-B", "A-A#-C#-D-D#-F-G#", "Eb-E-G-Ab-A-B-D"},
        {"East Indian Purvi", "C-C#-E-F#-G-G#-B", "A-A#-C#-D#-E-F-G#", "Eb-E-G-A-Bb-B-D"},
        {"Oriental", "C-C#-E-F-F#-A-A#", "A-A#-C#-D-D#-F#-G", "Eb-E-G-Ab-A-C-Db"},
        {"Double Harmonic", "C-C#-E-F-G-G#-B", "A-A#-C#-D-E-F-G#", "Eb-E-G-Ab-Bb-B-D"},
        {"Enigmatic", "C-C#-E-F#-G#-A#-B", "A-A#-C#-D#-F-G-G#", "Eb-E-G-A-B-Db-D"},
        {"Overtone", "C-D-E-F#-G-A-A#", "A-B-C#-D#-E-F#-G", "Eb-F-G-A-Bb-C-Db"},
        {"Gagaku (Ryo)", "C-D-E-G-A", "A-B-C#-E-F#", "Eb-F-G-Bb-C"},
        {"Zokugaku", "C-D#-F-G-A#", "A-C-D-E-G", "Eb-Gb-Ab-Bb-Db"},
        {"In Sen Pou", "C-C#-F-G-G#", "A-A#-D-E-F", "Eb-E-Ab-Bb-B"},
        {"Okinawa", "C-E-F-G-B", "A-C#-D-E-G#", "Eb-G-Ab-Bb-D"},
    };
    ASSERT_EQ(std::size(rows), kScaleTypes.size());
    clsReckoner engine;
    engine.SetMode(1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scale);
        for (auto [key, notes] : {std::pair{"C", row.inC}, {"A", row.inA}, {"Eb", row.inEb}}) {
            engine.SetKey(key);
            engine.SetExtension(std::string(row.scale));
            EXPECT_EQ(engine.GetMapNotes(), notes) << "in " << key;
        }
    }
}

// Each construction is the steps between the formula's degrees, up to the octave.
TEST(ScaleTypes, ConstructionDescribesTheFormulasDegrees) {
    const std::map<int, std::string> stepNames = {{1, "1/2"}, {2, "1"}, {3, "1-1/2"}, {4, "2"}};
    for (const ScaleType& type : kScaleTypes) {
        SCOPED_TRACE(type.Name);
        std::vector<int> degrees;
        for (const std::string& token : SplitText(type.Formula, "-")) degrees.push_back(std::stoi(token));
        degrees.push_back(13);
        std::vector<std::string> steps;
        for (size_t i = 1; i < degrees.size(); ++i) steps.push_back(stepNames.at(degrees[i] - degrees[i - 1]));
        EXPECT_EQ(JoinText(steps, ", "), type.Construction);
        EXPECT_EQ(degrees.front(), 1);
    }
}

TEST(ScaleTypes, GroupsAndSharedPitchSets) {
    std::map<int, int> perGroup;
    std::map<std::string, std::set<std::string>> byFormula;
    std::set<std::string> names;
    for (const ScaleType& type : kScaleTypes) {
        ++perGroup[type.Group];
        byFormula[type.Formula].insert(type.Name);
        names.insert(type.Name);
    }
    EXPECT_EQ(names.size(), kScaleTypes.size());
    EXPECT_EQ(perGroup, (std::map<int, int>{{0, 4}, {1, 6}, {2, 2}, {3, 2}, {4, 1}, {5, 9}, {6, 4}}));
    std::set<std::set<std::string>> shared;
    for (const auto& [formula, types] : byFormula)
        if (types.size() > 1) shared.insert(types);
    EXPECT_EQ(shared, (std::set<std::set<std::string>>{{"Gagaku (Ryo)", "Pentatonic Major"},
                                                        {"Pentatonic Minor", "Zokugaku"},
                                                        {"Byzantine", "Double Harmonic"},
                                                        {"Hungarian Gypsy", "Lydian Minor"}}));
}

TEST(ScaleTypes, UsageTextsKeepTheirOwnPunctuation) {
    EXPECT_EQ(std::string(FindScaleType("Natural Minor")->Usage),
              "The Natural Minor scale can be used with all minor type chords (min, m7, m9 etc.). ");
    EXPECT_EQ(std::string(FindScaleType("Lydian Minor")->Usage),
              "The Lydian Minor scale can be used with 7b5 or 7#5 chords");
    EXPECT_EQ(std::string(FindScaleType("Zokugaku")->Usage),
              "The Zokugaku scale can be used with minor or minor 7th chords.  Notice that it is the same as "
              "the pentatonic minor scale.");
    EXPECT_EQ(std::string(FindScaleType("Blues")->Usage),
              "The Blues Scale is one of the most frequently used scales on the guitar.  It can be used with "
              "anything.  When using the Blues scale in a progression, use the scale with the same root keynote "
              "of the chord you begin with.  Example: If the first chord is A (or A7) - use the A Blues scale. "
              "When the chords in the progression change, it is not necessary to change the scale.");
    EXPECT_EQ(FindScaleType("major"), nullptr);
    EXPECT_EQ(FindScaleType("Major "), nullptr);
}

TEST(ChordExtensions, FormulaToExtCode) {
    for (int16_t code = 0; code < kExtensionCount; ++code)
        EXPECT_EQ(FormulaToExtCode(kChordExtensions[size_t(code)].Formula), code);
    EXPECT_EQ(FormulaToExtCode("1-3-#5"), 34);
    EXPECT_EQ(FormulaToExtCode("1-3-5-b7-9"), 26);
    EXPECT_EQ(FormulaToExtCode("1-3-5-13"), 99);
    EXPECT_EQ(FormulaToExtCode("1-3-5 "), 99);
    EXPECT_EQ(FormulaToExtCode(""), 99);
}

// The generator names a chord from its pitch classes, so no two extensions may share them.
TEST(ChordExtensions, EveryExtensionHasItsOwnPitchClasses) {
    std::map<uint16_t, int> seen;
    for (int16_t code = 0; code < kExtensionCount; ++code) {
        const uint16_t set = ExtensionPitchClasses(code);
        EXPECT_TRUE(set & 1u) << kChordExtensions[size_t(code)].Name;
        EXPECT_TRUE(seen.emplace(set, code).second)
            << kChordExtensions[size_t(code)].Name << " sounds like " << kChordExtensions[size_t(seen[set])].Name;
    }
    EXPECT_EQ(ExtensionPitchClasses(8), 0b1001001001);  // dim7: 0, 3, 6, 9
    EXPECT_EQ(ExtensionPitchClasses(35), 0);
}

// A text shorter than three characters is an extension code; anything longer a scale name.
TEST(ChordExtensions, SetExtensionTellsCodesFromNames) {
    RecordingListener listener;
    clsReckoner engine(&listener);
    engine.SetMode(0);
    listener.Events.clear();
    engine.SetExtension(12);
    engine.SetExtension(std::string(" 7"));
    engine.SetExtension(std::string(""));
    engine.SetExtension(std::string("x"));
    engine.SetExtension(std::string("123"));
    engine.SetExtension(-1);
    engine.SetExtension(100);
    engine.SetExtension(std::string("34"));
    using namespace ev;
    EXPECT_EQ(listener.Events, (std::vector<std::string>{
                                   Display(" 6", "1-3-5-6", "Select a key..."),
                                   Display(" m6/9", "1-b3-5-6-9", "Select a key..."),
                                   Display(" 123", "1-b3-5-6-9", "Select a key..."),
                                   Display(" 123", "1-b3-5-6-9", "Select a key..."),
                                   Display(" 100", "1-b3-5-6-9", "Select a key..."),
                                   Display(" +", "1-3-#5", "Select a key..."),
                               }));
}

}  // namespace
