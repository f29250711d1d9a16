#pragma once
// The note names of the twelve pitch classes (C = 0), spelled with sharps and
// with flats, and the 17 key names they give: each pitch class by its sharp
// name, then by its flat name where that differs ("C", "C#", "Db", ... "B").
// Kept at the bottom of the core, since the scale dictionary anchors its
// fingerings by key name; the engine and the controls read the same lists.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace KeyNames {

inline constexpr std::array<const char*, 12> kSharpNames = {
    "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
inline constexpr std::array<const char*, 12> kFlatNames = {
    "C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};

// The key code 0..11 of one of the 17 key names, compared exactly and
// case-sensitively; no value for any other text.
std::optional<int16_t> FindKeyCode(std::string_view name);

}  // namespace KeyNames
