#pragma once
// The 28 scale types: group, formula (1-based semitone positions, 13 = the
// octave), construction in whole steps, and the text on the chords each suits.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

struct ScaleType {
    const char* Name;
    int16_t Group;  // its scale group: an index of kScaleGroupNames
    const char* Formula;
    const char* Construction;
    const char* Usage;
};

inline constexpr size_t kScaleTypeCount = 28;

extern const std::array<ScaleType, kScaleTypeCount> kScaleTypes;

// The scale groups by number, as the position selector lists them.
inline constexpr std::array<const char*, 7> kScaleGroupNames = {
    "Major Scales", "Minor Scales", "Pentatonic Scales", "Blues Scales",
    "Altered Scales", "Exotic Scales", "Japanese Scales"};

// The names of the scale types of group `group`, in table order; none for a
// group outside 0..6.
std::vector<std::string_view> ScaleNamesInGroup(int group);

// The first type whose name equals `name` exactly (case-sensitive); null for none.
const ScaleType* FindScaleType(std::string_view name);
