#pragma once
// The text forms of what the fretboard draws: the chord and scale tablature
// texts, and the reading of the numbers inside fingerings and positions.

#include <QString>
#include <cstdint>

namespace NeckCodes {

// The chord code while the not-available notice shows, and the notice's
// first line.
inline constexpr QLatin1String kNotAvailable("Not Available");

// A whole number in 16 bits, blanks around it allowed; false for anything else.
bool ToInt16(const QString& text, int16_t* value);

// Six tablature lines of a fingering, string 1 first, each ended by CR LF;
// "" for "", and the notice text for kNotAvailable.
QString ChordTab(const QString& chordCode);

// Six tablature lines of a scale position, string 1 first, joined by CR LF;
// "" for a blank position.
QString ScaleTab(const QString& scaleCode);

}  // namespace NeckCodes
