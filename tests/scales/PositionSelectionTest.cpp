#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ScaleTestSupport.h"
#include "clsScaleDictionary.h"

using namespace scaletest;

namespace {

// A selection row as written in the tables: "n:s" is shape n at start fret s,
// "-" a position without fingering.
std::vector<std::string> ExpectedPositions(const std::string& name, const std::string& cells) {
    std::vector<std::string> positions{""};
    std::istringstream in(cells);
    for (std::string cell; in >> cell;) {
        if (cell == "-") {
            positions.push_back("");
            continue;
        }
        const size_t colon = cell.find(':');
        positions.push_back(
            clsScaleDictionaryProbe::Shape(name, std::stoi(cell.substr(0, colon)), std::stoi(cell.substr(colon + 1))));
    }
    return positions;
}

void ExpectSelection(const std::string& name, int keyFret, int noteCount, const std::string& cells) {
    SCOPED_TRACE(name + " at key fret " + std::to_string(keyFret) + ": " + cells);
    std::vector<std::string> expected = ExpectedPositions(name, cells);
    while (static_cast<int>(expected.size()) <= noteCount) expected.push_back("");
    clsScaleDictionary dictionary;
    int16_t count = 0;
    const std::vector<std::string> positions =
        Split(dictionary.ScaleCode(name, NotesFrom(kRootAtKeyFret[keyFret], noteCount), count), "||");
    ASSERT_EQ(positions.size(), expected.size());
    for (size_t p = 1; p < positions.size(); ++p) {
        EXPECT_EQ(positions[p], expected[p]) << "position " << p;
        if (expected[p] != "") {
            EXPECT_NE(positions[p], "") << "position " << p;
        }
    }
}

TEST(PositionSelection, SevenNotesByKeyFret) {
    const char* const rows[12] = {
        "1:0 2:2 3:4 4:5 5:7 6:9 7:11",    "1:1 2:3 3:5 4:6 5:8 6:10 7:12",  "7:1 1:2 2:4 3:6 4:7 5:9 6:11",
        "7:2 1:3 2:5 3:7 4:8 5:10 6:12",   "6:1 7:3 1:4 2:6 3:8 4:9 5:11",   "6:2 7:4 1:5 2:7 3:9 4:10 5:12",
        "5:1 6:3 7:5 1:6 2:8 3:10 4:11",   "5:2 6:4 7:6 1:7 2:9 3:11 4:12",  "4:1 5:3 6:5 7:7 1:8 2:10 3:12",
        "4:2 5:4 6:6 7:8 1:9 2:11 3:13",   "3:2 4:3 5:5 6:7 7:9 1:10 2:12",  "3:3 4:4 5:6 6:8 7:10 1:11 2:13",
    };
    // The scale name plays no part.
    for (const char* name : {"Major", "Enigmatic", "Dim Whole Tone"})
        for (int keyFret = 0; keyFret < 12; ++keyFret) ExpectSelection(name, keyFret, 7, rows[keyFret]);
}

const char* const kFiveNoteRows[12] = {
    nullptr,                     "1:1 2:3 3:5 4:8 5:10",  "1:2 2:4 3:6 4:9 5:11", "5:0 1:3 2:5 3:7 4:10",
    "5:1 1:4 2:6 3:8 4:11",      "5:2 1:5 2:7 3:9 4:12",  "4:1 5:3 1:6 2:8 3:10", "4:2 5:4 1:7 2:9 3:11",
    "3:0 4:3 5:5 1:8 2:10",      "3:1 4:4 5:6 1:9 2:11",  "3:2 4:5 5:7 1:10 2:12", "2:1 3:3 4:6 5:8 1:11",
};

TEST(PositionSelection, FiveNotes) {
    ExpectSelection("Pentatonic Minor", 0, 5, "1:0 2:2 3:4 4:7 5:9");
    ExpectSelection("Zokugaku", 0, 5, "1:0 2:2 3:4 4:7 5:9");
    ExpectSelection("Pentatonic Major", 0, 5, "2:2 3:4 4:7 5:9 1:12");
    ExpectSelection("Gagaku (Ryo)", 0, 5, "2:2 3:4 4:7 5:9 1:12");
    ExpectSelection("Balinese", 0, 5, "- - - - -");
    for (const char* name : {"Pentatonic Minor", "Zokugaku", "Pentatonic Major", "Gagaku (Ryo)", "Balinese"})
        for (int keyFret = 1; keyFret < 12; ++keyFret) ExpectSelection(name, keyFret, 5, kFiveNoteRows[keyFret]);
}

TEST(PositionSelection, SixNotes) {
    struct Case {
        int keyFret;
        const char* name;
        const char* cells;
    };
    const Case named[] = {
        {0, "Blues", "1:0 2:2 3:4 4:7 5:9"},        {0, "Major Blues", "2:2 3:4 4:7 5:9 1:12"},
        {0, "Major", "- - - - -"},                  {5, "Blues", "4:0 1:5 2:7 3:9 4:12"},
        {5, "Major Blues", "5:2 1:5 2:7 3:9 4:12"}, {5, "Major", "- 1:5 2:7 3:9 4:12"},
        {10, "Blues", "2:0 3:2 4:5 5:7 1:10"},      {10, "Major Blues", "3:2 4:5 5:7 1:10 2:12"},
        {10, "Major", "- - - - -"},
    };
    for (const Case& c : named) ExpectSelection(c.name, c.keyFret, 6, c.cells);
    for (int keyFret : {1, 2, 3, 4, 6, 7, 8, 9, 11})
        for (const char* name : {"Blues", "Major Blues", "Major"})
            ExpectSelection(name, keyFret, 6, kFiveNoteRows[keyFret]);
}

TEST(PositionSelection, InSenPouAndOkinawa) {
    const char* const rows[12] = {
        "1:0 2:2 3:4 4:5 5:7",  "1:1 2:3 3:5 4:6 5:8",   "1:2 2:4 3:6 4:7 5:9",  "1:3 2:5 3:7 4:8 5:10",
        "1:4 2:6 3:8 4:9 5:11", "5:0 1:5 2:7 3:9 4:10",  "5:1 1:6 2:8 3:10 4:11", "4:0 5:2 1:7 2:9 3:11",
        nullptr,                "3:1 4:2 5:4 1:9 2:11",  nullptr,                "2:1 3:3 4:4 5:6 1:11",
    };
    for (const char* name : {"In Sen Pou", "Okinawa"})
        for (int keyFret = 0; keyFret < 12; ++keyFret)
            if (rows[keyFret]) ExpectSelection(name, keyFret, 5, rows[keyFret]);
    ExpectSelection("In Sen Pou", 8, 5, "4:1 5:3 1:8 2:10 3:12");
    ExpectSelection("Okinawa", 8, 5, "3:0 4:1 5:3 1:8 2:10");
    ExpectSelection("In Sen Pou", 10, 5, "3:2 4:3 5:5 1:10 2:12");
    ExpectSelection("Okinawa", 10, 5, "2:0 3:2 4:3 5:5 1:10");
    // With another count they follow the general tables.
    ExpectSelection("In Sen Pou", 3, 6, kFiveNoteRows[3]);
    ExpectSelection("Okinawa", 8, 6, kFiveNoteRows[8]);
}

}  // namespace
