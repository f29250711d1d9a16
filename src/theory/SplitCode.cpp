#include "SplitCode.h"

#include <stdexcept>

#include "SplitText.h"

int16_t SplitCode::VariationCount() const { return static_cast<int16_t>(static_cast<int>(elements_.size()) - 1); }

void SplitCode::SetCode(const std::string& code) { elements_ = SplitText(code, separator_); }

std::string SplitCode::Element(int16_t index) {
    variation_ = index;
    if (index < 0 || static_cast<size_t>(index) >= elements_.size())
        throw std::out_of_range("variation " + std::to_string(index) + " out of range");
    return elements_[static_cast<size_t>(index)];
}
