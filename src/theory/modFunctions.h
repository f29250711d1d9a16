#pragma once
// Small shared helpers: note names and MIDI-note arithmetic.
// Plain functions with fixed fallbacks; they never throw.

#include <cstdint>
#include <optional>
#include <string>

namespace modFunctions {

// Pitch class 0..11 (C = 0) of a MIDI note 40..88; 0 for any other note.
int16_t NoteToKeyCode(int16_t note);

// "E", "F#,Gb", ... for a MIDI note 40..88; no value outside that range.
std::optional<std::string> GetNoteName(int16_t note);

// The root of a chord or scale name: "C#m7" -> "C#", " Ebm " -> "Eb", "AB" -> "A".
std::string GetRootName(const std::string& name);

// Semitones 0..11 from the key code `root` up to the pitch class of `note`;
// 0 when the note lies outside 40..88 or the root outside 0..11.
int16_t GetInterval(int16_t note, int16_t root);

}  // namespace modFunctions
