#include "SystemColors.h"

#include <array>

namespace SystemColors {
namespace {

// The classic grey 3-D desktop colours (light grey faces, dark grey shadows,
// navy highlight and captions, pale yellow tooltips), indices 0..24.
constexpr std::array<QRgb, 25> kClassic = {
    qRgb(212, 208, 200),  //  0 scroll bar
    qRgb(58, 110, 165),   //  1 desktop
    qRgb(10, 36, 106),    //  2 active caption
    qRgb(128, 128, 128),  //  3 inactive caption
    qRgb(212, 208, 200),  //  4 menu
    qRgb(255, 255, 255),  //  5 window background
    qRgb(0, 0, 0),        //  6 window frame
    qRgb(0, 0, 0),        //  7 menu text
    qRgb(0, 0, 0),        //  8 window text
    qRgb(255, 255, 255),  //  9 caption text
    qRgb(212, 208, 200),  // 10 active border
    qRgb(212, 208, 200),  // 11 inactive border
    qRgb(128, 128, 128),  // 12 application workspace
    qRgb(10, 36, 106),    // 13 highlight
    qRgb(255, 255, 255),  // 14 highlighted text
    qRgb(212, 208, 200),  // 15 button face
    qRgb(128, 128, 128),  // 16 button shadow
    qRgb(128, 128, 128),  // 17 grey text
    qRgb(0, 0, 0),        // 18 button text
    qRgb(212, 208, 200),  // 19 inactive caption text
    qRgb(255, 255, 255),  // 20 button highlight
    qRgb(64, 64, 64),     // 21 3-D dark shadow
    qRgb(212, 208, 200),  // 22 3-D light
    qRgb(0, 0, 0),        // 23 tooltip text
    qRgb(255, 255, 225),  // 24 tooltip background
};

}  // namespace

QColor SystemColor(int index) {
    if (index < 0 || index >= static_cast<int>(kClassic.size())) return QColor(0, 0, 0);
    return QColor(kClassic[static_cast<size_t>(index)]);
}

QColor ToQColor(uint32_t value) {
    if (value & 0x80000000u) return SystemColor(static_cast<int>(value & 0xFFu));
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace SystemColors
