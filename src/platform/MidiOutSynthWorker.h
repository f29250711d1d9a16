#pragma once
// The built-in synthesizer's insides: FluidSynth's side and the background
// side that opens it and keeps the live sound output. Only MidiOutSynth.cpp
// uses them (and the tests, to look at the sound output and the voices).

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "MidiOutDriver.h"
#include "MidiOutSynth.h"
#include "PeakLimiter.h"

// FluidSynth's types, as its header names them: the library itself is loaded
// when the synthesizer opens, and its functions are reached through FluidApi.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;
struct FluidApi;

struct MidiOutSynth::Fluid {
    explicit Fluid(const FluidApi& fluid) : api(fluid) {}
    ~Fluid();
    Fluid(const Fluid&) = delete;
    Fluid& operator=(const Fluid&) = delete;

    // The synthesizer with its soundfont, no sound output yet; null on
    // failure, with *result and *detail.
    static std::unique_ptr<Fluid> Build(const std::vector<std::string>& soundfonts, int* result,
                                        std::string* detail);

    bool startAudio();
    void stopAudio();
    bool hasAudioDriver(const std::string& name) const;
    void apply(uint32_t message);

    const FluidApi& api;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* audio = nullptr;
    std::unique_ptr<PeakLimiter> limiter;  // used by the audio thread, or offline by Render
    std::atomic<long long> rendered{0};    // frames the sound output has taken
    // Channels whose voices all sound off (120) ended, with no note since.
    std::array<bool, 16> soundEnded{};
};

// The background side: opening, then (live) keeping the sound output, which
// stops after a silence and starts again for the next note or playback.
struct MidiOutSynth::Worker {
    using Clock = std::chrono::steady_clock;
    // The live sound output: asked for (a note, a playback to come), starting
    // until sound comes out of it, or on.
    enum class Sound { Off, Wanted, Starting, On };

    Worker(std::vector<std::string> paths, Output how) : soundfonts(std::move(paths)), output(how) {}

    // The thread: opens, then (live) keeps the sound output until closing.
    static void run(const std::shared_ptr<Worker>& self);

    const std::vector<std::string> soundfonts;
    const Output output;

    mutable std::mutex mutex;
    std::condition_variable wake;
    bool loading = true;
    int failure = MidiOutDriver::Ok;
    std::string detail;
    std::vector<uint32_t> pending;  // sent while loading, in order
    std::function<void()> changed;
    bool telling = false;  // `changed` runs (unlocked); Close waits for it
    bool closing = false;
    Sound sound = Sound::Off;
    Clock::time_point lastSound{};
    // Once loaded. The thread frees it on closing; after the thread has
    // ended, Close does.
    std::unique_ptr<Fluid> fluid;
    std::thread thread;

    bool Unready() const { return loading || sound == Sound::Wanted || sound == Sound::Starting; }
    void wantSound();
    void tell(std::unique_lock<std::mutex>& lock);
    void settle(std::unique_lock<std::mutex>& lock, int result, std::string text);
    void awaitSound(const Fluid& fluid);
    void keepSound(std::unique_lock<std::mutex>& lock);
};
