#include "MidiOutDriver.h"

std::string MidiOutDriver::ErrorText(int result) const {
    switch (result) {
        case Ok:
            return "No error.";
        case BadDevice:
            return "The MIDI device is no longer there. Choose another one under MIDI Devices.";
        case NoSoundfont:
            return "The built-in synthesizer found no General MIDI soundfont. Install one "
                   "(for example the package timgm6mb-soundfont).";
        case NoAudioOutput:
            return "The built-in synthesizer could not start the sound output. Check that a sound "
                   "card or sound server is available and not held by another program.";
        case PortBusy:
            return "The MIDI port could not be connected. It may be in use by another program "
                   "or unplugged.";
        case NoSequencer:
            return "The system's MIDI port service (the ALSA sequencer) is not available.";
        default:
            return "The MIDI output could not be started.";
    }
}
