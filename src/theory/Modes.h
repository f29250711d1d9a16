#pragma once
// The program's five modes, numbered as the engine's Mode and the main window
// number them.

#include <cstdint>

namespace Modes {

inline constexpr int32_t kChordDictionary = 0;
inline constexpr int32_t kScaleDictionary = 1;
inline constexpr int32_t kChartPlay = 2;
inline constexpr int32_t kChordGenerator = 3;
inline constexpr int32_t kChartManager = 4;

}  // namespace Modes
