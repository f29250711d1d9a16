#pragma once
// The chord dictionary: every chord type's fingerings in every key for the
// four position types. One instance serves one lookup; it keeps no state.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The position types by number, the first argument of ChordCode.
inline constexpr std::array<const char*, 4> kPositionTypeNames = {"Open Chords", "Moveable", "Root 6 Bar Chords",
                                                                  "Root 5 Bar Chords"};

class clsChordDictionary {
public:
    // The chord code for (position type, key code, extension code): "" when
    // there is no fingering, no value when the position type or key is out of range.
    std::optional<std::string> ChordCode(uint8_t TypeCode, uint8_t Key, uint8_t ExtCode);

private:
    // Position type 0: the open chord table's cell, "" when it is empty.
    static std::string GetOpenChord(uint8_t Key, uint8_t ExtCode);
    // Position type 1: the key's shapes of the extension, each at its base fret.
    static std::string GetMoveableChord(uint8_t Key, uint8_t ExtCode);
    // "|" and shape `Shape` of the extension filled in at base fret `Fret`.
    static std::string MoveableShape(uint8_t ExtCode, uint8_t Shape, uint8_t Fret);
    // Position types 2 and 3: the bar-chord templates filled in at the root fret
    // on string 6 or string 5; Result is "" for an extension without one.
    static void GetRoot6Chord(uint8_t ExtCode, uint8_t RootFret, std::string& Result);
    static void GetRoot5Chord(uint8_t ExtCode, uint8_t RootFret, std::string& Result);

    // A template with every fret term (f, f+k, f-k) replaced by its value at Fret.
    static std::string FillTemplate(std::string_view Template, int Fret);
};
