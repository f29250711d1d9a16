// Playback timing through the recording output: how far each note-on lands
// from its ideal time (first note-on + k x step) for chords and scales at
// every tempo step, whether the error grows over a 30-note scale, and how
// much processor time the waits use. Counters, in milliseconds:
//   mean_ms  mean signed onset error (late is positive)
//   p99_ms   99th percentile of the absolute onset error
//   max_ms   largest absolute onset error
//   drift_ms growth of the error over 30 notes (least-squares slope x 30)
//   cpu_pct  processor time of the process per wall time while playing
// Goal: mean under 0.5 ms, p99 under 2 ms, no drift, under 5 % of one core.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

#include "AppSettings.h"
#include "MIDI_OUT.h"
#include "PrivateEnvironment.h"
#include "MidiOutRecorder.h"
#include "ctlMIDI.h"

namespace {

using Clock = std::chrono::steady_clock;

MidiOutRecorder* gRecorder = nullptr;
ctlMIDI* gPanel = nullptr;

const QString kChord = QStringLiteral("48~52~55~60~64");  // C major: 5 note-ons, one a step
// 16 notes: 31 note-ons up and down, 30 steps after the first.
const QString kScale = QStringLiteral("40~42~44~45~47~49~51~52~54~56~57~59~61~63~64~66");

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Figures {
    std::vector<double> errors;  // ms, all onsets after the first of each run
    double slopeSum = 0.0;       // ms per note, summed over runs
    int runs = 0;
};

// Onset errors of one run; adds its least-squares slope of error against note number.
void measureRun(double delay, Figures& figures) {
    std::vector<Clock::time_point> onsets;
    for (const auto& m : gRecorder->Messages())
        if ((m.value & 0xF0) == 0x90) onsets.push_back(m.time);
    if (onsets.size() < 2) return;
    double sk = 0, se = 0, skk = 0, ske = 0;
    const double n = static_cast<double>(onsets.size() - 1);
    for (size_t k = 1; k < onsets.size(); ++k) {
        const double actual = std::chrono::duration<double, std::milli>(onsets[k] - onsets[0]).count();
        const double error = actual - static_cast<double>(k) * delay * 1000.0;
        figures.errors.push_back(error);
        sk += static_cast<double>(k);
        se += error;
        skk += static_cast<double>(k * k);
        ske += static_cast<double>(k) * error;
    }
    const double denominator = n * skk - sk * sk;
    if (denominator > 0) figures.slopeSum += (n * ske - sk * se) / denominator;
    ++figures.runs;
}

void report(benchmark::State& state, Figures& figures, double cpu, double wall) {
    std::vector<double> absolute;
    for (double e : figures.errors) absolute.push_back(std::fabs(e));
    std::sort(absolute.begin(), absolute.end());
    double mean = 0;
    for (double e : figures.errors) mean += e;
    mean /= std::max<size_t>(1, figures.errors.size());
    const size_t p99 = absolute.empty() ? 0 : std::min(absolute.size() - 1, (absolute.size() * 99) / 100);
    state.counters["mean_ms"] = mean;
    state.counters["p99_ms"] = absolute.empty() ? 0 : absolute[p99];
    state.counters["max_ms"] = absolute.empty() ? 0 : absolute.back();
    state.counters["drift_ms"] = figures.runs ? 30.0 * figures.slopeSum / figures.runs : 0;
    state.counters["cpu_pct"] = wall > 0 ? 100.0 * cpu / wall : 0;
    state.counters["onsets"] = static_cast<double>(figures.errors.size());
}

void playAtTempo(benchmark::State& state, bool scale) {
    const int tempo = static_cast<int>(state.range(0));
    gPanel->HScroll1()->setValue(tempo);
    const double delay = ctlMIDI::TempoDelay(tempo);
    Figures figures;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        gRecorder->Clear();
        const double cpu0 = cpuSeconds();
        const auto t0 = Clock::now();
        if (scale)
            gPanel->PlayScale(kScale);
        else
            gPanel->PlayChord(kChord);
        wall += std::chrono::duration<double>(Clock::now() - t0).count();
        cpu += cpuSeconds() - cpu0;
        measureRun(delay, figures);
    }
    report(state, figures, cpu, wall);
}

void BM_Chord(benchmark::State& state) { playAtTempo(state, false); }
void BM_Scale(benchmark::State& state) { playAtTempo(state, true); }

}  // namespace

int main(int argc, char** argv) {
    PrivateEnvironment environment;  // never the user's own settings or data
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    AppSettings::SaveSetting(QStringLiteral("Settings"), QStringLiteral("Strum"), QStringLiteral("0"));

    MidiOutRecorder recorder;
    gRecorder = &recorder;
    MIDI_OUT out(recorder);
    out.OpenDevice(-1);
    auto panel = std::make_unique<ctlMIDI>();
    panel->SetOutput(&out);
    gPanel = panel.get();

    // About one second of playing per case at the fast tempos; once at the slow ones.
    for (int tempo = 1; tempo <= 9; ++tempo) {
        const double delay = ctlMIDI::TempoDelay(tempo);
        const auto chordRuns = static_cast<benchmark::IterationCount>(std::max(1.0, std::ceil(1.0 / (7 * delay))));
        const auto scaleRuns = static_cast<benchmark::IterationCount>(std::max(1.0, std::ceil(1.0 / (31 * delay))));
        benchmark::RegisterBenchmark("BM_Chord", BM_Chord)->Arg(tempo)->Iterations(chordRuns)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_Scale", BM_Scale)->Arg(tempo)->Iterations(scaleRuns)->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    panel.reset();
    out.CloseDevice();
    return 0;
}
