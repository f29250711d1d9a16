#pragma once
// An output port of the ALSA sequencer (hardware MIDI, software synthesizers
// that listen on the sequencer), through RtMidi. No sequencer means no ports.

#include <memory>
#include <string>

#include "MidiOutPort.h"

class RtMidiOut;

class MidiOutSequencerPort : public MidiOutPort {
public:
    static int PortCount();
    // 0 or a MidiOutDriver result code.
    static int PortName(int port, std::string* name);
    static std::unique_ptr<MidiOutSequencerPort> Open(int port, int* result, std::string* detail);

    ~MidiOutSequencerPort() override;
    void Send(uint32_t message) override;

private:
    explicit MidiOutSequencerPort(std::unique_ptr<RtMidiOut> out);
    std::unique_ptr<RtMidiOut> out_;
};
