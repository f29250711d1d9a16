#pragma once
// The built-in synthesizer: a General MIDI soundfont played by FluidSynth,
// either live through the system's sound output or offline, rendered into
// buffers on request (no sound card needed).

#include <memory>
#include <string>

#include "MidiOutPort.h"

class MidiOutSynth : public MidiOutPort {
public:
    enum class Output { Live, Offline };

    // Opens the synthesizer with the soundfont at soundfontPath. On failure
    // gives nullptr, *result a MidiOutDriver result code and *detail what the
    // synthesizer said about it.
    static std::unique_ptr<MidiOutSynth> Open(const std::string& soundfontPath, Output output,
                                              int* result, std::string* detail);
    ~MidiOutSynth() override;

    void Send(uint32_t message) override;

    // Offline output only: renders `frames` stereo frames, interleaved left/right.
    void Render(float* interleaved, int frames);
    double SampleRate() const;

private:
    struct Fluid;
    explicit MidiOutSynth(std::unique_ptr<Fluid> fluid);
    std::unique_ptr<Fluid> fluid_;
};
