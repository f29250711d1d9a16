#include "MIDI_CMD.h"

#include <cstdint>

#include "MIDI_OUT.h"

namespace MIDI_CMD {

void AllNotesOff() {
    for (int16_t channel = 0; channel <= 15; ++channel) {
        MIDI_OUT::ControlChange(channel, 120, 0);
        MIDI_OUT::ControlChange(channel, 123, 0);
    }
}

}  // namespace MIDI_CMD
