// Start-up probe for bench/startup.sh (not a benchmark by itself): starts
// the main window exactly as the program does, on the soundfont QF_SOUNDFONT
// names (else the program's own), chooses C and Major at once (as a user's
// first two clicks), watches the user-interface thread for two seconds from
// that first paint, then strums once and prints one line:
//   startup_ms  from the launch (QF_LAUNCH_NS, the wall clock in ns, taken
//               by the script just before it started this process) until
//               the fretboard has painted C Major
//   cpu_ms      the processor time the process had used by then (all its
//               threads; steadier than the wall clock on a busy machine)
//   stall_ms    the longest the user-interface thread went without turning
//               to its events in the two seconds from that paint
//   midi_ms     from the launch until the MIDI output could sound (the
//               built-in synthesizer's soundfont loaded), after the first paint
//   rss_mib     resident memory then
//   strum_mib   resident memory after one strum
//   synth       1 when the built-in synthesizer is open

#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "ConsolePrompter.h"
#include "DisplayPlatform.h"
#include "MIDI_OUT.h"
#include "SelectorButton.h"
#include "ctlChordExt.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "probe_support.h"
#include "startup_clock.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kWatch = std::chrono::seconds(2);

// From the first paint of C Major: the longest wait between two turns of the
// event loop, seen by a timer asking for every millisecond.
class StallWatch : public QObject {
public:
    double paintedAt = -1;
    double cpuAt = -1;
    double longestMs = 0;
    bool Done() const { return paintedAt >= 0 && Clock::now() - painted_ > kWatch; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* neck = static_cast<ctlNeck*>(watched);
        // The window's surface goes to the display right after this paint.
        if (event->type() == QEvent::Paint && paintedAt < 0 && !neck->ChordCode().isEmpty()) {
            paintedAt = StartupClock::MsSinceLaunch();
            cpuAt = StartupClock::CpuMs();
            painted_ = last_ = Clock::now();
            tick_.setTimerType(Qt::PreciseTimer);
            QObject::connect(&tick_, &QTimer::timeout, [this] { Tick(); });
            tick_.start(1);
        }
        return false;
    }

private:
    void Tick() {
        const Clock::time_point now = Clock::now();
        longestMs = std::max(longestMs, std::chrono::duration<double, std::milli>(now - last_).count());
        last_ = now;
        if (now - painted_ > kWatch) tick_.stop();
    }

    QTimer tick_;
    Clock::time_point painted_, last_;
};

}  // namespace

int main(int argc, char** argv) {
    DisplayPlatform::PreferX11(argc, argv);
    QApplication app(argc, argv);
    ConsolePrompter console;  // a failing device says so on the console
    const auto driver = probe::SoundfontDriver();
    frmMain* window = probe::StartMainWindow(driver.get());
    if (!window) return 1;
    frmMain& main = *window;
    StallWatch watch;
    main.Neck()->installEventFilter(&watch);
    main.MIDI()->HScroll1()->setValue(9);  // the fastest tempo keeps the strum short
    main.Key()->Button(2)->click();
    main.ChordExt()->ExtButton(0)->click();

    double midiAt = -1, rssAt = 0;
    bool strummed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (midiAt < 0 && main.MidiOutputOpened() && !main.Output()->IsLoading()) {
            midiAt = StartupClock::MsSinceLaunch();
            rssAt = probe::ResidentMiB();
        }
        if (!watch.Done() || midiAt < 0 || strummed) return;
        strummed = true;
        main.MIDI()->cmdPlay()->click();  // plays C Major, returning when it has rung out
        std::printf("startup_ms=%.1f cpu_ms=%.1f stall_ms=%.1f midi_ms=%.1f rss_mib=%.1f strum_mib=%.1f synth=%d\n",
                    watch.paintedAt, watch.cpuAt, watch.longestMs, midiAt, rssAt, probe::ResidentMiB(),
                    main.Output()->IsOpen() ? 1 : 0);
        std::fflush(stdout);
        main.close();  // as the user closes it: a quit alone would stop at the tablature window
    });
    poll.start(1);
    const int code = app.exec();
    modMain::Shutdown();
    return code;
}
