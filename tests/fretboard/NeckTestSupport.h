#pragma once
// Helpers for the fretboard tests: a neck with known settings, its events
// recorded as text, and pixel reading in twips.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <cmath>

#include "AppSettings.h"
#include "ctlNeck.h"

namespace necktest {

// A fresh neck whose settings hold the given number options.
inline void SetNumberSettings(bool fretNumbers, bool stringNumbers) {
    AppSettings::SaveBool("FretNumbers", fretNumbers);
    AppSettings::SaveBool("StringNumbers", stringNumbers);
}

// Every event of a neck, in order, as text.
struct NeckEvents {
    QStringList events;
    explicit NeckEvents(ctlNeck& neck) {
        QObject::connect(&neck, &ctlNeck::OnChord, [this] { events << "OnChord"; });
        QObject::connect(&neck, &ctlNeck::OnScale, [this] { events << "OnScale"; });
        QObject::connect(&neck, &ctlNeck::OnMap, [this] { events << "OnMap"; });
        QObject::connect(&neck, &ctlNeck::OnClear, [this] { events << "OnClear"; });
        QObject::connect(&neck, &ctlNeck::NoChord, [this] { events << "NoChord"; });
        QObject::connect(&neck, &ctlNeck::Click, [this] { events << "Click"; });
        QObject::connect(&neck, &ctlNeck::GenerateChord,
                         [this](const QString& midi) { events << "GenerateChord " + midi; });
        QObject::connect(&neck, &ctlNeck::MouseDown,
                         [this](float x, float y) { events << QString("MouseDown %1 %2").arg(x).arg(y); });
    }
};

inline int Px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

inline bool IsRed(const QColor& c) { return c.red() > 180 && c.green() < 140 && c.blue() < 140; }
inline bool IsBlue(const QColor& c) { return c.blue() > 180 && c.red() < 140 && c.green() < 140; }
inline bool IsDark(const QColor& c) { return c.red() < 110 && c.green() < 110 && c.blue() < 110; }
inline bool IsInlay(const QColor& c) { return c == QColor(200, 200, 200); }

// Pixels of a kind inside a box given in twips (left, top, right, bottom).
template <typename Kind>
int Count(const QImage& image, int left, int top, int right, int bottom, Kind kind) {
    int n = 0;
    for (int y = std::max(0, Px(top)); y <= std::min(image.height() - 1, Px(bottom)); ++y)
        for (int x = std::max(0, Px(left)); x <= std::min(image.width() - 1, Px(right)); ++x)
            if (kind(image.pixelColor(x, y))) ++n;
    return n;
}

// The marker cell of a string and fret, where its digit, x, star or name
// lies, without the wires above and below it.
struct Cell {
    int left, top, right, bottom, stringX;
};
inline Cell MarkerCell(int stringNo, int fret) {
    static const int xs[] = {1550, 1300, 1050, 800, 550, 300};
    const int x = xs[stringNo - 1];
    const int y = fret == 0 ? -10 : fret == 3 ? 590 : 200 * fret;
    return {x - 80, y + 25, x + 110, y + 175, x};
}
// Pixels of a kind in a marker cell. Dark pixels on the string's own column
// are left out: there the string line shows wherever no marker blanks it.
template <typename Kind>
int CountInCell(const QImage& image, int stringNo, int fret, Kind kind) {
    const Cell c = MarkerCell(stringNo, fret);
    const int column = Px(c.stringX);
    int n = 0;
    for (int y = std::max(0, Px(c.top)); y <= Px(c.bottom); ++y)
        for (int x = Px(c.left); x <= Px(c.right); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if ((x != column || !IsDark(pixel)) && kind(pixel)) ++n;
        }
    return n;
}

}  // namespace necktest
