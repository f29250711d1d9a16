#pragma once
// Holder of one chord lookup's result: the chord code split on "|", element 0
// the count text (never used), elements 1..N the fingerings.

#include <cstdint>
#include <string>

#include "SplitCode.h"

class clsChord {
public:
    int16_t Variation() const;
    // The number of fingerings, counted from the code (the count text is ignored).
    int16_t VariationCount();
    void SetChordCode(const std::string& code);
    // Fingering `Index` (0 gives the count text); throws std::out_of_range
    // outside 0..VariationCount, after storing the index as Variation.
    std::string GetChord(int16_t Index);

private:
    SplitCode code_{"|"};
};
