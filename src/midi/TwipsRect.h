#pragma once
// A rectangle given in twips, as the layouts give them, in pixels.

#include <QRect>

#include "Twips.h"

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(Twips::ToPixels(left), Twips::ToPixels(top), Twips::ToPixels(width), Twips::ToPixels(height));
}
