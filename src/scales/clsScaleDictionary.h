#pragma once
// The scale fingering dictionary: every scale type's fingering in each
// position along the neck, anchored at the key's fret on the low E string.
// One instance serves one lookup.

#include <cstdint>
#include <string>

class clsScaleDictionary {
public:
    // The scale code of `ScaleName` for the note list `Notes` ("A-B-C#-..."),
    // root first. Writes the number of notes minus one into `NoteCount`.
    std::string ScaleCode(const std::string& ScaleName, const std::string& Notes, int16_t& NoteCount);

    // Position `Index` of the current scale, or "".
    std::string GetScale(int16_t Index, int16_t NoteCount);

private:
    int16_t KeyFret = 0;
    std::string ScaleName;
};
