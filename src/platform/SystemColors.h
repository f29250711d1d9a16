#pragma once
// Colours as the layouts give them: a 32-bit value &H00BBGGRR, or a system
// colour &H8000000n (n = 0..24) looked up in one fixed table of the classic
// grey 3-D desktop colours, so that every control shows the same colours
// whatever the desktop's own theme.

#include <QColor>
#include <cstdint>

namespace SystemColors {

// System colour indices (the n of &H8000000n).
enum Index : int {
    ScrollBar = 0, Desktop = 1, ActiveCaption = 2, InactiveCaption = 3, Menu = 4,
    Window = 5, WindowFrame = 6, MenuText = 7, WindowText = 8, CaptionText = 9,
    ActiveBorder = 10, InactiveBorder = 11, AppWorkspace = 12, Highlight = 13,
    HighlightText = 14, ButtonFace = 15, ButtonShadow = 16, GrayText = 17, ButtonText = 18,
    InactiveCaptionText = 19, ButtonHighlight = 20, DarkShadow3D = 21, Light3D = 22,
    InfoText = 23, InfoBackground = 24
};

constexpr uint32_t System(int index) { return 0x80000000u | static_cast<uint32_t>(index); }
constexpr uint32_t Rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

// The RGB of a system colour index; an unknown index gives black.
QColor SystemColor(int index);

// Any colour value: system colours through the table, others as &H00BBGGRR.
QColor ToQColor(uint32_t value);

}  // namespace SystemColors
