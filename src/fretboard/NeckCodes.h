#pragma once
// The text forms of what the fretboard draws: the chord and scale tablature
// texts, and the reading of the numbers inside fingerings and positions.

#include <QString>
#include <cstdint>

namespace NeckCodes {

// A whole number in 16 bits, blanks around it allowed; false for anything else.
bool ToInt16(const QString& text, int16_t* value);

// Six tablature lines of a fingering, string 1 first, each ended by CR LF;
// "" for "", and the notice text for "Not Available".
QString ChordTab(const QString& chordCode);

// Six tablature lines of a scale position, string 1 first, joined by CR LF;
// "" for a blank position.
QString ScaleTab(const QString& scaleCode);

}  // namespace NeckCodes
