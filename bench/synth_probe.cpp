// Probe for bench/synth.sh (not a benchmark by itself): the main window
// started as the program starts it, on the soundfont QF_SOUNDFONT names,
// playing through the sound server the script set up. Prints one line:
//   idle_pct   processor time per wall time, all threads, over the 10 s
//              after the silencing timer has run following one strum
//   play_pct   the same over 12 s of a strum every 1.5 s
//   wake_ms    how long a playback waits, after a silence, for the sound
//              output to start again (mean over 3)
//   cold_ms    how much later than the note after it the first note sounds
//              then (mean over 3 pairs; negative is earlier)
//   warm_ms    the same for two notes with the sound output running
//   threads    the threads the process has then
//   onsets     the note onsets found in the recording of the server's
//              monitor (QF_MONITOR, recorded with parec), 12 when all were
//   close_ns   the wall clock (ns) as the window is closed; the script
//              takes the time of the process's end
// The onset figures need parec and QF_MONITOR, and are "none" without them.

#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "ConsolePrompter.h"
#include "DisplayPlatform.h"
#include "MIDI_OUT.h"
#include "ctlMIDI.h"
#include "probe_support.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 44100;
constexpr auto kGap = std::chrono::milliseconds(300);
constexpr auto kQuiet = std::chrono::milliseconds(60);
constexpr int kPairs = 3;

void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void RunUntil(const std::function<bool()>& done) {
    while (!done()) RunFor(5);
}

// Processor use while `during` runs, in percent of one core.
double CpuPercent(const std::function<void()>& during) {
    const double cpu0 = probe::CpuSeconds();
    const Clock::time_point t0 = Clock::now();
    during();
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    return 100.0 * (probe::CpuSeconds() - cpu0) / wall;
}

// Two notes kGap apart, each after a quiet of kQuiet (all notes off); gives
// the time between the two note-ons as sent.
double NotePair(MIDI_OUT& out) {
    const Clock::time_point first = Clock::now();
    out.SendShortMsg(0x90, 60, 110);
    std::this_thread::sleep_until(first + kGap - kQuiet);
    out.AllNotesOff();
    std::this_thread::sleep_until(first + kGap);
    const Clock::time_point second = Clock::now();
    out.SendShortMsg(0x90, 67, 110);
    std::this_thread::sleep_until(second + kGap - kQuiet);
    out.AllNotesOff();
    return std::chrono::duration<double, std::milli>(second - first).count();
}

// Onsets (ms from the start) in 16-bit mono, by blocks of 32 samples: the
// first block above -34 dBFS that is twice as loud as any of the 30 ms
// before its attack (the last 8 ms, while it rises, left out). Over a
// reverberation tail (FluidR3's instruments send to it whatever the
// controllers say) the second note is found some milliseconds into its
// attack: compare the first note after a silence with the same pair sent
// while the output runs.
std::vector<double> Onsets(const QByteArray& raw) {
    const auto* samples = reinterpret_cast<const int16_t*>(raw.constData());
    const size_t count = static_cast<size_t>(raw.size()) / 2;
    constexpr size_t kBlock = 32, kBefore = 52, kRise = 12;
    std::vector<double> level;
    for (size_t i = 0; i + kBlock <= count; i += kBlock) {
        int peak = 0;
        for (size_t j = i; j < i + kBlock; ++j) peak = std::max(peak, std::abs(static_cast<int>(samples[j])));
        level.push_back(peak / 32768.0);
    }
    std::vector<double> onsets;
    for (size_t b = kBefore; b < level.size(); ++b) {
        double before = 0;
        for (size_t k = b - kBefore; k < b - kRise; ++k) before = std::max(before, level[k]);
        if (level[b] > 0.02 && level[b] > 2 * before) {
            onsets.push_back(1000.0 * static_cast<double>(b * kBlock) / kRate);
            b += static_cast<size_t>(0.1 * kRate / kBlock);  // one onset a note
        }
    }
    return onsets;
}

}  // namespace

int main(int argc, char** argv) {
    DisplayPlatform::PreferX11(argc, argv);
    QApplication app(argc, argv);
    ConsolePrompter console;
    const auto driver = probe::SoundfontDriver();
    frmMain* window = probe::StartMainWindow(driver.get());
    if (!window) return 1;
    frmMain& main = *window;
    MIDI_OUT& out = *main.Output();
    main.MIDI()->HScroll1()->setValue(9);  // the fastest tempo: a strum is over well within 1.5 s
    RunUntil([&] { return main.MidiOutputOpened() && !main.Output()->IsLoading(); });
    RunFor(200);

    main.MIDI()->cmdPlay()->click();
    RunUntil([&] { return !main.tmrOff().isActive(); });
    const double idle = CpuPercent([] { RunFor(10000); });
    const auto threads = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();

    double cold = 0, warm = 0, wake = 0;
    int onsetCount = -1;
    const QString monitor = qEnvironmentVariable("QF_MONITOR");
    QTemporaryFile recording;
    if (!monitor.isEmpty() && recording.open()) {
        QProcess parec;
        parec.setStandardOutputFile(recording.fileName());
        parec.start(QStringLiteral("parec"), {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                              QStringLiteral("--channels=1"), QStringLiteral("--rate=44100"),
                                              QStringLiteral("-d"), monitor});
        std::vector<double> sent;
        if (parec.waitForStarted()) {
            out.AllNotesOff();
            // As little reverberation and chorus as the soundfont lets be.
            out.ControlChange(0, 91, 0);
            out.ControlChange(0, 93, 0);
            for (int i = 0; i < kPairs; ++i) {
                RunFor(5000);  // long enough a silence for the sound output to stop
                // As a playback begins: the output wakes, and the notes wait for it.
                const Clock::time_point asked = Clock::now();
                out.Wake();
                RunUntil([&] { return !out.IsLoading(); });
                wake += std::chrono::duration<double, std::milli>(Clock::now() - asked).count() / kPairs;
                sent.push_back(NotePair(out));
                RunFor(300);
                sent.push_back(NotePair(out));
            }
            RunFor(500);
            parec.terminate();
            parec.waitForFinished();
        }
        QFile recorded(recording.fileName());  // written by parec, not through this handle
        const std::vector<double> onsets = Onsets(recorded.open(QIODevice::ReadOnly) ? recorded.readAll() : QByteArray());
        onsetCount = static_cast<int>(onsets.size());
        if (onsets.size() == 2 * sent.size()) {
            for (size_t i = 0; i < sent.size(); ++i) {
                const double late = sent[i] - (onsets[2 * i + 1] - onsets[2 * i]);
                (i % 2 == 0 ? cold : warm) += late / kPairs;
            }
        }
    }
    // Every onset found, or the pairs cannot be told apart.
    const bool timed = onsetCount == 2 * 2 * kPairs;
    auto ms = [timed](double value) { return timed ? QByteArray::number(value, 'f', 1) : QByteArray("none"); };

    const double play = CpuPercent([&] {
        for (int i = 0; i < 8; ++i) {
            const Clock::time_point start = Clock::now();
            main.MIDI()->cmdPlay()->click();
            RunUntil([&] { return Clock::now() - start >= std::chrono::milliseconds(1500); });
        }
    });

    QTimer::singleShot(0, [&] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("idle_pct=%.2f threads=%d play_pct=%.2f wake_ms=%.1f cold_ms=%s warm_ms=%s onsets=%d close_ns=%lld\n",
                    idle, static_cast<int>(threads), play, wake, ms(cold).constData(), ms(warm).constData(), onsetCount,
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        main.close();
    });
    const int code = app.exec();
    modMain::Shutdown();
    return code;
}
