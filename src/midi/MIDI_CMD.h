#pragma once
// Commands built from several MIDI messages.

namespace MIDI_CMD {

// All sound off (controller 120) and all notes off (123) on channels 0 to 15.
void AllNotesOff();

}  // namespace MIDI_CMD
