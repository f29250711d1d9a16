#pragma once
// The built-in synthesizer: a General MIDI soundfont played by FluidSynth,
// either live through the system's sound output or offline, rendered into
// buffers on request (no sound card needed).
//
// FluidSynth loads only the samples of the instruments in use, when a
// program change selects them: a large soundfont opens about as quickly and
// takes about as little memory as a small one.

#include <memory>
#include <string>
#include <vector>

#include "MidiOutPort.h"

class MidiOutSynth : public MidiOutPort {
public:
    enum class Output { Live, Offline };

    // The synthesizer's output level: a six-string strum of the default
    // guitar at full velocity peaks near -7.5 dBFS with TimGM6mb and -3 dBFS
    // with FluidR3. Louder instruments are held below full scale by a
    // PeakLimiter on the output.
    static constexpr double kGain = 0.5;
    // The sound output, sized for strummed chords rather than a live
    // instrument: 256 frames a period (under 6 ms at 44.1 kHz) keep the
    // fastest strum's notes apart at a fraction of the processor time
    // that FluidSynth's 64-frame periods take.
    static constexpr int kPeriodFrames = 256;
    static constexpr int kPeriods = 4;
    // Silent this long (no voice sounding, no note played), the live
    // synthesizer stops its sound output, which then costs nothing; the next
    // note, or Wake before a playback, starts it again. Long enough for a
    // reverberation tail to die away.
    static constexpr double kQuietSeconds = 2.0;

    // Opens the synthesizer with the first of `soundfonts` that loads, in
    // the background: returns at once, Loading until the soundfont has loaded
    // (and, live, the sound output has started), or has failed (Failure says
    // why, naming every soundfont tried). What is sent meanwhile is applied in
    // order once it is ready.
    static std::unique_ptr<MidiOutSynth> Start(std::vector<std::string> soundfonts, Output output);
    ~MidiOutSynth() override;

    void Send(uint32_t message) override;
    int Close() override;
    bool Loading() const override;
    int Failure(std::string* detail) const override;
    void OnChange(std::function<void()> changed) override;
    // Live output: starts the sound output if it has stopped (Loading until
    // sound comes out of it), and keeps it from stopping for another silence.
    void Wake() override;

    // Offline output only: renders `frames` stereo frames, interleaved left/right.
    void Render(float* interleaved, int frames);
    double SampleRate() const;

    struct Fluid;   // FluidSynth's side (MidiOutSynthWorker.h)
    struct Worker;  // the background side, shared with its thread

private:
    friend struct MidiOutSynthProbe;  // the tests' look inside; defined by them
    MidiOutSynth() = default;

    // Shared: a thread still starting the sound output when the synthesizer
    // closes is left to finish, and frees the worker and what it opened.
    std::shared_ptr<Worker> worker_;
};
