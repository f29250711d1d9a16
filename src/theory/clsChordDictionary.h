#pragma once
// The chord dictionary: every chord type's fingerings in every key for the
// four position types. One instance serves one lookup; it keeps no state.

#include <cstdint>
#include <optional>
#include <string>

class clsChordDictionary {
public:
    // The chord code for (position type, key code, extension code): "" when
    // there is no fingering, no value when the position type or key is out of range.
    std::optional<std::string> ChordCode(uint8_t TypeCode, uint8_t Key, uint8_t ExtCode);
};
