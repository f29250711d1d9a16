#pragma once
// Shared test data and readers for the scale dictionary tests.

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "clsScaleDictionary.h"

// Reaches the private shape procedures, to ask one shape at any start fret.
struct clsScaleDictionaryProbe {
    static std::string Shape(std::string_view name, int shape, int startFret) {
        clsScaleDictionary dictionary;
        dictionary.ScaleName = std::string(name);
        return dictionary.GetShape(static_cast<int16_t>(shape), static_cast<int16_t>(startFret));
    }
};

namespace scaletest {

// The engine's scale types: name and formula (1-based semitone positions).
struct ScaleType {
    const char* Name;
    const char* Formula;
};
inline const ScaleType kScaleTypes[] = {
    {"Major", "1-3-5-6-8-10-12"},
    {"Harmonic Major", "1-3-5-6-8-9-12"},
    {"Hungarian Major", "1-4-5-7-8-10-11"},
    {"Neopolitan Major", "1-2-4-6-8-10-12"},
    {"Pentatonic Major", "1-3-5-8-10"},
    {"Pentatonic Minor", "1-4-6-8-11"},
    {"Natural Minor", "1-3-4-6-8-9-11"},
    {"Harmonic Minor", "1-3-4-6-8-9-12"},
    {"Jazz Minor", "1-3-4-6-8-10-12"},
    {"Lydian Minor", "1-3-5-7-8-9-11"},
    {"Hungarian Minor", "1-3-4-7-8-9-12"},
    {"Neopolitan Minor", "1-2-4-6-8-9-12"},
    {"Blues", "1-4-6-7-8-11"},
    {"Major Blues", "1-3-4-5-8-10"},
    {"Leading Whole Tone", "1-3-5-7-9-11-12"},
    {"Arabian", "1-3-5-6-7-9-11"},
    {"Byzantine", "1-2-5-6-8-9-12"},
    {"Hungarian Gypsy", "1-3-5-7-8-9-11"},
    {"Persian", "1-2-5-6-7-9-12"},
    {"East Indian Purvi", "1-2-5-7-8-9-12"},
    {"Oriental", "1-2-5-6-7-10-11"},
    {"Double Harmonic", "1-2-5-6-8-9-12"},
    {"Enigmatic", "1-2-5-7-9-11-12"},
    {"Overtone", "1-3-5-7-8-10-11"},
    {"Gagaku (Ryo)", "1-3-5-8-10"},
    {"Zokugaku", "1-4-6-8-11"},
    {"In Sen Pou", "1-2-6-8-9"},
    {"Okinawa", "1-5-6-8-12"},
};

// The 17 key names with their key codes (C = 0).
struct Key {
    const char* Name;
    int Code;
};
inline const Key kKeys[] = {
    {"C", 0},  {"C#", 1}, {"Db", 1},  {"D", 2},  {"D#", 3},  {"Eb", 3}, {"E", 4},   {"F", 5}, {"F#", 6},
    {"Gb", 6}, {"G", 7},  {"G#", 8},  {"Ab", 8}, {"A", 9},   {"A#", 10}, {"Bb", 10}, {"B", 11},
};

// One spelling of the root for each key fret (the root's fret on the low E string).
inline const char* const kRootAtKeyFret[12] = {"E", "F", "F#", "G", "G#", "A", "A#", "B", "C", "C#", "D", "D#"};

inline std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// Semitones above the root of each degree of a formula.
inline std::vector<int> Degrees(const char* formula) {
    std::vector<int> degrees;
    for (const std::string& token : Split(formula, "-")) degrees.push_back(std::stoi(token) - 1);
    return degrees;
}

// The note list the engine passes: names over the key's chromatic scale,
// flats when the key name holds a lower-case "b", root first.
inline std::string NoteList(const Key& key, const char* formula) {
    static const char* const sharps[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    static const char* const flats[12] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
    const char* const* names = std::string_view(key.Name).find('b') != std::string_view::npos ? flats : sharps;
    std::string list;
    for (int degree : Degrees(formula)) {
        if (!list.empty()) list += '-';
        list += names[(key.Code + degree) % 12];
    }
    return list;
}

// A note list of `count` names beginning with `root`; the dictionary reads no other name.
inline std::string NotesFrom(const std::string& root, int count) {
    std::string list = root;
    for (int i = 1; i < count; ++i) list += "-X";
    return list;
}

struct Note {
    int String = 0, Fret = 0, Finger = 0;
    // MIDI pitch in standard tuning.
    int Pitch() const {
        static const int open[7] = {0, 64, 59, 55, 50, 45, 40};
        return open[String] + Fret;
    }
    bool operator==(const Note&) const = default;
};

inline bool IsDecimal(const std::string& text) {
    return !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos;
}

// The notes of a position string; `ok` turns false on anything but
// "string,fret,finger" triples of plain decimals joined by "|".
inline std::vector<Note> ParsePosition(const std::string& position, bool& ok) {
    ok = !position.empty();
    std::vector<Note> notes;
    if (!ok) return notes;
    for (const std::string& text : Split(position, "|")) {
        const std::vector<std::string> fields = Split(text, ",");
        if (fields.size() != 3 || !IsDecimal(fields[0]) || !IsDecimal(fields[1]) || !IsDecimal(fields[2])) {
            ok = false;
            return notes;
        }
        notes.push_back({std::stoi(fields[0]), std::stoi(fields[1]), std::stoi(fields[2])});
    }
    return notes;
}

inline std::string Describe(const Note& note) {
    std::ostringstream text;
    text << note.String << ',' << note.Fret << ',' << note.Finger;
    return text.str();
}

// What a playable position needs: strings 6 down to 1, each with two or three
// notes, fingers not falling along a string, pitch rising note by note.
// Returns "" when all hold, else the first fault.
inline std::string LayoutFault(const std::vector<Note>& notes) {
    int perString[7] = {};
    for (size_t i = 0; i < notes.size(); ++i) {
        const Note& note = notes[i];
        if (note.String < 1 || note.String > 6) return "string out of range at " + Describe(note);
        ++perString[note.String];
        if (i == 0) continue;
        const Note& before = notes[i - 1];
        if (note.String > before.String) return "string order broken at " + Describe(note);
        if (note.Pitch() <= before.Pitch()) return "pitch not rising at " + Describe(note);
        if (note.String == before.String && note.Finger < before.Finger) return "finger falls at " + Describe(note);
    }
    for (int s = 1; s <= 6; ++s)
        if (perString[s] < 2 || perString[s] > 3) return "string " + std::to_string(s) + " holds " +
                                                         std::to_string(perString[s]) + " notes";
    return "";
}

}  // namespace scaletest
