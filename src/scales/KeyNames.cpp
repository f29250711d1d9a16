#include "KeyNames.h"

namespace KeyNames {

std::optional<int16_t> FindKeyCode(std::string_view name) {
    for (size_t code = 0; code < kSharpNames.size(); ++code)
        if (name == kSharpNames[code] || name == kFlatNames[code]) return static_cast<int16_t>(code);
    return std::nullopt;
}

}  // namespace KeyNames
