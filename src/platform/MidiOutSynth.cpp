#include "MidiOutSynth.h"
#include "MidiOutSynthWorker.h"

#include <dlfcn.h>
#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <type_traits>

#include "MidiOutDriver.h"
#include "PeakLimiter.h"

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
    decltype(&::fluid_synth_get_active_voice_count) fluid_synth_get_active_voice_count;
    decltype(&::fluid_synth_process) fluid_synth_process;
    decltype(&::new_fluid_audio_driver2) new_fluid_audio_driver2;
    decltype(&::delete_fluid_audio_driver) delete_fluid_audio_driver;
};

namespace {

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
        bind(table.fluid_synth_get_active_voice_count, "fluid_synth_get_active_voice_count");
        bind(table.fluid_synth_process, "fluid_synth_process");
        bind(table.new_fluid_audio_driver2, "new_fluid_audio_driver2");
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
// that a failed open can tell the user why. Never destroyed: a thread still
// starting a sound output may log while the program exits.
std::mutex& logMutex() {
    static auto* m = new std::mutex;
    return *m;
}

std::string& logText() {
    static auto* text = new std::string;
    return *text;
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

// What went wrong, with what FluidSynth logged meanwhile.
std::string withLog(const std::string& text) {
    const std::string said = takeLog();
    return said.empty() ? text : text + " (" + said + ")";
}

}  // namespace

MidiOutSynth::Fluid::~Fluid() {
    stopAudio();
    if (synth) api.delete_fluid_synth(synth);
    if (settings) api.delete_fluid_settings(settings);
}

namespace {

// The sound output's period: the synthesizer rendered with its effects
// mixed into the two channels, as FluidSynth's own drivers render it, then
// kept from clipping.
int renderLimited(void* data, int frames, int, float*[], int channels, float* out[]) {
    auto* fluid = static_cast<MidiOutSynth::Fluid*>(data);
    for (int c = 0; c < channels; ++c) std::fill(out[c], out[c] + frames, 0.0f);
    const int result = fluid->api.fluid_synth_process(fluid->synth, frames, channels, out, channels, out);
    if (channels >= 2) fluid->limiter->Process(out[0], out[1], frames, 1);
    fluid->rendered += frames;
    return result;
}

}  // namespace

// FluidSynth's own choice first; a sound server as the fallback, only where
// this FluidSynth has a driver for it (asking for a missing one only adds a
// line to the log the user reads).
bool MidiOutSynth::Fluid::startAudio() {
    char* preferred = nullptr;
    std::string first;
    if (api.fluid_settings_dupstr(settings, "audio.driver", &preferred) == FLUID_OK && preferred) {
        first = preferred;
        api.fluid_free(preferred);
    }
    audio = api.new_fluid_audio_driver2(settings, renderLimited, this);
    for (const char* name : {"pulseaudio", "pipewire"}) {
        if (audio || first == name || !hasAudioDriver(name)) continue;
        if (api.fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK) continue;
        audio = api.new_fluid_audio_driver2(settings, renderLimited, this);
    }
    return audio != nullptr;
}

void MidiOutSynth::Fluid::stopAudio() {
    if (audio) api.delete_fluid_audio_driver(audio);
    audio = nullptr;
}

bool MidiOutSynth::Fluid::hasAudioDriver(const std::string& name) const {
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

std::unique_ptr<MidiOutSynth::Fluid> MidiOutSynth::Fluid::Build(const std::vector<std::string>& soundfonts,
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
    auto fail = [&](int code, const std::string& text) -> std::unique_ptr<Fluid> {
        *result = code;
        *detail = withLog(text);
        return nullptr;
    };
    auto fluid = std::make_unique<Fluid>(*api);
    fluid->settings = api->new_fluid_settings();
    if (!fluid->settings) return fail(MidiOutDriver::DriverFailed, "Out of memory.");
    // The user-interface thread sends every event; FluidSynth's audio thread
    // renders them: its thread-safe API keeps the two apart.
    api->fluid_settings_setint(fluid->settings, "synth.threadsafe-api", 1);
    api->fluid_settings_setnum(fluid->settings, "synth.gain", kGain);
    // Samples are read when a program change selects their instrument, not
    // all at once: a 148 MB soundfont opens in a fraction of the time and
    // memory, and FluidSynth's parallel loader (and its spinning threads)
    // never starts.
    api->fluid_settings_setint(fluid->settings, "synth.dynamic-sample-loading", 1);
    api->fluid_settings_setint(fluid->settings, "audio.period-size", kPeriodFrames);
    api->fluid_settings_setint(fluid->settings, "audio.periods", kPeriods);
    fluid->synth = api->new_fluid_synth(fluid->settings);
    if (!fluid->synth) return fail(MidiOutDriver::DriverFailed, "The synthesizer could not be created.");
    double rate = 44100.0;
    api->fluid_settings_getnum(fluid->settings, "synth.sample-rate", &rate);
    fluid->limiter = std::make_unique<PeakLimiter>(rate);
    std::string tried;
    if (!loadSoundfont(*api, fluid->synth, soundfonts, &tried))
        return fail(MidiOutDriver::NoSoundfont,
                    "No General MIDI soundfont could be loaded. Tried: " + (tried.empty() ? "no path" : tried) + ".");
    *result = MidiOutDriver::Ok;
    detail->clear();
    return fluid;
}

void MidiOutSynth::Fluid::apply(uint32_t message) {
    const int channel = static_cast<int>(message & 0x0F);
    const int data1 = static_cast<int>((message >> 8) & 0x7F);
    const int data2 = static_cast<int>((message >> 16) & 0x7F);
    switch (message & 0xF0) {
        case 0x80: api.fluid_synth_noteoff(synth, channel, data1); break;
        case 0x90:
            if (data2 == 0) {
                api.fluid_synth_noteoff(synth, channel, data1);
            } else {
                soundEnded[channel] = false;
                api.fluid_synth_noteon(synth, channel, data1, data2);
            }
            break;
        case 0xA0: api.fluid_synth_key_pressure(synth, channel, data1, data2); break;
        case 0xB0:
            // All notes off (123) after all sound off (120) has nothing left to
            // release, and FluidSynth would put the voices that 120 is ending
            // back into their release: a stopped chord would ring on for
            // seconds with a soundfont of long releases.
            if (data1 == 123 && soundEnded[channel]) break;
            if (data1 == 120) soundEnded[channel] = true;
            api.fluid_synth_cc(synth, channel, data1, data2);
            break;
        case 0xC0: api.fluid_synth_program_change(synth, channel, data1); break;
        case 0xD0: api.fluid_synth_channel_pressure(synth, channel, data1); break;
        case 0xE0: api.fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7)); break;
        default: break;  // not a channel message
    }
}

// Locked: asks for the sound output if it is off.
void MidiOutSynth::Worker::wantSound() {
    if (sound != Sound::Off || loading || closing || failure != MidiOutDriver::Ok) return;
    sound = Sound::Wanted;
    wake.notify_all();
}

// Locked: tells the owner (unlocked) that Loading or Failure changed.
void MidiOutSynth::Worker::tell(std::unique_lock<std::mutex>& lock) {
    wake.notify_all();
    if (closing || !changed) return;
    std::function<void()> told = changed;
    telling = true;
    lock.unlock();
    told();
    told = nullptr;  // what it holds goes too before Close returns
    lock.lock();
    telling = false;
    wake.notify_all();
}

// Locked: the outcome of opening, or a failure since.
void MidiOutSynth::Worker::settle(std::unique_lock<std::mutex>& lock, int result, std::string text) {
    loading = false;
    failure = result;
    detail = std::move(text);
    if (result != MidiOutDriver::Ok) sound = Sound::Off;
    tell(lock);
}

// Unlocked: waits until sound comes out of the output just started, that is
// until it has taken its buffer and two periods more. A sound server may need
// a while to wake its device; notes sent before would come out late,
// together. Gives up after a few seconds, and on closing.
void MidiOutSynth::Worker::awaitSound(const Fluid& started) {
    const long long target = started.rendered + kPeriodFrames * (kPeriods + 2);
    const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(3);
    while (started.rendered < target && Clock::now() < giveUp) {
        std::unique_lock<std::mutex> lock(mutex);
        if (wake.wait_for(lock, std::chrono::milliseconds(2), [this] { return closing; })) return;
    }
}

std::unique_ptr<MidiOutSynth> MidiOutSynth::Start(std::vector<std::string> soundfonts, Output output) {
    std::unique_ptr<MidiOutSynth> synth(new MidiOutSynth());
    synth->worker_ = std::make_shared<Worker>(std::move(soundfonts), output);
    synth->worker_->thread = std::thread([worker = synth->worker_] { Worker::run(worker); });
    return synth;
}

void MidiOutSynth::Worker::run(const std::shared_ptr<Worker>& self) {
    Worker& w = *self;
    int result = MidiOutDriver::Ok;
    std::string detail;
    std::unique_ptr<Fluid> opened = Fluid::Build(w.soundfonts, &result, &detail);
    std::unique_lock<std::mutex> lock(w.mutex);
    const bool live = w.output == Output::Live;
    if (opened && live && !w.closing) {
        lock.unlock();
        const bool started = opened->startAudio();
        if (started)
            w.awaitSound(*opened);
        else
            detail = withLog("No sound output could be opened.");
        takeLog();
        lock.lock();
        if (!started) result = MidiOutDriver::NoAudioOutput;
        w.sound = started ? Sound::On : Sound::Off;
    }
    if (w.closing || result != MidiOutDriver::Ok) {
        w.pending.clear();
        if (!w.closing) w.settle(lock, result, detail);
        lock.unlock();
        opened.reset();  // a sound output not yet sounding may take a while to stop
        return;
    }
    w.fluid = std::move(opened);
    // What came meanwhile, in order.
    for (uint32_t message : w.pending) w.fluid->apply(message);
    w.pending.clear();
    w.lastSound = Clock::now();
    w.settle(lock, MidiOutDriver::Ok, std::string());
    if (!live) return;
    w.keepSound(lock);
    if (!w.closing) return;  // failed: closing frees it
    std::unique_ptr<Fluid> done = std::move(w.fluid);
    lock.unlock();
    done.reset();
}

// Locked, on the thread: until closing (or a failure), stops the sound
// output after a silence and starts it again when asked for.
void MidiOutSynth::Worker::keepSound(std::unique_lock<std::mutex>& lock) {
    const auto quiet = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(kQuietSeconds));
    while (!closing) {
        if (sound == Sound::Wanted) {
            sound = Sound::Starting;
            tell(lock);
            lock.unlock();
            const bool started = fluid->startAudio();
            if (started) awaitSound(*fluid);
            const std::string why = started ? std::string() : withLog("The sound output could not be started again.");
            lock.lock();
            if (!started) {
                settle(lock, MidiOutDriver::NoAudioOutput, why);
                return;
            }
            sound = Sound::On;
            lastSound = Clock::now();
            tell(lock);
            continue;
        }
        if (sound == Sound::Off) {
            wake.wait(lock);
            continue;
        }
        wake.wait_for(lock, std::chrono::milliseconds(250));
        if (closing) break;
        const Clock::time_point now = Clock::now();
        if (fluid->api.fluid_synth_get_active_voice_count(fluid->synth) > 0) lastSound = now;
        if (now - lastSound < quiet) continue;
        // Off under the lock: a note sent from now on asks for it again.
        sound = Sound::Off;
        lock.unlock();
        fluid->stopAudio();
        lock.lock();
    }
}

MidiOutSynth::~MidiOutSynth() { Close(); }

// A sound output still starting (a sound server waking its device) may take
// seconds to start, or to stop before it has: closing then leaves the thread
// to finish and free it, rather than waiting. Only a change being told is
// waited for: the owner may go as soon as Close returns.
int MidiOutSynth::Close() {
    if (!worker_) return MidiOutDriver::Ok;
    Worker& w = *worker_;
    bool starting = false;
    {
        std::unique_lock<std::mutex> lock(w.mutex);
        w.closing = true;
        w.changed = nullptr;
        w.wake.wait(lock, [&w] { return !w.telling; });
        starting = w.Unready();
    }
    w.wake.notify_all();
    if (!w.thread.joinable()) return MidiOutDriver::Ok;
    if (starting) {
        w.thread.detach();
        return MidiOutDriver::Ok;
    }
    w.thread.join();
    std::unique_ptr<Fluid> done;
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        done = std::move(w.fluid);
    }
    return MidiOutDriver::Ok;
}

bool MidiOutSynth::Loading() const {
    std::lock_guard<std::mutex> lock(worker_->mutex);
    return worker_->Unready();
}

void MidiOutSynth::Wake() {
    Worker& w = *worker_;
    if (w.output != Output::Live) return;
    std::lock_guard<std::mutex> lock(w.mutex);
    // Running, it stays on for the playback to come.
    w.lastSound = Worker::Clock::now();
    w.wantSound();
}

int MidiOutSynth::Failure(std::string* detail) const {
    std::lock_guard<std::mutex> lock(worker_->mutex);
    if (detail) *detail = worker_->detail;
    return worker_->failure;
}

void MidiOutSynth::OnChange(std::function<void()> changed) {
    std::lock_guard<std::mutex> lock(worker_->mutex);
    if (!worker_->closing) worker_->changed = std::move(changed);
}

void MidiOutSynth::Send(uint32_t message) {
    Worker& w = *worker_;
    std::lock_guard<std::mutex> lock(w.mutex);
    if (w.closing || w.failure != MidiOutDriver::Ok) return;
    if (w.loading) {
        w.pending.push_back(message);
        return;
    }
    const bool noteOn = (message & 0xF0) == 0x90 && ((message >> 16) & 0x7F) != 0;
    if (noteOn && w.output == Output::Live) {
        w.lastSound = Worker::Clock::now();
        w.wantSound();
    }
    w.fluid->apply(message);
}

void MidiOutSynth::Render(float* interleaved, int frames) {
    Worker& w = *worker_;
    if (w.output != Output::Offline || frames <= 0) return;
    std::lock_guard<std::mutex> lock(w.mutex);
    if (w.loading || !w.fluid) return;
    Fluid& fluid = *w.fluid;
    fluid.api.fluid_synth_write_float(fluid.synth, frames, interleaved, 0, 2, interleaved, 1, 2);
    fluid.limiter->Process(interleaved, interleaved + 1, frames, 2);
}

double MidiOutSynth::SampleRate() const {
    double rate = 44100.0;
    std::lock_guard<std::mutex> lock(worker_->mutex);
    if (!worker_->loading && worker_->fluid)
        worker_->fluid->api.fluid_settings_getnum(worker_->fluid->settings, "synth.sample-rate", &rate);
    return rate;
}
