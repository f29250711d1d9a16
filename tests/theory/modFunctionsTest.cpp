#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "modFunctions.h"

namespace {

struct NoteCase {
    int16_t note;
    int16_t keyCode;
    std::optional<std::string> name;
};

// Edge values around the fretboard's range 40..88, and the period of 12.
const NoteCase kNoteCases[] = {
    {40, 4, "E"},      {41, 5, "F"},      {42, 6, "F#,Gb"}, {44, 8, "G#,Ab"},
    {46, 10, "A#,Bb"}, {47, 11, "B"},     {48, 0, "C"},     {49, 1, "C#,Db"},
    {51, 3, "D#,Eb"},  {52, 4, "E"},      {60, 0, "C"},     {64, 4, "E"},
    {84, 0, "C"},      {87, 3, "D#,Eb"},  {88, 4, "E"},     {39, 0, std::nullopt},
    {89, 0, std::nullopt}, {0, 0, std::nullopt}, {-1, 0, std::nullopt},
    {-40, 0, std::nullopt}, {127, 0, std::nullopt}, {32767, 0, std::nullopt},
    {-32768, 0, std::nullopt},
};

TEST(NoteHelpers, KeyCodeAndNoteNameOverTheRangeAndOutside) {
    for (const NoteCase& c : kNoteCases) {
        EXPECT_EQ(modFunctions::NoteToKeyCode(c.note), c.keyCode) << "note " << c.note;
        EXPECT_EQ(modFunctions::GetNoteName(c.note), c.name) << "note " << c.note;
    }
}

TEST(NoteHelpers, IntervalAboveRoot) {
    struct Case { int16_t note, root, interval; };
    const Case cases[] = {
        {40, 0, 4},  {48, 4, 8},  {88, 4, 0},  {41, 1, 4},  {48, 0, 0},  {47, 0, 11},
        {48, 11, 1}, {40, 11, 5}, {59, 7, 4},
        // Out of range: the unison.
        {40, 12, 0}, {40, -1, 0}, {60, 12, 0}, {39, 0, 0}, {89, 4, 0}, {-5, 3, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(modFunctions::GetInterval(c.note, c.root), c.interval)
            << "note " << c.note << " root " << c.root;
}

TEST(NoteHelpers, RootName) {
    struct Case { const char* name; const char* root; };
    const Case cases[] = {
        {"C#m7", "C#"}, {"Bbmaj7", "Bb"}, {"Bm", "B"},   {"BB", "B"},    {"  Ebm  ", "Eb"},
        {"F#", "F#"},   {"A", "A"},       {"Ab7", "Ab"}, {"AB", "A"},    {"", ""},
        {"   ", ""},    {"E Major (3)", "E"}, {" C#m7 (2)", "C#"}, {"b", "b"}, {"#", "#"},
        {"Db", "Db"},
    };
    for (const Case& c : cases) EXPECT_EQ(modFunctions::GetRootName(c.name), c.root) << '"' << c.name << '"';
}

}  // namespace
