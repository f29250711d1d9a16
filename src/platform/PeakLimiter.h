#pragma once
// Keeps the synthesizer's output from clipping. Where the notes together
// would go past the ceiling, the level comes down at once to meet it and
// recovers smoothly afterwards; anything that stays below passes unchanged.
// A level that suits a strummed guitar puts some General MIDI instruments
// (strings, pads, synthesizer leads), six strings at full velocity, well
// above full scale.

class PeakLimiter {
public:
    static constexpr float kCeiling = 0.891f;      // -1 dBFS
    static constexpr double kReleaseSeconds = 0.25;  // back to full level after a peak

    explicit PeakLimiter(double sampleRate);

    // Limits `frames` stereo frames in place; a frame's samples are `stride`
    // floats after the last one's (1 for separate channels, 2 interleaved).
    void Process(float* left, float* right, int frames, int stride);
    // The level applied to the last frame: 1 when nothing is held down.
    float Gain() const { return gain_; }

private:
    float release_;
    float gain_ = 1.0f;
};
