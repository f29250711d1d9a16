#pragma once
// The 35 chord extensions (name and formula, indexed by extension code) and
// the degree tokens their formulas are written in.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

struct ChordExtension {
    const char* Name;
    const char* Formula;
};

inline constexpr int16_t kExtensionCount = 35;
// The extension code of notes that match no formula.
inline constexpr int16_t kNoExtension = 99;

extern const std::array<ChordExtension, kExtensionCount> kChordExtensions;

// Semitones above the root of a degree token ("b3" 3, "bb7" 9, "#11" 6);
// no value for a token the table does not know.
std::optional<int> DegreeSemitones(std::string_view token);

// The code of the extension whose formula equals `formula` exactly; 99 for none.
int16_t FormulaToExtCode(std::string_view formula);

// The pitch classes of an extension above its root, bit n for n semitones
// (mod 12); 0 for a code outside 0..34.
uint16_t ExtensionPitchClasses(int16_t extCode);
