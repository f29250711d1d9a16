#pragma once
// The built-in synthesizer: a General MIDI soundfont played by FluidSynth,
// either live through the system's sound output or offline, rendered into
// buffers on request (no sound card needed).

#include <memory>
#include <string>
#include <vector>

#include "MidiOutPort.h"

class MidiOutSynth : public MidiOutPort {
public:
    enum class Output { Live, Offline };

    // The synthesizer's output level: a six-string strum at full velocity
    // peaks near -7 dBFS with Debian's General MIDI soundfont.
    static constexpr double kGain = 0.5;

    // Opens the synthesizer with the first of `soundfonts` that loads. On
    // failure gives nullptr, *result a MidiOutDriver result code and *detail
    // what went wrong, naming every soundfont tried.
    static std::unique_ptr<MidiOutSynth> Open(const std::vector<std::string>& soundfonts, Output output,
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
