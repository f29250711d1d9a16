#pragma once
// The states of the MIDI panel's Play and Stop buttons (ctlMIDI::PlayButtons),
// which the main window sets by what is shown and whether it is playing.

#include <cstdint>

namespace PlayButtonStates {

inline constexpr int16_t kReady = 0;          // something to play: Play enabled, Stop disabled
inline constexpr int16_t kPlaying = 1;        // Play disabled, Stop enabled
inline constexpr int16_t kNothingToPlay = 2;  // both disabled

}  // namespace PlayButtonStates
