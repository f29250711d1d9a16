#pragma once
// Layouts are in twips: 1440 to the inch, 15 to a pixel at 96 dpi.

#include <cmath>

namespace Twips {

constexpr int kPerPixel = 15;

inline int ToPixels(double twips) { return static_cast<int>(std::lround(twips / kPerPixel)); }
inline double FromPixels(double pixels) { return pixels * kPerPixel; }

}  // namespace Twips
