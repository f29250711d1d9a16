#pragma once
// The 28 scale types: group, formula (1-based semitone positions, 13 = the
// octave), construction in whole steps, and the text on the chords each suits.

#include <array>
#include <cstdint>
#include <string_view>

struct ScaleType {
    const char* Name;
    int16_t Group;  // 0 "Major Scales" .. 6 "Japanese Scales"
    const char* Formula;
    const char* Construction;
    const char* Usage;
};

inline constexpr size_t kScaleTypeCount = 28;

extern const std::array<ScaleType, kScaleTypeCount> kScaleTypes;

// The first type whose name equals `name` exactly (case-sensitive); null for none.
const ScaleType* FindScaleType(std::string_view name);
