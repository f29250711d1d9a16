#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "ScaleTestSupport.h"

using namespace scaletest;

namespace {

std::string Shape(const char* name, int shape, int startFret) {
    return clsScaleDictionaryProbe::Shape(name, shape, startFret);
}

enum class Match { Whole, Begins, Ends, Holds };

struct Literal {
    int shape;
    const char* name;
    int startFret;
    Match match;
    const char* text;
};

// Position strings as the tables give them, whole or in part.
const Literal kLiterals[] = {
    // Shape 1.
    {1, "Major", 5, Match::Whole,
     "6,5,1|6,7,2|6,9,4|5,5,1|5,7,2|5,9,4|4,6,1|4,7,2|4,9,4|3,6,1|3,7,2|3,9,4|2,7,1|2,9,3|2,10,4|1,7,1|1,9,3|1,10,4"},
    {1, "Major", 0, Match::Whole,
     "6,0,0|6,2,2|6,4,4|5,0,0|5,2,2|5,4,4|4,1,1|4,2,2|4,4,4|3,1,1|3,2,2|3,4,4|2,2,1|2,4,3|2,5,4|1,2,1|1,4,3|1,5,4"},
    {1, "Pentatonic Minor", 5, Match::Whole, "6,5,1|6,8,4|5,5,1|5,7,3|4,5,1|4,7,3|3,5,1|3,7,3|2,5,1|2,8,4|1,5,1|1,8,4"},
    {1, "Pentatonic Minor", 0, Match::Whole, "6,0,0|6,3,3|5,0,0|5,2,2|4,0,0|4,2,2|3,0,0|3,2,2|2,0,0|2,3,3|1,0,0|1,3,3"},
    {1, "Pentatonic Major", 1, Match::Whole, "6,1,1|6,3,3|5,0,0|5,3,3|4,0,0|4,3,3|3,0,0|3,2,2|2,1,1|2,3,3|1,1,1|1,3,3"},
    {1, "Pentatonic Major", 2, Match::Whole, "6,2,2|6,4,4|5,1,1|5,4,4|4,1,1|4,4,4|3,1,1|3,3,3|2,2,2|2,4,4|1,2,2|1,4,4"},
    {1, "Major Blues", 1, Match::Whole,
     "6,1,1|6,3,3|6,4,4|5,0,0|5,3,3|4,0,0|4,3,3|3,0,0|3,1,1|3,2,2|2,1,1|2,3,3|1,1,1|1,3,3"},
    {1, "Dim Whole Tone", 0, Match::Begins, "6,0,1|"},
    {1, "Balinese", 0, Match::Begins, "6,0,1|"},
    // Shape 2.
    {2, "Major", 5, Match::Whole,
     "6,5,1|6,7,3|6,8,4|5,5,1|5,7,2|5,9,4|4,5,1|4,7,2|4,9,4|3,5,1|3,7,2|3,9,4|2,7,1|2,8,2|2,10,4|1,7,1|1,8,2|1,10,4"},
    {2, "Pentatonic Minor", 0, Match::Whole, "6,1,1|6,3,3|5,0,0|5,3,3|4,0,0|4,3,3|3,0,0|3,2,2|2,1,1|2,3,3|1,1,1|1,3,3"},
    {2, "Pentatonic Minor", 1, Match::Whole, "6,2,2|6,4,4|5,1,1|5,4,4|4,1,1|4,4,4|3,1,1|3,3,3|2,2,2|2,4,4|1,2,2|1,4,4"},
    {2, "Pentatonic Major", 1, Match::Whole, "6,1,1|6,3,3|5,1,1|5,3,3|4,1,1|4,3,3|3,0,0|3,3,4|2,1,1|2,4,4|1,1,1|1,3,3"},
    {2, "Pentatonic Major", 2, Match::Holds, "3,1,1"},
    {2, "Blues", 0, Match::Whole,
     "6,1,1|6,3,3|6,4,4|5,0,0|5,3,3|4,0,0|4,3,3|3,0,0|3,1,1|3,2,2|2,1,1|2,3,3|1,1,1|1,3,3"},
    {2, "Okinawa", 0, Match::Whole, "6,2,3|6,3,4|5,0,0|5,4,4|4,0,0|4,4,4|3,0,0|3,2,2|2,2,1|2,3,2|1,2,1|1,3,2|1,5,4"},
    {2, "Major", 1, Match::Begins, "6,1,1|6,3,3|6,4,4|"},
    {2, "Leading Whole Tone", 12, Match::Ends, "|1,18,4"},
    {2, "Enigmatic", 12, Match::Begins, "6,11,1|"},
    // Shape 3.
    {3, "Major", 9, Match::Whole,
     "6,9,1|6,10,2|6,12,4|5,9,1|5,11,3|5,12,4|4,9,1|4,11,3|4,12,4|3,9,1|3,11,2|3,13,4|2,10,1|2,12,2|2,14,4|1,10,1|"
     "1,12,2|1,14,4"},
    {3, "Pentatonic Major", 0, Match::Whole, "6,0,0|6,3,3|5,0,0|5,3,3|4,0,0|4,2,2|3,0,0|3,2,2|2,1,1|2,3,3|1,0,0|1,3,3"},
    {3, "Pentatonic Major", 1, Match::Begins, "6,1,1|6,4,4|"},
    {3, "Pentatonic Minor", 0, Match::Whole, "6,1,1|6,3,3|5,1,1|5,3,3|4,1,1|4,3,3|3,0,0|3,3,3|2,1,1|2,4,4|1,1,1|1,3,3"},
    {3, "Blues", 0, Match::Whole,
     "6,1,1|6,2,2|6,3,3|5,1,1|5,3,3|4,1,1|4,3,3|4,4,4|3,0,0|3,3,3|2,1,1|2,4,4|1,1,1|1,2,2|1,3,3"},
    {3, "Blues", 5, Match::Whole,
     "6,6,1|6,7,2|6,8,3|5,6,1|5,8,3|4,6,1|4,8,3|4,9,4|3,5,1|3,8,4|2,6,1|2,9,4|1,6,1|1,7,2|1,8,3"},
    {3, "Major Blues", 0, Match::Whole,
     "6,0,0|6,3,3|5,0,0|5,3,3|4,0,0|4,1,1|4,2,2|3,0,0|3,2,2|2,1,1|2,3,2|2,4,3|1,0,0|1,3,3"},
    {3, "Okinawa", 0, Match::Whole, "6,0,0|6,1,2|6,3,4|5,2,3|5,3,4|4,2,3|4,3,4|3,0,0|3,4,4|2,1,1|2,5,4|1,1,1|1,3,2"},
    {3, "Natural Minor", 2, Match::Begins, "6,1,1|6,3,2|6,5,4|"},
    {3, "Leading Whole Tone", 12, Match::Ends, "|1,18,4"},
    {3, "Enigmatic", 12, Match::Holds, "4,11,1"},
    // Shape 4.
    {4, "Major", 5, Match::Whole,
     "6,5,1|6,7,2|6,9,4|5,6,1|5,7,2|5,9,4|4,6,1|4,7,2|4,9,4|3,6,1|3,8,2|3,9,4|2,7,1|2,9,3|2,10,4|1,7,1|1,9,2|1,11,4"},
    {4, "Major", 0, Match::Begins, "6,0,1|"},
    {4, "Pentatonic Major", 1, Match::Whole, "6,1,1|6,3,3|5,1,1|5,3,3|4,0,0|4,3,3|3,0,0|3,3,3|2,1,1|2,3,3|1,1,1|1,3,3"},
    {4, "Pentatonic Major", 5, Match::Whole, "6,5,2|6,7,4|5,5,2|5,7,4|4,4,1|4,7,4|3,4,1|3,7,4|2,5,2|2,7,4|1,5,2|1,7,4"},
    {4, "Pentatonic Minor", 0, Match::Whole, "6,0,0|6,3,3|5,0,0|5,3,3|4,0,0|4,2,2|3,0,0|3,2,2|2,1,1|2,3,3|1,0,0|1,3,3"},
    {4, "Pentatonic Minor", 1, Match::Whole, "6,1,1|6,4,4|5,1,1|5,4,4|4,1,1|4,3,3|3,1,1|3,3,3|2,2,2|2,4,4|1,1,1|1,4,4"},
    {4, "Okinawa", 0, Match::Begins, "6,0,1|"},
    // Shape 5.
    {5, "Major", 7, Match::Whole,
     "6,7,1|6,9,2|6,11,4|5,7,1|5,9,2|5,11,4|4,7,1|4,9,2|4,11,4|3,8,1|3,9,2|3,11,4|2,9,1|2,10,2|2,12,4|1,9,1|1,11,3|"
     "1,12,4"},
    {5, "Hungarian Major", 5, Match::Whole,
     "6,5,1|6,7,3|6,8,4|5,5,1|5,8,3|5,9,4|4,6,1|4,7,2|4,9,4|3,5,1|3,7,2|3,10,4|2,7,1|2,9,3|2,10,4|1,7,1|1,8,2|1,10,4"},
    {5, "Pentatonic Major", 0, Match::Whole, "6,0,0|6,3,3|5,0,0|5,2,2|4,0,0|4,2,2|3,0,0|3,2,2|2,0,0|2,3,3|1,0,0|1,3,3"},
    {5, "Pentatonic Major", 1, Match::Whole, "6,1,1|6,4,4|5,1,1|5,3,3|4,1,1|4,3,3|3,1,1|3,3,3|2,1,1|2,4,4|1,1,1|1,4,4"},
    {5, "Arabian", 1, Match::Begins, "6,0,0|6,2,2|6,4,4|5,1,1|"},
    {5, "Arabian", 5, Match::Whole,
     "6,4,1|6,6,2|6,8,4|5,5,1|5,7,2|5,9,4|4,5,1|4,6,2|4,8,4|3,5,1|3,7,2|3,9,4|2,7,1|2,8,2|2,9,3|1,6,1|1,8,2|1,10,4"},
    {5, "Major Blues", 0, Match::Whole,
     "6,0,0|6,3,4|5,0,0|5,1,2|5,2,3|4,0,0|4,2,3|3,0,0|3,2,3|3,3,4|2,0,0|2,3,4|1,0,0|1,3,4"},
    // Shape 6.
    {6, "Major", 9, Match::Whole,
     "6,9,1|6,11,3|6,12,4|5,9,1|5,11,3|5,12,4|4,9,1|4,11,2|4,13,4|3,9,1|3,11,2|3,13,4|2,10,1|2,12,2|2,14,4|1,11,1|"
     "1,12,2|1,14,4"},
    {6, "Harmonic Major", 1, Match::Whole,
     "6,0,0|6,3,3|6,4,4|5,1,1|5,3,3|5,4,4|4,1,1|4,2,2|4,5,4|3,1,1|3,3,2|3,5,4|2,2,1|2,4,3|2,5,4|1,3,1|1,4,2|1,6,4"},
    {6, "Harmonic Major", 2, Match::Begins, "6,1,1|"},
    {6, "Major", 1, Match::Begins, "6,1,1|6,3,3|6,4,4|"},
    {6, "Hungarian Major", 12, Match::Ends, "|1,18,4"},
    // Shape 7.
    {7, "Major", 11, Match::Whole,
     "6,11,1|6,12,2|6,14,4|5,11,1|5,12,2|5,14,4|4,11,1|4,13,3|4,14,4|3,11,1|3,13,3|3,14,4|2,12,1|2,14,2|2,16,4|1,12,1|"
     "1,14,2|1,16,4"},
    {7, "Natural Minor", 1, Match::Whole,
     "6,0,0|6,2,2|6,4,4|5,0,0|5,2,2|5,4,4|4,0,0|4,2,2|4,4,4|3,1,1|3,2,2|3,4,4|2,2,1|2,3,2|2,5,4|1,2,1|1,4,3|1,5,4"},
    {7, "Natural Minor", 2, Match::Begins, "6,1,1|"},
    {7, "Major", 1, Match::Begins, "6,1,1|6,2,2|6,4,4|"},
    {7, "Overtone", 12, Match::Begins, "6,11,1|"},
    {7, "Overtone", 12, Match::Ends, "|1,17,4"},
};

TEST(ScaleShapes, PositionStringsAsTheTablesGiveThem) {
    for (const Literal& c : kLiterals) {
        const std::string position = Shape(c.name, c.shape, c.startFret);
        const std::string text = c.text;
        SCOPED_TRACE("shape " + std::to_string(c.shape) + " " + c.name + " at " + std::to_string(c.startFret) +
                     ": " + position);
        switch (c.match) {
        case Match::Whole: EXPECT_EQ(position, text); break;
        case Match::Begins: EXPECT_EQ(position.substr(0, text.size()), text); break;
        case Match::Ends:
            EXPECT_TRUE(position.size() >= text.size() &&
                        position.compare(position.size() - text.size(), text.size(), text) == 0);
            break;
        case Match::Holds: {
            const std::vector<std::string> notes = Split(position, "|");
            EXPECT_NE(std::find(notes.begin(), notes.end(), text), notes.end());
            break;
        }
        }
    }
}

// Names that share a row, and rows that hold the same template, agree at every start fret.
TEST(ScaleShapes, SharedRowsAgreeEverywhere) {
    struct Pair {
        const char* name;
        const char* sameAs;
        std::vector<int> shapes;
    };
    const Pair pairs[] = {
        {"Gagaku (Ryo)", "Pentatonic Major", {1, 2, 3, 4, 5}},
        {"Zokugaku", "Pentatonic Minor", {1, 2, 3, 4, 5}},
        {"Byzantine", "Double Harmonic", {1, 2, 3, 4, 5, 6, 7}},
        {"Hungarian Gypsy", "Lydian Minor", {1, 2, 3, 4, 7}},
    };
    for (const Pair& pair : pairs)
        for (int shape : pair.shapes)
            for (int start = 0; start <= 13; ++start) {
                EXPECT_NE(Shape(pair.name, shape, start), "") << pair.name << " shape " << shape;
                EXPECT_EQ(Shape(pair.name, shape, start), Shape(pair.sameAs, shape, start))
                    << pair.name << " shape " << shape << " at " << start;
            }
}

const char* const kChainNames[] = {
    "Major", "Harmonic Major", "Hungarian Major", "Neopolitan Major", "Pentatonic Major", "Gagaku (Ryo)",
    "Pentatonic Minor", "Zokugaku", "Blues", "Major Blues", "Natural Minor", "Harmonic Minor", "Jazz Minor",
    "Lydian Minor", "Hungarian Minor", "Neopolitan Minor", "Dim Whole Tone", "Leading Whole Tone", "Arabian",
    "Byzantine", "Hungarian Gypsy", "Persian", "East Indian Purvi", "Oriental", "Double Harmonic", "Enigmatic",
    "Overtone", "Balinese", "Okinawa", "In Sen Pou",
};

bool OnlyInShapes1To5(const std::string& name) {
    for (const char* n : {"Pentatonic Major", "Gagaku (Ryo)", "Pentatonic Minor", "Zokugaku", "Blues", "Major Blues",
                          "Balinese", "Okinawa", "In Sen Pou"})
        if (name == n) return true;
    return false;
}

// Every row of every table reads as a playable fingering; a row is empty only
// where the tables have none.
TEST(ScaleShapes, EveryRowIsAPlayableFingering) {
    int filled = 0;
    for (const char* name : kChainNames) {
        for (int shape = 1; shape <= 7; ++shape) {
            const bool expectRow =
                (shape <= 5 || !OnlyInShapes1To5(name)) && !(shape >= 3 && std::string(name) == "Dim Whole Tone");
            for (int start = 2; start <= 13; ++start) {
                const std::string position = Shape(name, shape, start);
                SCOPED_TRACE(std::string(name) + " shape " + std::to_string(shape) + " at " + std::to_string(start) +
                             ": " + position);
                if (!expectRow) {
                    EXPECT_EQ(position, "");
                    continue;
                }
                bool ok = false;
                const std::vector<Note> notes = ParsePosition(position, ok);
                ASSERT_TRUE(ok);
                EXPECT_EQ(LayoutFault(notes), "");
                for (const Note& note : notes) EXPECT_TRUE(note.Finger >= 1 && note.Finger <= 4) << Describe(note);
            }
            filled += expectRow;
        }
    }
    EXPECT_EQ(filled, 187);
}

TEST(ScaleShapes, NamesWithoutRowGiveNothing) {
    for (int shape = 1; shape <= 7; ++shape)
        for (const char* name : {"major", "MAJOR", "Major ", "", "Nonsense", "Pentatonic minor"})
            for (int start : {0, 1, 5, 12})
                EXPECT_EQ(Shape(name, shape, start), "") << '"' << name << "\" shape " << shape;
    for (int shape = 3; shape <= 7; ++shape) EXPECT_EQ(Shape("Dim Whole Tone", shape, 5), "") << shape;
    for (int shape = 6; shape <= 7; ++shape)
        for (const char* name : {"Pentatonic Major", "Blues", "In Sen Pou", "Balinese", "Okinawa"})
            EXPECT_EQ(Shape(name, shape, 5), "") << name << " shape " << shape;
    EXPECT_EQ(Shape("Major", 0, 5), "");
    EXPECT_EQ(Shape("Major", 8, 5), "");
}

}  // namespace
