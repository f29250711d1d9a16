#include "MidiOutSystem.h"

#include "MidiOutSequencerPort.h"
#include "MidiOutSynth.h"

const std::vector<std::string>& MidiOutSystem::DefaultSoundfonts() {
    static const std::vector<std::string> paths = {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/soundfonts/default.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2",
    };
    return paths;
}

const char* const MidiOutSystem::kSynthName = "Built-in Synthesizer";

MidiOutSystem::MidiOutSystem(std::vector<std::string> soundfonts) : soundfonts_(std::move(soundfonts)) {}

int MidiOutSystem::DeviceCount() { return MidiOutSequencerPort::PortCount(); }

int MidiOutSystem::DeviceName(int deviceId, std::string* name) {
    if (deviceId == kMapper) {
        *name = kSynthName;
        return Ok;
    }
    return MidiOutSequencerPort::PortName(deviceId, name);
}

int MidiOutSystem::Open(int deviceId, std::unique_ptr<MidiOutPort>* port) {
    int result = DriverFailed;
    lastDetail_.clear();
    if (deviceId == kMapper) {
        // Loading the soundfont takes a while: the synthesizer opens in the
        // background and says when it is ready or why it failed.
        *port = MidiOutSynth::Start(soundfonts_, MidiOutSynth::Output::Live);
        result = Ok;
    } else
        *port = MidiOutSequencerPort::Open(deviceId, &result, &lastDetail_);
    lastResult_ = result;
    return result;
}

std::string MidiOutSystem::ErrorText(int result) const {
    std::string text = MidiOutDriver::ErrorText(result);
    if (result == lastResult_ && !lastDetail_.empty()) text += "\r\n" + lastDetail_;
    return text;
}
