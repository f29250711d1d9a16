// Start-up probe for bench/startup.sh (not a benchmark by itself): starts
// the main window exactly as the program does, chooses C and Major at once
// (as a user's first two clicks), and prints one line:
//   startup_ms  from the launch (QF_LAUNCH_NS, the wall clock in ns, taken
//               by the script just before it started this process) until
//               the fretboard has painted C Major
//   cpu_ms      the processor time the process had used by then (all its
//               threads; steadier than the wall clock on a busy machine)
//   midi_ms     from the launch until the MIDI output has opened (the
//               built-in synthesizer's soundfont loaded), after the first paint
//   rss_mib     resident memory then
//   synth       1 when the built-in synthesizer is open

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "AppFonts.h"
#include "AppPaths.h"
#include "ConsolePrompter.h"
#include "DisplayPlatform.h"
#include "MIDI_OUT.h"
#include "SelectorButton.h"
#include "ctlChordExt.h"
#include "ctlKey.h"
#include "ctlNeck.h"
#include "frmMain.h"
#include "modMain.h"
#include "startup_clock.h"

namespace {

double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

class PaintWatch : public QObject {
public:
    double paintedAt = -1;
    double cpuAt = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* neck = static_cast<ctlNeck*>(watched);
        // The window's surface goes to the display right after this paint.
        if (event->type() == QEvent::Paint && paintedAt < 0 && !neck->ChordCode().isEmpty()) {
            paintedAt = StartupClock::MsSinceLaunch();
            cpuAt = StartupClock::CpuMs();
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    DisplayPlatform::PreferX11(argc, argv);
    QApplication app(argc, argv);
    modMain::DescribeApplication();
    if (!modMain::FirstInstance({})) return 1;
    AppPaths::InitAppFolder();
    AppFonts::RegisterAppFonts();
    ConsolePrompter console;  // a failing device says so on the console
    modMain::ShowMainWindow();
    frmMain& main = *modMain::gMain();
    PaintWatch watch;
    main.Neck()->installEventFilter(&watch);
    main.Key()->Button(2)->click();
    main.ChordExt()->ExtButton(0)->click();

    double midiAt = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (midiAt < 0 && main.MidiOutputOpened()) midiAt = StartupClock::MsSinceLaunch();
        if (watch.paintedAt < 0 || midiAt < 0) return;
        std::printf("startup_ms=%.1f cpu_ms=%.1f midi_ms=%.1f rss_mib=%.1f synth=%d\n", watch.paintedAt,
                    watch.cpuAt, midiAt, residentMiB(), main.Output()->IsOpen() ? 1 : 0);
        std::fflush(stdout);
        app.quit();
    });
    poll.start(1);
    const int code = app.exec();
    modMain::Shutdown();
    return code;
}
