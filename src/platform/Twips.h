#pragma once
// Layouts are in twips: 1440 to the inch, 15 to a pixel at 96 dpi.

#include <QRect>
#include <QSize>
#include <cmath>

namespace Twips {

constexpr int kPerPixel = 15;

inline int ToPixels(double twips) { return static_cast<int>(std::lround(twips / kPerPixel)); }
inline double FromPixels(double pixels) { return pixels * kPerPixel; }
// Whole pixels in twips: exact, nothing to round.
inline int FromPixels(int pixels) { return pixels * kPerPixel; }
inline QRect FromPixels(const QRect& pixels) {
    return QRect(FromPixels(pixels.x()), FromPixels(pixels.y()), FromPixels(pixels.width()),
                 FromPixels(pixels.height()));
}

// A rectangle or a size given in twips, in pixels.
inline QRect Rect(int left, int top, int width, int height) {
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}
inline QRect Rect(const QRect& twips) { return Rect(twips.x(), twips.y(), twips.width(), twips.height()); }
inline QSize Size(int width, int height) { return QSize(ToPixels(width), ToPixels(height)); }

}  // namespace Twips
