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
    // An empty `Notes` gives "" and leaves `NoteCount` as it was.
    std::string ScaleCode(const std::string& ScaleName, const std::string& Notes, int16_t& NoteCount);

    // Position `Index` of the current scale, or "".
    std::string GetScale(int16_t Index, int16_t NoteCount);

private:
    friend struct clsScaleDictionaryProbe;  // lets the tests ask a single shape at any start fret

    std::string GetInSenPouScale(int16_t Index, int16_t KeyFret);
    std::string GetOkinawaScale(int16_t Index, int16_t KeyFret);
    // One table each (clsScaleDictionaryShapes.cpp): the row of `ScaleName`
    // at `StartFret`, or "".
    std::string GetShape1(int16_t StartFret);
    std::string GetShape2(int16_t StartFret);
    std::string GetShape3(int16_t StartFret);
    std::string GetShape4(int16_t StartFret);
    std::string GetShape5(int16_t StartFret);
    std::string GetShape6(int16_t StartFret);
    std::string GetShape7(int16_t StartFret);
    std::string GetShape(int16_t Shape, int16_t StartFret);

    int16_t KeyFret = 0;
    std::string ScaleName;
};
