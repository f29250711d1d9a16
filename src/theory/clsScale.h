#pragma once
// Holder of one scale lookup's result: the scale code split on "||", element 0
// empty, elements 1..N the position strings (an empty one still counts).

#include <cstdint>
#include <string>

#include "SplitCode.h"

class clsScale {
public:
    int16_t Variation() const;
    int16_t VariationCount();
    void SetScaleCode(const std::string& code);
    // Position `Index`; throws std::out_of_range outside 0..VariationCount,
    // after storing the index as Variation.
    std::string GetScale(int16_t Index);

private:
    SplitCode code_{"||"};
};
