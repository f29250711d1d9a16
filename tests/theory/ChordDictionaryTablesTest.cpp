// Whole-table checks of the chord dictionary: every fingering of every cell of
// the four position types is well formed and sounds only notes of its chord,
// and the tables hold the expected numbers of cells and fingerings.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "clsChordDictionary.h"

namespace {

constexpr int kTypes = 4, kKeys = 12, kExtensions = 35;

// Chord formulas by extension code, and semitones above the root per degree.
constexpr std::string_view kFormulas[kExtensions] = {
    "1-3-5",         "1-b3-5",          "1-3-5-b7",        "1-4-5",          "1-b3-5-6",
    "1-4-5-b7",      "1-3-b5",          "1-b3-5-6-9",      "1-b3-b5-bb7",    "1-3-5-9",
    "1-b3-5-b7",     "1-3-#5-b7",       "1-3-5-6",         "1-b3-b5-b7",     "1-3-b5-b7",
    "1-3-5-6-9",     "1-b3-5-b7-9",     "1-3-5-b7-#9",     "1-3-5-7",        "1-b3-5-7-9",
    "1-3-5-b7-b9",   "1-b3-5-7",        "1-b3-5-b7-9-11",  "1-3-#5-b7-b9",   "1-3-5-7-9",
    "1-b3-5-b7-9-13", "1-3-5-b7-9",     "1-3-#5-b7-9",     "1-3-b5-b7-9",    "1-3-5-b7-9-#11",
    "1-5-b7-9-11",   "1-3-5-b7-9-13",   "1-3-5-b7-b9-13",  "1-3-b5-b7-b9-13", "1-3-#5",
};
const std::map<std::string_view, int> kSemitones = {
    {"1", 0},  {"b3", 3}, {"3", 4},  {"4", 5},  {"b5", 6},  {"5", 7},  {"#5", 8},  {"6", 9},  {"bb7", 9},
    {"b7", 10}, {"7", 11}, {"b9", 1}, {"9", 2}, {"#9", 3}, {"11", 5}, {"#11", 6}, {"13", 9},
};
// Open strings 6 (low E) to 1: E A D G B E.
constexpr int kOpenPitch[6] = {4, 9, 2, 7, 11, 4};
constexpr int kHighestFret[kTypes] = {6, 16, 16, 16};

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep)) parts.push_back(part);
    if (!text.empty() && text.back() == sep) parts.push_back("");
    return parts;
}

bool ToInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

std::set<int> FormulaPitches(int key, int ext) {
    std::set<int> pitches;
    for (const std::string& degree : Split(std::string(kFormulas[ext]), '-'))
        pitches.insert((key + kSemitones.at(degree)) % 12);
    return pitches;
}

std::string Label(int type, int key, int ext, int variation) {
    return std::to_string(type) + "/" + std::to_string(key) + "/" + std::to_string(ext) + " v" +
           std::to_string(variation);
}

struct Barre {
    int fret, first, last;
};

// Checks one fingering's form; returns its sounded pitch classes relative to
// the key (semitones above the root).
std::set<int> CheckFingering(const std::string& fingering, int type, int key, const std::string& where) {
    std::set<int> intervals;
    const std::vector<std::string> parts = Split(fingering, ';');
    const std::vector<std::string> numbers = parts.empty() ? parts : Split(parts[0], ',');
    EXPECT_EQ(numbers.size(), 12u) << where << ": " << fingering;
    if (numbers.size() != 12) return intervals;

    std::vector<Barre> barres;
    for (size_t p = 1; p < parts.size(); ++p) {
        if (parts[p].empty()) {
            EXPECT_EQ(p, parts.size() - 1) << where << ": an empty barre part only at the end";
            continue;
        }
        const std::vector<std::string> b = Split(parts[p], ',');
        Barre barre{};
        const bool ok = b.size() == 3 && ToInt(b[0], barre.fret) && ToInt(b[1], barre.first) &&
                        ToInt(b[2], barre.last);
        EXPECT_TRUE(ok && barre.fret >= 1 && barre.first <= 6 && barre.first > barre.last && barre.last >= 1)
            << where << ": barre part \"" << parts[p] << "\"";
        barres.push_back(barre);
    }

    for (int s = 0; s < 6; ++s) {
        const int string = 6 - s;
        int fret = -1, finger = -1;
        if (!ToInt(numbers[2 * s], fret) || !ToInt(numbers[2 * s + 1], finger)) {
            ADD_FAILURE() << where << ": string " << string << " is no number pair";
            continue;
        }
        EXPECT_TRUE((finger >= 0 && finger <= 4) || finger == 6 || finger == 7)
            << where << ": string " << string << " finger " << finger;
        EXPECT_LE(fret, kHighestFret[type]) << where << ": string " << string;
        if (finger == 6) {
            EXPECT_EQ(fret, 0) << where << ": string " << string << " is not played";
            continue;
        }
        EXPECT_EQ(finger == 0, fret == 0) << where << ": string " << string << " fret " << fret
                                          << " finger " << finger;
        if (finger == 7) {
            bool under = false;
            for (const Barre& b : barres)
                under = under || (b.fret == fret && b.first >= string && string >= b.last);
            EXPECT_TRUE(under) << where << ": string " << string << " finger 7 under no barre";
        }
        intervals.insert(((kOpenPitch[s] + fret - key) % 12 + 12) % 12);
    }
    return intervals;
}

// The "11" voicings that keep the major 3rd, the only notes outside a formula.
std::set<std::string> ElevenWithThird() {
    std::set<std::string> labels = {Label(0, 0, 30, 2), Label(0, 2, 30, 1), Label(0, 4, 30, 2)};
    for (int key = 0; key < kKeys; ++key) labels.insert(Label(2, key, 30, 1));
    return labels;
}

TEST(ChordDictionaryTables, EveryFingeringIsWellFormedAndSoundsOnlyItsChord) {
    std::set<std::string> outside;
    for (int type = 0; type < kTypes; ++type) {
        for (int key = 0; key < kKeys; ++key) {
            for (int ext = 0; ext < kExtensions; ++ext) {
                clsChordDictionary dictionary;
                const std::optional<std::string> code = dictionary.ChordCode(type, key, ext);
                ASSERT_TRUE(code.has_value());
                if (code->empty()) continue;
                const std::vector<std::string> elements = Split(*code, '|');
                ASSERT_GE(elements.size(), 2u) << Label(type, key, ext, 0);
                EXPECT_EQ(elements[0], std::to_string(elements.size() - 1)) << Label(type, key, ext, 0);

                const std::set<int> formula = FormulaPitches(0, ext);
                for (size_t v = 1; v < elements.size(); ++v) {
                    const std::string where = Label(type, key, ext, static_cast<int>(v));
                    const std::set<int> sounded = CheckFingering(elements[v], type, key, where);
                    EXPECT_FALSE(sounded.empty()) << where;
                    std::set<int> foreign;
                    for (int interval : sounded)
                        if (!formula.count(interval)) foreign.insert(interval);
                    if (foreign.empty()) continue;
                    outside.insert(where);
                    EXPECT_EQ(foreign, std::set<int>{4}) << where << ": only a major 3rd may be added";
                }
            }
        }
    }
    EXPECT_EQ(outside, ElevenWithThird());
}

struct TypeCount {
    int type, cells, fingerings;
};

TEST(ChordDictionaryTables, CellsAndFingeringsPerPositionType) {
    const TypeCount expected[] = {{0, 294, 413}, {1, 420, 2088}, {2, 312, 396}, {3, 240, 384}};
    for (const TypeCount& e : expected) {
        int cells = 0, fingerings = 0;
        for (int key = 0; key < kKeys; ++key) {
            for (int ext = 0; ext < 256; ++ext) {
                const std::string code = clsChordDictionary().ChordCode(e.type, key, ext).value();
                if (ext >= kExtensions) {
                    EXPECT_EQ(code, "") << e.type << "/" << key << "/" << ext;
                } else if (!code.empty()) {
                    ++cells;
                    fingerings += static_cast<int>(Split(code, '|').size()) - 1;
                }
            }
        }
        EXPECT_EQ(cells, e.cells) << "type " << e.type;
        EXPECT_EQ(fingerings, e.fingerings) << "type " << e.type;
    }
}

int Variations(int type, int key, int ext) {
    const std::string code = clsChordDictionary().ChordCode(type, key, ext).value();
    return code.empty() ? 0 : static_cast<int>(Split(code, '|').size()) - 1;
}

// Variations per open cell, keys C to B; "-" is an empty cell.
constexpr std::string_view kOpenGrid[kExtensions] = {
    "3 - 1 - 2 1 - 3 - 3 1 -",  // 0 Major
    "- 1 1 - 2 - 1 1 - 2 - 1",  // 1 Minor
    "2 - 1 - 5 1 1 2 - 2 - 1",  // 2 7
    "2 - 3 - 2 - - 2 - 2 - 2",  // 3 sus4
    "2 2 2 - 2 1 1 2 1 1 - 1",  // 4 m6
    "- - 2 - 2 - 1 2 - 4 - 3",  // 5 7sus
    "1 1 1 1 - 1 - - - 1 1 -",  // 6 b5
    "- - 1 - 1 1 1 2 1 2 1 1",  // 7 m6/9
    "1 - 1 1 1 1 1 - 1 1 - 1",  // 8 dim7
    "4 - 2 - 1 1 - 1 - 2 1 -",  // 9 add9
    "- 1 1 - 3 - 2 - 1 3 - 2",  // 10 m7
    "1 - 1 1 1 1 1 1 - 1 1 1",  // 11 7#5
    "4 - 1 - 1 2 1 1 - 2 - 1",  // 12 6
    "- 2 1 1 1 1 3 - 1 2 1 1",  // 13 m7b5
    "- - 1 1 - 1 - - 1 1 - 1",  // 14 7b5
    "2 2 1 1 1 1 - 2 - 2 1 1",  // 15 6/9
    "- 1 2 - 2 - 2 1 1 3 - 1",  // 16 m9
    "- 1 1 1 1 1 1 1 - 2 1 -",  // 17 7#9
    "3 - 1 - 1 2 - 1 - 3 - 1",  // 18 maj7
    "1 1 2 - 1 - 1 1 1 1 - 2",  // 19 m9(M7)
    "2 1 1 1 1 1 - 1 1 2 1 -",  // 20 7b9
    "1 1 1 1 1 - 1 1 1 2 1 1",  // 21 m(M7)
    "1 1 1 - 1 - 1 1 - 4 - 2",  // 22 m11
    "1 1 - 1 1 1 2 1 1 1 1 1",  // 23 7#5b9
    "3 - 1 - 1 2 - 3 - 1 2 -",  // 24 maj9
    "2 1 2 - 1 - 1 1 - 1 - 1",  // 25 m13
    "2 1 3 1 2 3 - 2 - 2 1 -",  // 26 9
    "1 1 - 1 1 1 - 1 - 1 1 1",  // 27 9#5
    "1 1 - 1 - 1 - - 2 1 1 1",  // 28 9b5
    "1 1 1 1 1 1 - 2 1 1 1 -",  // 29 9#11
    "2 - 3 - 3 1 1 3 - 2 - 1",  // 30 11
    "3 - 3 1 2 1 1 3 - 1 1 1",  // 31 13
    "1 1 1 - 1 2 2 1 - 1 1 1",  // 32 13b9
    "1 1 - 1 1 - - 1 1 1 2 1",  // 33 13b5b9
    "1 1 - - 1 1 - - 1 1 - -",  // 34 +
};

TEST(ChordDictionaryTables, OpenVariationGrid) {
    for (int ext = 0; ext < kExtensions; ++ext) {
        std::istringstream row{std::string(kOpenGrid[ext])};
        for (int key = 0; key < kKeys; ++key) {
            std::string cell;
            row >> cell;
            EXPECT_EQ(Variations(0, key, ext), cell == "-" ? 0 : std::stoi(cell))
                << "key " << key << " extension " << ext;
        }
    }
}

// Variations per extension 0..34, the same in every key: moveable shapes,
// root-6 and root-5 bar-chord fingerings (0: no bar-chord form).
constexpr int kMoveableShapes[kExtensions] = {7, 7, 7, 5, 7, 4, 4, 6, 5, 5, 7, 7, 7, 7, 6, 4, 4, 5,
                                              7, 7, 2, 5, 2, 3, 3, 3, 7, 3, 4, 3, 4, 6, 5, 3, 3};
constexpr int kRoot6Fingerings[kExtensions] = {1, 1, 2, 2, 1, 2, 0, 1, 1, 1, 2, 0, 1, 0, 0, 0, 1, 1,
                                               1, 1, 1, 1, 2, 1, 1, 2, 1, 0, 0, 1, 1, 2, 1, 0, 0};
constexpr int kRoot5Fingerings[kExtensions] = {1, 1, 2, 1, 2, 4, 0, 0, 1, 0, 1, 1, 2, 0, 1, 0, 0, 0,
                                               4, 0, 0, 2, 0, 1, 1, 0, 0, 0, 1, 1, 2, 2, 0, 1, 0};

TEST(ChordDictionaryTables, VariationsPerExtensionInEveryKey) {
    for (int key = 0; key < kKeys; ++key) {
        for (int ext = 0; ext < kExtensions; ++ext) {
            EXPECT_EQ(Variations(1, key, ext), kMoveableShapes[ext]) << "moveable " << key << "/" << ext;
            EXPECT_EQ(Variations(2, key, ext), kRoot6Fingerings[ext]) << "root 6 " << key << "/" << ext;
            EXPECT_EQ(Variations(3, key, ext), kRoot5Fingerings[ext]) << "root 5 " << key << "/" << ext;
        }
    }
}

}  // namespace
