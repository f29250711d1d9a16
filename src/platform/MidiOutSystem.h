#pragma once
// The program's MIDI outputs: device -1 (the mapper) is the built-in
// synthesizer, devices 0..n-1 are the ALSA sequencer's output ports.

#include <string>

#include "MidiOutDriver.h"

class MidiOutSystem : public MidiOutDriver {
public:
    static const char* const kDefaultSoundfont;  // Debian's General MIDI soundfont link
    static const char* const kSynthName;         // the mapper's entry in the device list

    explicit MidiOutSystem(std::string soundfontPath = kDefaultSoundfont);

    int DeviceCount() override;
    int DeviceName(int deviceId, std::string* name) override;
    int Open(int deviceId, std::unique_ptr<MidiOutPort>* port) override;
    std::string ErrorText(int result) const override;

private:
    std::string soundfont_;
    int lastResult_ = Ok;
    std::string lastDetail_;
};
