#pragma once
// The program's MIDI outputs: device -1 (the mapper) is the built-in
// synthesizer, devices 0..n-1 are the ALSA sequencer's output ports.

#include <string>
#include <vector>

#include "MidiOutDriver.h"

class MidiOutSystem : public MidiOutDriver {
public:
    // Where the built-in synthesizer looks for a General MIDI soundfont, in
    // order: Debian's link (which the user can point at a larger soundfont),
    // then the places other distributions use.
    static const std::vector<std::string>& DefaultSoundfonts();
    static const char* const kSynthName;  // the mapper's entry in the device list

    explicit MidiOutSystem(std::vector<std::string> soundfonts = DefaultSoundfonts());

    int DeviceCount() override;
    int DeviceName(int deviceId, std::string* name) override;
    int Open(int deviceId, std::unique_ptr<MidiOutPort>* port) override;
    std::string ErrorText(int result) const override;

private:
    std::vector<std::string> soundfonts_;
    int lastResult_ = Ok;
    std::string lastDetail_;
};
