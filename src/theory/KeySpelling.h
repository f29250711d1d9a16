#pragma once
// Key names, key codes and the spelling of notes in a key.

#include <cstdint>
#include <string>

// Key code 0..11 of one of the 17 key names (exact, case-sensitive); 0 for any other.
int16_t KeyNameToCode(const std::string& key);

struct KeyScales {
    int16_t KeyCode = 0;
    std::string ChromaticScale;  // twelve names from the key up, joined by ","
    std::string KeyScale;        // the major scale's seven names, joined by ","
};

// Flat names when the key holds a lower-case "b", else sharp names; a key of ""
// gives empty scales and key code 0.
KeyScales BuildKeyScales(const std::string& key);

// The note list ("C-E-G") of `formula` over `chromaticScale`. A chord formula
// is read through the degree tokens; a scale formula holds 1-based semitone
// positions (13 = the octave). A token that cannot be read repeats the note
// before it (the root for the first).
std::string GetNotes(const std::string& formula, const std::string& chromaticScale, bool scaleFormula);
