// The built-in synthesizer heard offline: a chord strummed by the panel,
// replayed into the synthesizer without an audio device, holds the pitches of
// its notes, sounds at a proper level and is silent after all notes off;
// what is sent while the soundfont loads plays in order once it has; the
// soundfont search and a missing sound output are the error paths; the live
// sound output stops after a silence, starts again for the next note, stays
// on while playbacks wake it, never holds up closing, and has told its
// owner its last change when Close returns; Stop leaves no voice sounding
// with either of Debian's soundfonts.
//
// What is measured renders with the soundfont scripts/install-deps installs,
// whatever the machine's default is; one test plays the machine's default,
// and the Stop test FluidR3 too where it is installed.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <numeric>
#include <stdexcept>
#include <thread>

#include <fluidsynth.h>

#include "MidiOutDriver.h"
#include "MidiOutSynth.h"
#include "MidiOutSynthWorker.h"
#include "MidiOutSystem.h"
#include "MidiTestSupport.h"

using namespace miditest;

// What the tests see inside the synthesizer: the live sound output's state
// and the voices sounding.
struct MidiOutSynthProbe {
    using Sound = MidiOutSynth::Worker::Sound;
    static Sound SoundOutput(const MidiOutSynth& synth) {
        std::lock_guard<std::mutex> lock(synth.worker_->mutex);
        return synth.worker_->sound;
    }
    static bool SoundOutputRunning(const MidiOutSynth& synth) { return SoundOutput(synth) == Sound::On; }
    static int ActiveVoices(const MidiOutSynth& synth) {
        std::lock_guard<std::mutex> lock(synth.worker_->mutex);
        return synth.worker_->fluid ? fluid_synth_get_active_voice_count(synth.worker_->fluid->synth) : -1;
    }
    // Expires once the synthesizer's thread has ended and freed what it opened.
    static std::weak_ptr<MidiOutSynth::Worker> Worker(const MidiOutSynth& synth) { return synth.worker_; }
};

namespace {

constexpr double kStepSeconds = 0.25;
const std::string kTimGM6mb = "/usr/share/sounds/sf2/TimGM6mb.sf2";

double NoteFrequency(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// Power of one frequency in a block of samples (Goertzel), per sample.
double Goertzel(const std::vector<float>& x, size_t from, size_t to, double frequency, double rate) {
    const double coeff = 2.0 * std::cos(2.0 * M_PI * frequency / rate);
    double s1 = 0.0, s2 = 0.0;
    for (size_t i = from; i < to; ++i) {
        const double s0 = x[i] + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double n = static_cast<double>(to - from);
    return (s1 * s1 + s2 * s2 - coeff * s1 * s2) / (n * n);
}

double Rms(const std::vector<float>& x, size_t from, size_t to) {
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += static_cast<double>(x[i]) * x[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

// Plays recorded messages into the synthesizer, each step's wait lasting
// kStepSeconds; gives the left channel, the frame at which each message went
// in, and the largest magnitude of either channel.
struct Replay {
    std::vector<float> left;
    std::vector<size_t> frameOf;
    float peak = 0.0f;
};

Replay Render(MidiOutSynth& synth, const std::vector<uint32_t>& values, const std::vector<size_t>& marks,
              double leadSeconds, double tailSeconds) {
    Replay r;
    const double rate = synth.SampleRate();
    auto render = [&](double seconds) {
        const int frames = static_cast<int>(seconds * rate);
        std::vector<float> buffer(static_cast<size_t>(frames) * 2);
        synth.Render(buffer.data(), frames);
        for (int i = 0; i < frames; ++i) r.left.push_back(buffer[static_cast<size_t>(i) * 2]);
        for (float sample : buffer) r.peak = std::max(r.peak, std::fabs(sample));
    };
    render(leadSeconds);
    size_t mark = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        for (; mark < marks.size() && marks[mark] <= i; ++mark) render(kStepSeconds);
        r.frameOf.push_back(r.left.size());
        synth.Send(values[i]);
    }
    for (; mark < marks.size(); ++mark) render(kStepSeconds);
    render(tailSeconds);
    return r;
}

// Waits until `done` holds; fails when it still does not after `limit`.
::testing::AssertionResult WaitUntil(const std::function<bool()>& done, const char* what,
                                     std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto giveUp = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp)
            return ::testing::AssertionFailure() << "waited " << limit.count() << " ms for " << what;
        QThread::msleep(5);
    }
    return ::testing::AssertionSuccess();
}

// Started as the program starts it, and loaded: gives its result code, with
// *detail what went wrong.
int StartAndLoad(std::unique_ptr<MidiOutSynth>* synth, const std::vector<std::string>& soundfonts,
                 MidiOutSynth::Output output, std::string* detail) {
    *synth = MidiOutSynth::Start(soundfonts, output);
    MidiOutSynth& s = **synth;
    EXPECT_TRUE(WaitUntil([&] { return !s.Loading(); }, "the synthesizer to load"));
    return s.Failure(detail);
}

std::unique_ptr<MidiOutSynth> OpenOffline(const std::vector<std::string>& soundfonts = {kTimGM6mb}) {
    std::unique_ptr<MidiOutSynth> synth;
    std::string detail;
    const int result = StartAndLoad(&synth, soundfonts, MidiOutSynth::Output::Offline, &detail);
    EXPECT_EQ(result, MidiOutDriver::Ok) << detail;
    if (result != MidiOutDriver::Ok) synth.reset();
    return synth;
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name), had_(qEnvironmentVariableIsSet(name)) {
        old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// ALSA's null device as the sound output, which takes whatever it is given,
// for the life of the object. A configuration that cannot be written fails
// the test there (GoogleTest reports what is thrown from a test).
class NullSoundOutput {
public:
    NullSoundOutput() {
        QFile file(config_);
        const QByteArray text = "pcm.!default { type null }\n";
        if (!dir_.isValid() || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush())
            throw std::runtime_error("ALSA's null device could not be set up: " + path_.toStdString() +
                                     " could not be written");
    }

private:
    QTemporaryDir dir_;
    const QString config_ = dir_.filePath(QStringLiteral("asound.conf"));
    const QByteArray path_ = config_.toLocal8Bit();
    const ScopedEnv alsa_{"ALSA_CONFIG_PATH", path_.constData()};
    const ScopedEnv pulse_{"PULSE_SERVER", "unix:/nonexistent/pulse/native"};
};

class SynthRenderTest : public MidiFixture {};

TEST_F(SynthRenderTest, StrummedCMajorHoldsItsPitchesAndIsSilentAfterAllNotesOff) {
    auto synth = OpenOffline();
    ASSERT_NE(synth, nullptr);

    StepPanel panel(recorder, out);
    panel.HScroll1()->setValue(9);
    SetSetting("Strum", QStringLiteral("0"));
    panel.SetSound(25);
    const size_t programEnd = recorder.Messages().size();
    panel.PlayChord(QStringLiteral("48~52~55~60~64"));  // C major, open position
    ASSERT_EQ(Tokens(recorder.Values(), panel.marks), "off prog25 off 48 | 52 | 55 | 60 | 64 | | | off");

    const Replay r = Render(*synth, recorder.Values(), panel.marks, 0.1, 1.0);
    const double rate = synth->SampleRate();
    EXPECT_LT(Rms(r.left, 0, r.frameOf[0]), 1e-6);  // nothing before the first note

    // The chord as it rings: from 0.1 s after its last note to just before all notes off.
    const auto& values = recorder.Values();
    size_t lastNoteOn = 0;
    for (size_t i = 0; i < values.size(); ++i)
        if ((values[i] & 0xF0) == 0x90) lastNoteOn = i;
    const size_t finalOff = values.size() - 32;
    ASSERT_GT(finalOff, lastNoteOn);
    ASSERT_GT(lastNoteOn, programEnd);
    const size_t from = r.frameOf[lastNoteOn] + static_cast<size_t>(0.1 * rate);
    const size_t to = r.frameOf[finalOff] - static_cast<size_t>(0.02 * rate);
    ASSERT_GT(to, from + static_cast<size_t>(0.3 * rate));

    double weakestChordNote = 1e9;
    for (int note : {48, 52, 55, 60, 64})
        weakestChordNote = std::min(weakestChordNote, Goertzel(r.left, from, to, NoteFrequency(note), rate));
    // Semitones that are neither chord notes nor their overtones.
    double strongestOther = 0.0;
    for (int note : {49, 51, 54, 57, 58, 62})
        strongestOther = std::max(strongestOther, Goertzel(r.left, from, to, NoteFrequency(note), rate));
    EXPECT_GT(weakestChordNote, 10.0 * strongestOther)
        << "weakest chord note " << weakestChordNote << ", strongest other " << strongestOther;
    EXPECT_GT(Rms(r.left, from, to), 0.01);

    // After all notes off the synthesizer falls silent (once the reverberation has died away).
    const size_t quietFrom = r.frameOf[finalOff] + static_cast<size_t>(0.5 * rate);
    EXPECT_LT(Rms(r.left, quietFrom, r.left.size()), 1e-4) << "level while ringing " << Rms(r.left, from, to);
}

// The peak of six strings at full velocity on the default instrument
// (steel-string guitar) in strum pattern `pattern`, in dBFS.
double FullStrumPeakDbfs(MidiOutSynth& synth, StepPanel& panel, MidiOutRecorder& recorder, int pattern) {
    SetSetting("Strum", QString::number(pattern));
    recorder.Clear();
    panel.marks.clear();
    panel.SetSound(25);
    panel.PlayChord(QStringLiteral("40~47~52~56~59~64"));  // E major, all six strings
    const Replay r = Render(synth, recorder.Values(), panel.marks, 0.05, 1.0);
    return 20.0 * std::log10(static_cast<double>(r.peak));
}

// Strummed at once (alone, and at the end of the default pattern): loud
// enough to be heard at a normal volume, with headroom left.
TEST_F(SynthRenderTest, AFullStrumPeaksBetweenMinus9AndMinus3DbfsWithoutClipping) {
    auto synth = OpenOffline();
    ASSERT_NE(synth, nullptr);
    StepPanel panel(recorder, out);
    panel.HScroll1()->setValue(9);
    for (int pattern : {5, 3}) {
        const double dbfs = FullStrumPeakDbfs(*synth, panel, recorder, pattern);
        EXPECT_GE(dbfs, -9.0) << "pattern " << pattern;
        EXPECT_LE(dbfs, -3.0) << "pattern " << pattern;
        RecordProperty("peak_dbfs_pattern_" + std::to_string(pattern), std::to_string(dbfs));
    }
}

// Whatever General MIDI soundfont the machine plays by default (a larger one
// sends more to the reverberation and sounds louder): every pattern's full
// strum at velocity 127 is heard and never clips; nor does the chord held on
// the loudest kinds of instrument (strings, synthesizer strings and brass,
// leads, a pad), which a level that suits the guitar would take far past
// full scale.
TEST_F(SynthRenderTest, TheDefaultSoundfontsFullStrumIsAudibleAndNeverClips) {
    auto synth = OpenOffline(MidiOutSystem::DefaultSoundfonts());
    ASSERT_NE(synth, nullptr);
    StepPanel panel(recorder, out);
    panel.HScroll1()->setValue(9);
    for (int pattern = 0; pattern <= 6; ++pattern) {
        const double dbfs = FullStrumPeakDbfs(*synth, panel, recorder, pattern);
        EXPECT_GE(dbfs, -20.0) << "pattern " << pattern;
        EXPECT_LT(dbfs, 0.0) << "pattern " << pattern;
        RecordProperty("peak_dbfs_pattern_" + std::to_string(pattern), std::to_string(dbfs));
    }
    for (uint32_t program : {48u, 50u, 51u, 62u, 63u, 80u, 81u, 82u, 95u}) {
        std::vector<uint32_t> values = {0x0000B0, 0x0000C0 | (program << 8)};
        for (uint32_t note : {40u, 47u, 52u, 56u, 59u, 64u}) values.push_back(0x7F0090 | (note << 8));
        const size_t held = values.size();
        for (uint32_t off : AllNotesOffValues()) values.push_back(off);
        const Replay r = Render(*synth, values, std::vector<size_t>(6, held), 0.0, 0.2);  // held 1.5 s
        EXPECT_LT(r.peak, 1.0f) << "program " << program;
        EXPECT_GE(20.0 * std::log10(static_cast<double>(r.peak)), -20.0) << "program " << program;
    }
}

TEST_F(SynthRenderTest, SoundfontsAreTriedInTurnAndEveryPathTriedIsNamed) {
    QTemporaryDir dir;
    const std::string missing = "/nonexistent/default-GM.sf2";
    const std::string broken = dir.filePath(QStringLiteral("broken.sf2")).toStdString();
    QFile f(QString::fromStdString(broken));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF but not a soundfont");
    f.close();

    std::unique_ptr<MidiOutSynth> synth;
    std::string detail;
    EXPECT_EQ(StartAndLoad(&synth, {missing, broken}, MidiOutSynth::Output::Offline, &detail),
              MidiOutDriver::NoSoundfont);
    EXPECT_NE(detail.find(missing + " (not found)"), std::string::npos) << detail;
    EXPECT_NE(detail.find(broken + " (not a soundfont)"), std::string::npos) << detail;

    // The first one that loads is played; the ones before it are passed over.
    std::vector<std::string> paths = {missing, broken};
    for (const std::string& path : MidiOutSystem::DefaultSoundfonts()) paths.push_back(path);
    EXPECT_EQ(StartAndLoad(&synth, paths, MidiOutSynth::Output::Offline, &detail), MidiOutDriver::Ok) << detail;
}

// With no sound output the live synthesizer says so, with what the audio
// layer reported and nothing about drivers that this FluidSynth lacks.
TEST_F(SynthRenderTest, NoSoundOutputIsReportedWithWhatTheAudioLayerSaid) {
    const ScopedEnv alsa("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf");
    const ScopedEnv pulse("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    std::unique_ptr<MidiOutSynth> synth;
    std::string detail;
    EXPECT_EQ(StartAndLoad(&synth, {kTimGM6mb}, MidiOutSynth::Output::Live, &detail), MidiOutDriver::NoAudioOutput);
    EXPECT_NE(detail.find("No sound output could be opened"), std::string::npos) << detail;
    EXPECT_NE(detail.find("audio device"), std::string::npos) << detail;
    EXPECT_EQ(detail.find("requested audio driver"), std::string::npos) << detail;
}

// Started in the background, the synthesizer keeps what is sent while its
// soundfont loads and plays it in order once loaded: a note, all sound off,
// over and over while it loads, then a second note; only the second sounds.
TEST_F(SynthRenderTest, WhatIsSentWhileTheSoundfontLoadsPlaysInOrderOnceLoaded) {
    std::unique_ptr<MidiOutSynth> synth;
    int sentWhileLoading = 0;
    // The loading takes some milliseconds; a machine so busy that it is over
    // before the first send gets another go.
    for (int attempt = 0; attempt < 5 && sentWhileLoading == 0; ++attempt) {
        synth = MidiOutSynth::Start({kTimGM6mb}, MidiOutSynth::Output::Offline);
        synth->Send(0x0000B0);  // bank 0
        synth->Send(0x0019C0);  // program 25
        // Fewer notes than the synthesizer has voices: all start before any is rendered.
        for (; synth->Loading() && sentWhileLoading < 50; ++sentWhileLoading) {
            synth->Send(0x7F3C90);  // note 60
            synth->Send(0x0078B0);  // all sound off
        }
    }
    ASSERT_GT(sentWhileLoading, 0);
    synth->Send(0x7F4090);  // note 64
    ASSERT_TRUE(WaitUntil([&] { return !synth->Loading(); }, "the synthesizer to load"));
    std::string detail;
    ASSERT_EQ(synth->Failure(&detail), MidiOutDriver::Ok) << detail;

    std::vector<float> buffer(static_cast<size_t>(synth->SampleRate() * 0.5) * 2);
    synth->Render(buffer.data(), static_cast<int>(buffer.size() / 2));
    std::vector<float> left;
    for (size_t i = 0; i < buffer.size(); i += 2) left.push_back(buffer[i]);
    const double rate = synth->SampleRate();
    const double kept = Goertzel(left, 0, left.size(), NoteFrequency(64), rate);
    const double silenced = Goertzel(left, 0, left.size(), NoteFrequency(60), rate);
    EXPECT_GT(kept, 100.0 * silenced) << "note 64 " << kept << ", note 60 " << silenced;
    EXPECT_GT(Rms(left, 0, left.size()), 0.01);
    RecordProperty("pairs_sent_while_loading", sentWhileLoading);
}

// Closed while its soundfont still loads, the synthesizer ends cleanly, and
// the output owning it shows no message; sending after it does nothing.
TEST_F(SynthRenderTest, ClosingWhileTheSoundfontLoadsEndsCleanly) {
    std::atomic<int> changes{0};
    auto synth = MidiOutSynth::Start(MidiOutSystem::DefaultSoundfonts(), MidiOutSynth::Output::Live);
    synth->OnChange([&changes] { ++changes; });
    synth->Send(0x7F3C90);
    EXPECT_EQ(synth->Close(), MidiOutDriver::Ok);
    const int afterClose = changes;
    synth->Send(0x7F3C90);
    const auto worker = MidiOutSynthProbe::Worker(*synth);
    synth.reset();
    EXPECT_EQ(changes, afterClose);
    // Its thread, left to finish, frees all it opened.
    EXPECT_TRUE(WaitUntil([&] { return worker.expired(); }, "the synthesizer's thread to end"));

    MidiOutSystem system;
    MIDI_OUT systemOut(system);
    EXPECT_TRUE(systemOut.OpenDevice(-1));
    systemOut.SetInstrument(0, 0, 25);
    systemOut.CloseDevice();
    EXPECT_FALSE(systemOut.IsLoading());
    QCoreApplication::processEvents();
    EXPECT_TRUE(Errors().empty());
}

// A sound output that is slow to start does not hold up closing: here a
// sound server that takes the connection and never answers, as one waking its
// device. Close returns while the synthesizer's thread still waits for it;
// when the server gives up, the thread ends and frees everything.
TEST_F(SynthRenderTest, ClosingDoesNotWaitForTheSoundOutputToStart) {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("pulse")).toLocal8Bit();
    const int server = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ASSERT_GE(server, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<size_t>(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    ASSERT_EQ(bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(server, 4), 0);
    const ScopedEnv alsa("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf");
    const ScopedEnv pulse("PULSE_SERVER", ("unix:" + path).constData());

    auto synth = MidiOutSynth::Start({kTimGM6mb}, MidiOutSynth::Output::Live);
    const auto worker = MidiOutSynthProbe::Worker(*synth);
    int client = -1;
    EXPECT_TRUE(WaitUntil([&] { return (client = accept(server, nullptr, nullptr)) >= 0; },
                          "the synthesizer to reach the sound server"));
    EXPECT_TRUE(synth->Loading());
    auto closing = std::async(std::launch::async, [&] { synth.reset(); });
    EXPECT_EQ(closing.wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "closing waited for the sound output";
    if (client >= 0) close(client);  // the server gives up
    EXPECT_TRUE(WaitUntil([&] { return worker.expired(); }, "the synthesizer's thread to end"));
    closing.wait();
    close(server);
}

// Live, on a sound output that takes whatever it is given (ALSA's null
// device): started, the output runs; after a silence it stops; a playback
// about to begin, or a note, starts it again.
TEST_F(SynthRenderTest, TheSoundOutputStopsAfterASilenceAndStartsAgainForPlayback) {
    const NullSoundOutput null;

    std::unique_ptr<MidiOutSynth> synth;
    std::string detail;
    ASSERT_EQ(StartAndLoad(&synth, {kTimGM6mb}, MidiOutSynth::Output::Live, &detail), MidiOutDriver::Ok) << detail;
    EXPECT_TRUE(MidiOutSynthProbe::SoundOutputRunning(*synth));
    auto stopped = [&] { return !MidiOutSynthProbe::SoundOutputRunning(*synth); };
    ASSERT_TRUE(WaitUntil(stopped, "the sound output to stop"));
    synth->Send(0x0078B0);  // a controller alone does not ask for it
    EXPECT_EQ(MidiOutSynthProbe::SoundOutput(*synth), MidiOutSynthProbe::Sound::Off);
    // A playback about to begin wakes it, loading until sound comes out.
    synth->Wake();
    EXPECT_TRUE(synth->Loading() || MidiOutSynthProbe::SoundOutputRunning(*synth));
    ASSERT_TRUE(WaitUntil([&] { return !synth->Loading(); }, "the sound output to start"));
    EXPECT_TRUE(MidiOutSynthProbe::SoundOutputRunning(*synth));
    ASSERT_TRUE(WaitUntil(stopped, "the sound output to stop"));
    synth->Send(0x7F3C90);  // so does a note
    EXPECT_TRUE(WaitUntil([&] { return MidiOutSynthProbe::SoundOutputRunning(*synth); }, "the sound output to start"));
    EXPECT_EQ(synth->Failure(&detail), MidiOutDriver::Ok) << detail;
}

// A playback woken while the sound output runs keeps it running: waking
// again and again for longer than the silence after which it stops, it
// never stops nor loads.
TEST_F(SynthRenderTest, WakingKeepsTheRunningSoundOutputFromStopping) {
    const NullSoundOutput null;
    std::unique_ptr<MidiOutSynth> synth;
    std::string detail;
    ASSERT_EQ(StartAndLoad(&synth, {kTimGM6mb}, MidiOutSynth::Output::Live, &detail), MidiOutDriver::Ok) << detail;
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(MidiOutSynth::kQuietSeconds + 1.0);
    int checks = 0;
    while (std::chrono::steady_clock::now() < until) {
        synth->Wake();
        EXPECT_FALSE(synth->Loading()) << "check " << checks;
        EXPECT_TRUE(MidiOutSynthProbe::SoundOutputRunning(*synth)) << "check " << checks;
        ++checks;
        QThread::msleep(100);
    }
}

// Close never leaves the owner's change callback running, which may use
// what the owner frees once Close returns: a callback slow on purpose
// (300 ms), told as the synthesizer opens and as it wakes from a rest, is
// over when Close returns, and no other runs after it.
TEST_F(SynthRenderTest, CloseReturnsOnlyOnceTheChangeBeingToldIsOver) {
    struct Case {
        const char* name;
        bool fromRest;
    };
    for (const Case& c : {Case{"opening", false}, Case{"woken from a rest", true}}) {
        SCOPED_TRACE(c.name);
        const NullSoundOutput null;
        // Shared with the callback, which a faulty Close leaves running past this test.
        struct Told {
            std::atomic<int> begun{0};
            std::atomic<int> ended{0};
        };
        const auto told = std::make_shared<Told>();
        auto slow = [told] {
            ++told->begun;
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            ++told->ended;
        };
        auto synth = MidiOutSynth::Start({kTimGM6mb}, MidiOutSynth::Output::Live);
        if (c.fromRest) {
            ASSERT_TRUE(WaitUntil([&] { return !synth->Loading(); }, "the synthesizer to load"));
            ASSERT_TRUE(WaitUntil([&] { return !MidiOutSynthProbe::SoundOutputRunning(*synth); },
                                  "the sound output to stop"));
            synth->OnChange(slow);
            synth->Wake();
        } else {
            synth->OnChange(slow);
        }
        ASSERT_TRUE(WaitUntil([&] { return told->begun > 0; }, "a change to be told"));
        const auto worker = MidiOutSynthProbe::Worker(*synth);
        synth->Close();
        const int begun = told->begun;
        EXPECT_EQ(told->ended, begun) << "a change was still being told when Close returned";
        synth.reset();
        ASSERT_TRUE(WaitUntil([&] { return worker.expired(); }, "the synthesizer's thread to end"));
        EXPECT_EQ(told->begun, begun) << "a change was told after Close";
    }
}

// Stop on the built-in synthesizer, whatever the soundfont's releases: after
// all-notes-off (120 then 123 on every channel, as every output gets it) and
// one period, no voice sounds, and 100-300 ms later what is heard (the
// reverberation's tail) is at least 30 dB below the strum's peak. Steel-string
// guitar, A major at full velocity.
struct StopCase {
    const char* name;
    std::string soundfont;
    friend void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }
};

class SynthStopTest : public MidiFixture, public ::testing::WithParamInterface<StopCase> {};

TEST_P(SynthStopTest, AllNotesOffLeavesNoVoiceSounding) {
    const std::string& soundfont = GetParam().soundfont;
    if (!std::filesystem::exists(soundfont))
        GTEST_SKIP() << soundfont << " is not installed (Debian's fluid-soundfont-gm installs it)";
    auto synth = OpenOffline({soundfont});
    ASSERT_NE(synth, nullptr);
    StepPanel panel(recorder, out);
    panel.HScroll1()->setValue(9);
    panel.SetSound(25);
    panel.PlayChord(QStringLiteral("45~52~57~61~64"));  // A major, open position
    std::vector<uint32_t> values = recorder.Values();
    ASSERT_GT(values.size(), 32u);
    ASSERT_EQ(std::vector<uint32_t>(values.end() - 32, values.end()), AllNotesOffValues());
    values.resize(values.size() - 32);  // the chord rings until Stop

    const Replay strum = Render(*synth, values, panel.marks, 0.05, 0.5);
    ASSERT_GT(MidiOutSynthProbe::ActiveVoices(*synth), 0);
    for (uint32_t message : AllNotesOffValues()) synth->Send(message);
    std::vector<float> period(static_cast<size_t>(MidiOutSynth::kPeriodFrames) * 2);
    synth->Render(period.data(), MidiOutSynth::kPeriodFrames);
    EXPECT_EQ(MidiOutSynthProbe::ActiveVoices(*synth), 0);

    const double rate = synth->SampleRate();
    const int frames = static_cast<int>(0.3 * rate) - MidiOutSynth::kPeriodFrames;
    std::vector<float> after(static_cast<size_t>(frames) * 2);
    synth->Render(after.data(), frames);
    float tail = 0.0f;
    const size_t from = static_cast<size_t>(0.1 * rate) - MidiOutSynth::kPeriodFrames;
    for (size_t i = from * 2; i < after.size(); ++i) tail = std::max(tail, std::fabs(after[i]));
    const double peakDbfs = 20.0 * std::log10(static_cast<double>(strum.peak));
    const double tailDbfs = 20.0 * std::log10(std::max(static_cast<double>(tail), 1e-9));
    EXPECT_LE(tailDbfs, peakDbfs - 30.0) << "strum peak " << peakDbfs << " dBFS";
    RecordProperty("strum_peak_dbfs", std::to_string(peakDbfs));
    RecordProperty("after_stop_dbfs", std::to_string(tailDbfs));
    std::printf("%s: strum peak %.1f dBFS, 100-300 ms after all-notes-off %.1f dBFS\n", GetParam().name, peakDbfs,
                tailDbfs);
}

INSTANTIATE_TEST_SUITE_P(Soundfonts, SynthStopTest,
                         ::testing::Values(StopCase{"TimGM6mb", kTimGM6mb},
                                           StopCase{"FluidR3", "/usr/share/sounds/sf2/FluidR3_GM.sf2"}),
                         [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

}  // namespace
