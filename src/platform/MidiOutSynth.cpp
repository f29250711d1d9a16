#include "MidiOutSynth.h"

#include <dlfcn.h>
#include <fluidsynth.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <type_traits>

#include "MidiOutDriver.h"

namespace {

// FluidSynth is loaded when the synthesizer is first opened, not with the
// program: it brings some forty libraries of its own (audio servers, sound
// file codecs), whose loading would otherwise delay the first window.
struct FluidApi {
    decltype(&::new_fluid_settings) new_fluid_settings;
    decltype(&::delete_fluid_settings) delete_fluid_settings;
    decltype(&::fluid_settings_setint) fluid_settings_setint;
    decltype(&::fluid_settings_setnum) fluid_settings_setnum;
    decltype(&::fluid_settings_setstr) fluid_settings_setstr;
    decltype(&::fluid_settings_getnum) fluid_settings_getnum;
    decltype(&::fluid_settings_dupstr) fluid_settings_dupstr;
    decltype(&::fluid_settings_foreach_option) fluid_settings_foreach_option;
    decltype(&::fluid_free) fluid_free;
    decltype(&::fluid_set_log_function) fluid_set_log_function;
    decltype(&::new_fluid_synth) new_fluid_synth;
    decltype(&::delete_fluid_synth) delete_fluid_synth;
    decltype(&::fluid_synth_sfload) fluid_synth_sfload;
    decltype(&::fluid_synth_noteon) fluid_synth_noteon;
    decltype(&::fluid_synth_noteoff) fluid_synth_noteoff;
    decltype(&::fluid_synth_key_pressure) fluid_synth_key_pressure;
    decltype(&::fluid_synth_cc) fluid_synth_cc;
    decltype(&::fluid_synth_program_change) fluid_synth_program_change;
    decltype(&::fluid_synth_channel_pressure) fluid_synth_channel_pressure;
    decltype(&::fluid_synth_pitch_bend) fluid_synth_pitch_bend;
    decltype(&::fluid_synth_write_float) fluid_synth_write_float;
    decltype(&::new_fluid_audio_driver) new_fluid_audio_driver;
    decltype(&::delete_fluid_audio_driver) delete_fluid_audio_driver;
};

// The loaded library, or null and why not. Loaded once, kept for the run.
const FluidApi* fluidApi(std::string* error) {
    static std::string failure;
    static const FluidApi* api = [] () -> const FluidApi* {
        void* lib = dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_LOCAL);
        if (!lib) {
            const char* why = dlerror();
            failure = "FluidSynth could not be loaded" + (why ? ": " + std::string(why) : std::string()) + ".";
            return nullptr;
        }
        static FluidApi table;
        bool complete = true;
        auto bind = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(lib, name));
            complete = complete && function != nullptr;
        };
        bind(table.new_fluid_settings, "new_fluid_settings");
        bind(table.delete_fluid_settings, "delete_fluid_settings");
        bind(table.fluid_settings_setint, "fluid_settings_setint");
        bind(table.fluid_settings_setnum, "fluid_settings_setnum");
        bind(table.fluid_settings_setstr, "fluid_settings_setstr");
        bind(table.fluid_settings_getnum, "fluid_settings_getnum");
        bind(table.fluid_settings_dupstr, "fluid_settings_dupstr");
        bind(table.fluid_settings_foreach_option, "fluid_settings_foreach_option");
        bind(table.fluid_free, "fluid_free");
        bind(table.fluid_set_log_function, "fluid_set_log_function");
        bind(table.new_fluid_synth, "new_fluid_synth");
        bind(table.delete_fluid_synth, "delete_fluid_synth");
        bind(table.fluid_synth_sfload, "fluid_synth_sfload");
        bind(table.fluid_synth_noteon, "fluid_synth_noteon");
        bind(table.fluid_synth_noteoff, "fluid_synth_noteoff");
        bind(table.fluid_synth_key_pressure, "fluid_synth_key_pressure");
        bind(table.fluid_synth_cc, "fluid_synth_cc");
        bind(table.fluid_synth_program_change, "fluid_synth_program_change");
        bind(table.fluid_synth_channel_pressure, "fluid_synth_channel_pressure");
        bind(table.fluid_synth_pitch_bend, "fluid_synth_pitch_bend");
        bind(table.fluid_synth_write_float, "fluid_synth_write_float");
        bind(table.new_fluid_audio_driver, "new_fluid_audio_driver");
        bind(table.delete_fluid_audio_driver, "delete_fluid_audio_driver");
        if (!complete) {
            failure = "The FluidSynth library found lacks functions this program needs.";
            return nullptr;
        }
        return &table;
    }();
    if (!api && error) *error = failure;
    return api;
}

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

void installLog(const FluidApi& fluid) {
    static std::once_flag once;
    std::call_once(once, [&fluid] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid.fluid_set_log_function(level, captureLog, nullptr);
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
    explicit Fluid(const FluidApi& fluid) : api(fluid) {}

    const FluidApi& api;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* audio = nullptr;

    ~Fluid() {
        if (audio) api.delete_fluid_audio_driver(audio);
        if (synth) api.delete_fluid_synth(synth);
        if (settings) api.delete_fluid_settings(settings);
    }

    // FluidSynth's own choice first; a sound server as the fallback, only
    // where this FluidSynth has a driver for it (asking for a missing one
    // only adds a line to the log the user reads).
    bool startAudio() {
        char* preferred = nullptr;
        std::string first;
        if (api.fluid_settings_dupstr(settings, "audio.driver", &preferred) == FLUID_OK && preferred) {
            first = preferred;
            api.fluid_free(preferred);
        }
        audio = api.new_fluid_audio_driver(settings, synth);
        for (const char* name : {"pulseaudio", "pipewire"}) {
            if (audio || first == name || !hasAudioDriver(name)) continue;
            if (api.fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK) continue;
            audio = api.new_fluid_audio_driver(settings, synth);
        }
        return audio != nullptr;
    }

    bool hasAudioDriver(const std::string& name) const {
        struct Search {
            const std::string* name;
            bool found;
        } search{&name, false};
        api.fluid_settings_foreach_option(settings, "audio.driver", &search,
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
bool loadSoundfont(const FluidApi& fluid, fluid_synth_t* synth, const std::vector<std::string>& paths,
                   std::string* tried) {
    for (const std::string& path : paths) {
        std::error_code ec;
        const char* reason = nullptr;
        if (!std::filesystem::is_regular_file(path, ec))
            reason = "not found";
        else if (!looksLikeSoundfont(path))
            reason = "not a soundfont";
        else if (fluid.fluid_synth_sfload(synth, path.c_str(), 1) == FLUID_FAILED)
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
    std::string loadError;
    const FluidApi* api = fluidApi(&loadError);
    if (!api) {
        *result = MidiOutDriver::DriverFailed;
        *detail = loadError;
        return nullptr;
    }
    installLog(*api);
    takeLog();
    auto fail = [&](int code, std::string text) -> std::unique_ptr<MidiOutSynth> {
        *result = code;
        const std::string said = takeLog();
        *detail = said.empty() ? text : text + " (" + said + ")";
        return nullptr;
    };
    auto fluid = std::make_unique<Fluid>(*api);
    fluid->settings = api->new_fluid_settings();
    if (!fluid->settings) return fail(MidiOutDriver::DriverFailed, "Out of memory.");
    // The user-interface thread sends every event; FluidSynth's audio thread
    // renders them: its thread-safe API keeps the two apart.
    api->fluid_settings_setint(fluid->settings, "synth.threadsafe-api", 1);
    api->fluid_settings_setnum(fluid->settings, "synth.gain", kGain);
    fluid->synth = api->new_fluid_synth(fluid->settings);
    if (!fluid->synth) return fail(MidiOutDriver::DriverFailed, "The synthesizer could not be created.");
    std::string tried;
    if (!loadSoundfont(*api, fluid->synth, soundfonts, &tried))
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
    const FluidApi& api = fluid_->api;
    fluid_synth_t* synth = fluid_->synth;
    const int channel = static_cast<int>(message & 0x0F);
    const int data1 = static_cast<int>((message >> 8) & 0x7F);
    const int data2 = static_cast<int>((message >> 16) & 0x7F);
    switch (message & 0xF0) {
        case 0x80: api.fluid_synth_noteoff(synth, channel, data1); break;
        case 0x90:
            if (data2 == 0)
                api.fluid_synth_noteoff(synth, channel, data1);
            else
                api.fluid_synth_noteon(synth, channel, data1, data2);
            break;
        case 0xA0: api.fluid_synth_key_pressure(synth, channel, data1, data2); break;
        case 0xB0: api.fluid_synth_cc(synth, channel, data1, data2); break;
        case 0xC0: api.fluid_synth_program_change(synth, channel, data1); break;
        case 0xD0: api.fluid_synth_channel_pressure(synth, channel, data1); break;
        case 0xE0: api.fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7)); break;
        default: break;  // not a channel message
    }
}

void MidiOutSynth::Render(float* interleaved, int frames) {
    if (fluid_->audio || frames <= 0) return;
    fluid_->api.fluid_synth_write_float(fluid_->synth, frames, interleaved, 0, 2, interleaved, 1, 2);
}

double MidiOutSynth::SampleRate() const {
    double rate = 44100.0;
    fluid_->api.fluid_settings_getnum(fluid_->settings, "synth.sample-rate", &rate);
    return rate;
}
