#pragma once
// What clsChord and clsScale share: a code split on its separator, handed out
// element by element.

#include <cstdint>
#include <string>
#include <vector>

class SplitCode {
public:
    explicit SplitCode(const char* separator) : separator_(separator) {}

    int16_t Variation() const { return variation_; }
    // The highest element index (the number of variations); -1 for an empty code.
    int16_t VariationCount() const;
    void SetCode(const std::string& code);
    // Stores `index` as the variation, then returns that element; throws
    // std::out_of_range outside 0..VariationCount.
    std::string Element(int16_t index);

private:
    const char* separator_;
    std::vector<std::string> elements_;
    int16_t variation_ = 0;
};
