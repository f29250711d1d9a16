#include "MidiOutSynth.h"

#include <fluidsynth.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "MidiOutDriver.h"

namespace {

// FluidSynth reports through one process-wide log; keep its recent errors so
// that a failed open can tell the user why.
std::mutex& logMutex() {
    static std::mutex m;
    return m;
}

std::string& logText() {
    static std::string text;
    return text;
}

void captureLog(int level, const char* message, void*) {
    if (level > FLUID_WARN || message == nullptr) return;
    std::lock_guard<std::mutex> lock(logMutex());
    std::string& text = logText();
    if (text.size() > 2000) return;
    if (!text.empty()) text += "; ";
    text += message;
}

void installLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, captureLog, nullptr);
    });
}

std::string takeLog() {
    std::lock_guard<std::mutex> lock(logMutex());
    std::string text;
    text.swap(logText());
    return text;
}

// A SoundFont 2 file is a RIFF file of form "sfbk". Checked here so that a
// file of another kind never reaches the loaders, which complain on the console.
bool looksLikeSoundfont(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char header[12] = {};
    if (!in.read(header, sizeof header)) return false;
    return std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "sfbk", 4) == 0;
}

}  // namespace

struct MidiOutSynth::Fluid {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* audio = nullptr;

    ~Fluid() {
        if (audio) delete_fluid_audio_driver(audio);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }

    // FluidSynth's own choice first; a sound server as the fallback, only
    // where this FluidSynth has a driver for it (asking for a missing one
    // only adds a line to the log the user reads).
    bool startAudio() {
        char* preferred = nullptr;
        std::string first;
        if (fluid_settings_dupstr(settings, "audio.driver", &preferred) == FLUID_OK && preferred) {
            first = preferred;
            fluid_free(preferred);
        }
        audio = new_fluid_audio_driver(settings, synth);
        for (const char* name : {"pulseaudio", "pipewire"}) {
            if (audio || first == name || !hasAudioDriver(name)) continue;
            if (fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK) continue;
            audio = new_fluid_audio_driver(settings, synth);
        }
        return audio != nullptr;
    }

    bool hasAudioDriver(const std::string& name) const {
        struct Search {
            const std::string* name;
            bool found;
        } search{&name, false};
        fluid_settings_foreach_option(settings, "audio.driver", &search,
                                      [](void* data, const char*, const char* option) {
                                          auto* s = static_cast<Search*>(data);
                                          if (option && *s->name == option) s->found = true;
                                      });
        return search.found;
    }
};

namespace {

// Loads the first soundfont of `paths` that is one; *tried gets each path
// passed over and why.
bool loadSoundfont(fluid_synth_t* synth, const std::vector<std::string>& paths, std::string* tried) {
    for (const std::string& path : paths) {
        std::error_code ec;
        const char* reason = nullptr;
        if (!std::filesystem::is_regular_file(path, ec))
            reason = "not found";
        else if (!looksLikeSoundfont(path))
            reason = "not a soundfont";
        else if (fluid_synth_sfload(synth, path.c_str(), 1) == FLUID_FAILED)
            reason = "could not be read";
        if (!reason) return true;
        if (!tried->empty()) *tried += "; ";
        *tried += path + " (" + reason + ")";
    }
    return false;
}

}  // namespace

MidiOutSynth::MidiOutSynth(std::unique_ptr<Fluid> fluid) : fluid_(std::move(fluid)) {}

MidiOutSynth::~MidiOutSynth() = default;

std::unique_ptr<MidiOutSynth> MidiOutSynth::Open(const std::vector<std::string>& soundfonts, Output output,
                                                 int* result, std::string* detail) {
    installLog();
    takeLog();
    auto fail = [&](int code, std::string text) -> std::unique_ptr<MidiOutSynth> {
        *result = code;
        const std::string said = takeLog();
        *detail = said.empty() ? text : text + " (" + said + ")";
        return nullptr;
    };
    auto fluid = std::make_unique<Fluid>();
    fluid->settings = new_fluid_settings();
    if (!fluid->settings) return fail(MidiOutDriver::DriverFailed, "Out of memory.");
    // The user-interface thread sends every event; FluidSynth's audio thread
    // renders them: its thread-safe API keeps the two apart.
    fluid_settings_setint(fluid->settings, "synth.threadsafe-api", 1);
    fluid_settings_setnum(fluid->settings, "synth.gain", kGain);
    fluid->synth = new_fluid_synth(fluid->settings);
    if (!fluid->synth) return fail(MidiOutDriver::DriverFailed, "The synthesizer could not be created.");
    std::string tried;
    if (!loadSoundfont(fluid->synth, soundfonts, &tried))
        return fail(MidiOutDriver::NoSoundfont,
                    "No General MIDI soundfont could be loaded. Tried: " + (tried.empty() ? "no path" : tried) + ".");
    if (output == Output::Live && !fluid->startAudio())
        return fail(MidiOutDriver::NoAudioOutput, "No sound output could be opened.");

    *result = MidiOutDriver::Ok;
    detail->clear();
    takeLog();
    return std::unique_ptr<MidiOutSynth>(new MidiOutSynth(std::move(fluid)));
}

void MidiOutSynth::Send(uint32_t message) {
    fluid_synth_t* synth = fluid_->synth;
    const int channel = static_cast<int>(message & 0x0F);
    const int data1 = static_cast<int>((message >> 8) & 0x7F);
    const int data2 = static_cast<int>((message >> 16) & 0x7F);
    switch (message & 0xF0) {
        case 0x80: fluid_synth_noteoff(synth, channel, data1); break;
        case 0x90:
            if (data2 == 0)
                fluid_synth_noteoff(synth, channel, data1);
            else
                fluid_synth_noteon(synth, channel, data1, data2);
            break;
        case 0xA0: fluid_synth_key_pressure(synth, channel, data1, data2); break;
        case 0xB0: fluid_synth_cc(synth, channel, data1, data2); break;
        case 0xC0: fluid_synth_program_change(synth, channel, data1); break;
        case 0xD0: fluid_synth_channel_pressure(synth, channel, data1); break;
        case 0xE0: fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7)); break;
        default: break;  // not a channel message
    }
}

void MidiOutSynth::Render(float* interleaved, int frames) {
    if (fluid_->audio || frames <= 0) return;
    fluid_synth_write_float(fluid_->synth, frames, interleaved, 0, 2, interleaved, 1, 2);
}

double MidiOutSynth::SampleRate() const {
    double rate = 44100.0;
    fluid_settings_getnum(fluid_->settings, "synth.sample-rate", &rate);
    return rate;
}
