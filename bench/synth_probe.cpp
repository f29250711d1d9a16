// Probe for bench/synth.sh (not a benchmark by itself): the main window
// started as the program starts it, on the soundfont QF_SOUNDFONT names,
// playing through the sound server the script set up, recorded from the
// server's monitor (QF_MONITOR) by monitor_record, which lets an idle sink
// suspend. Each strum is played as a user plays one: Play clicked with the
// real pointer resting on it (xdotool: pressed, released kPress later), half a
// second after a chord was chosen in the Chord Dictionary, or with nothing
// chosen since the last strum. Prints one line:
//   start_ms     click to sound of the first strum after start
//   s10_ms       the same after 10 s of silence
//   warm_ms      the same with the sound output running (a strum just before)
//   s60_ms       the same after 60 s of silence
//   replay_ms    Play clicked again 10 s later, no chord chosen in between
//   replay60_ms  and again 60 s after that, no chord chosen either
//   press_min_ms, press_max_ms
//                the shortest and longest time from pressing Play to the
//                click (its release), as the X server saw them
//   idle_pct     processor time per wall time, all threads, over the 8 s
//                after the silencing timer has run following the first strum
//   rest_pct     the same over the last 20 s of the 60 s silence
//   play_pct     the same over 12 s of a strum every 1.5 s
//   threads      the threads the process has while idle
//   silent       the strums after which the recording has no sound ("none")
//   close_ns     the wall clock (ns) as the window is closed; the script
//                takes the time of the process's end
// Click to sound is from the click (the release of the button, when the X
// server saw it) to the first attack in the recording,
// the recording's samples put on the monotonic clock by when they are handed
// over (the earliest hand-over in the seconds after the click bounds the
// delay).
//
// With QF_CLOSE_AFTER_MS the probe only closes the window that long after it
// showed and prints close_ns; with QF_SILENT_SERVER too, the sound server it
// reaches takes the connection at that path and never answers.

#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QInputEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <mutex>
#include <thread>
#include <vector>

#include "ConsolePrompter.h"
#include "DisplayPlatform.h"
#include "MIDI_OUT.h"
#include "SelectorButton.h"
#include "ctlChordExt.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "probe_support.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 44100;
constexpr auto kReach = std::chrono::milliseconds(500);  // from the chord chosen to Play
// How long Play is held down, for xdotool: a quick click, at the short end of
// how long people hold a mouse button.
const char* const kPress = "0.06";

void RunFor(Clock::duration length) {
    QEventLoop loop;
    QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(length), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec();
}

void RunUntil(const std::function<bool()>& done) {
    while (!done()) RunFor(std::chrono::milliseconds(5));
}

// monitor_record (beside the probe) of the monitor, 16-bit mono, each
// hand-over kept with its time.
class Recording {
public:
    explicit Recording(const QByteArray& monitor) {
        int fds[2];
        if (monitor.isEmpty() || pipe(fds) != 0) return;
        const std::string device = monitor.toStdString();
        const std::string recorder = (QCoreApplication::applicationDirPath() + "/monitor_record").toStdString();
        pid_ = fork();
        if (pid_ == 0) {
            dup2(fds[1], 1);
            close(fds[0]);
            close(fds[1]);
            execl(recorder.c_str(), "monitor_record", device.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (pid_ < 0) {
            close(fds[0]);
            return;
        }
        fd_ = fds[0];
        reader_ = std::thread([this] { read(); });
    }
    ~Recording() {
        if (pid_ > 0) kill(pid_, SIGTERM);
        if (reader_.joinable()) reader_.join();
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
        if (fd_ >= 0) close(fd_);
    }
    bool Started() const { return fd_ >= 0; }
    // The processor time of the thread that keeps the recording, which is
    // the probe's, not the program's.
    double CpuSeconds() {
        clockid_t clock;
        timespec t{};
        if (!reader_.joinable() || pthread_getcpuclockid(reader_.native_handle(), &clock) != 0 ||
            clock_gettime(clock, &t) != 0)
            return 0;
        return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
    }

    // Milliseconds from `click` to the first attack after it, or -1 when
    // none comes within `within`. An attack: a block of 32 samples above
    // -40 dBFS and twice as loud as any of the 30 ms before it (its last 8 ms,
    // while it rises, left out), so that a strum is found over the tail of
    // the one before it.
    double SoundAfter(Clock::time_point click, Clock::duration within) {
        RunUntil([&] { return Clock::now() > click + within + std::chrono::milliseconds(500); });
        std::lock_guard<std::mutex> lock(mutex_);
        // Where sample 0 lies on the clock: no hand-over comes before its
        // samples were made, and the quickest of those after the click tells it.
        double zero = 1e300;
        for (const Handover& h : handovers_)
            if (h.time >= click && h.time <= click + within)
                zero = std::min(zero, seconds(h.time) - static_cast<double>(h.samples) / kRate);
        if (zero == 1e300) return -1;
        constexpr long kBlock = 32, kBefore = 52, kRise = 12;
        auto level = [&](long block) {
            int peak = 0;
            for (long i = block * kBlock; i < (block + 1) * kBlock; ++i)
                peak = std::max(peak, std::abs(static_cast<int>(samples_[static_cast<size_t>(i)])));
            return peak / 32768.0;
        };
        const long first = std::max(kBefore, static_cast<long>((seconds(click) - zero) * kRate) / kBlock);
        const long last = std::min(static_cast<long>(samples_.size()) / kBlock,
                                   static_cast<long>((seconds(click + within) - zero) * kRate) / kBlock);
        for (long b = first; b < last; ++b) {
            double before = 0;
            for (long k = b - kBefore; k < b - kRise; ++k) before = std::max(before, level(k));
            const double now = level(b);
            if (now > 0.01 && now > 2 * before)
                return 1000.0 * (zero + static_cast<double>(b * kBlock) / kRate - seconds(click));
        }
        return -1;
    }

private:
    struct Handover {
        size_t samples;  // all kept so far
        Clock::time_point time;
    };
    static double seconds(Clock::time_point t) { return std::chrono::duration<double>(t.time_since_epoch()).count(); }

    void read() {
        std::vector<char> buffer(4096);
        std::vector<char> odd;
        for (;;) {
            const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
            if (got <= 0) return;
            const Clock::time_point now = Clock::now();
            odd.insert(odd.end(), buffer.begin(), buffer.begin() + got);
            std::lock_guard<std::mutex> lock(mutex_);
            const size_t whole = odd.size() / 2;
            for (size_t i = 0; i < whole; ++i)
                samples_.push_back(static_cast<int16_t>(static_cast<uint8_t>(odd[2 * i]) |
                                                        (static_cast<uint8_t>(odd[2 * i + 1]) << 8)));
            odd.erase(odd.begin(), odd.begin() + static_cast<long>(2 * whole));
            handovers_.push_back({samples_.size(), now});
        }
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread reader_;
    std::mutex mutex_;
    std::vector<int16_t> samples_;
    std::vector<Handover> handovers_;
};

// When the X server saw Play pressed and released, on the monotonic clock:
// the click as the user made it, whenever the program got to it. The server
// stamps its events in milliseconds of the same clock (wrapping at 2^32).
class ClickTimes : public QObject {
public:
    Clock::time_point pressed{}, released{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            const auto now = Clock::now();
            const auto nowMs = static_cast<uint32_t>(
                std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count());
            const auto stamp = static_cast<uint32_t>(static_cast<QInputEvent*>(event)->timestamp());
            const auto lag = std::chrono::milliseconds(static_cast<int32_t>(nowMs - stamp));
            // A stamp of another clock (or none) leaves the time it was taken here.
            const bool sameClock = lag >= std::chrono::milliseconds(0) && lag < std::chrono::seconds(1);
            (event->type() == QEvent::MouseButtonPress ? pressed : released) = sameClock ? now - lag : now;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Runs xdotool with `args` (the pointer of the X display the probe is on),
// not waiting for it: the window goes on taking its events meanwhile.
pid_t Pointer(std::vector<std::string> args) {
    std::vector<char*> argv;
    args.insert(args.begin(), "xdotool");
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, "xdotool", nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return pid;
}

// A sound server that takes connections at `path` and never answers: the
// socket listens, and nothing reads it. Kept open for the run.
bool SilentServer(const QByteArray& path) {
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (server < 0 || static_cast<size_t>(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    unlink(path.constData());
    if (bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(server, 16) != 0)
        return false;
    qputenv("PULSE_SERVER", "unix:" + path);
    return true;
}

// The wall clock in ns, printed as the window is closed.
long long WallNs() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

// Closes the window `after` it showed: what quitting while the synthesizer
// still starts its sound output costs.
int CloseEarly(QApplication& app, int after) {
    const QByteArray silent = qgetenv("QF_SILENT_SERVER");
    if (!silent.isEmpty() && !SilentServer(silent)) {
        std::fprintf(stderr, "synth_probe: no silent sound server could be made at %s\n", silent.constData());
        return 1;
    }
    const auto driver = probe::SoundfontDriver();
    frmMain* window = probe::StartMainWindow(driver.get());
    if (!window) return 1;
    QTimer::singleShot(after, [window] {
        std::printf("close_ns=%lld\n", WallNs());
        std::fflush(stdout);
        window->close();
    });
    const int code = app.exec();
    modMain::Shutdown();
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    DisplayPlatform::PreferX11(argc, argv);
    QApplication app(argc, argv);
    ConsolePrompter console;
    if (qEnvironmentVariableIsSet("QF_CLOSE_AFTER_MS"))
        return CloseEarly(app, qEnvironmentVariableIntValue("QF_CLOSE_AFTER_MS"));
    Recording recording(qgetenv("QF_MONITOR"));
    if (!recording.Started()) {
        std::fprintf(stderr, "synth_probe: monitor_record could not be started on QF_MONITOR\n");
        return 1;
    }
    const auto driver = probe::SoundfontDriver();
    frmMain* window = probe::StartMainWindow(driver.get());
    if (!window) return 1;
    frmMain& main = *window;
    main.MIDI()->HScroll1()->setValue(9);  // the fastest tempo: a strum is over well within 1.5 s
    RunUntil([&] { return main.MidiOutputOpened() && !main.Output()->IsLoading(); });
    RunFor(std::chrono::milliseconds(200));

    // The pointer rests on Play from here on: the clicks with nothing chosen
    // in between come with no pointer entering it, only its press.
    QPushButton* play = main.MIDI()->cmdPlay();
    const QPoint onPlay = play->mapToGlobal(play->rect().center());
    const pid_t move = Pointer({"mousemove", "--sync", std::to_string(onPlay.x()), std::to_string(onPlay.y())});
    if (move < 0) {
        std::fprintf(stderr, "synth_probe: xdotool could not be started\n");
        return 1;
    }
    int moved = -1;
    RunUntil([&] { return waitpid(move, &moved, WNOHANG) == move; });
    RunFor(std::chrono::milliseconds(200));
    ClickTimes times;
    play->installEventFilter(&times);
    bool clicked = false;
    // Connected after the panel's own: runs once the playback is over.
    QObject::connect(play, &QPushButton::clicked, [&] { clicked = true; });

    // Processor use while `during` runs, in percent of one core, the
    // recording's own left out.
    auto cpuPercent = [&recording](const std::function<void()>& during) {
        auto cpu = [&recording] { return probe::CpuSeconds() - recording.CpuSeconds(); };
        const double cpu0 = cpu();
        const Clock::time_point t0 = Clock::now();
        during();
        const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
        return 100.0 * (cpu() - cpu0) / wall;
    };
    QByteArray silent;
    Clock::time_point ended{};
    double shortestPress = 1e9, longestPress = 0;
    // Play clicked (after choosing C or A Major, or nothing), then how long
    // until it sounded; the playback runs inside the click.
    auto strum = [&](const char* name, int key) {
        if (key >= 0) {
            main.Key()->Button(key)->click();
            main.ChordExt()->ExtButton(0)->click();
            RunFor(kReach);
        }
        if (!play->isEnabled()) {
            std::fprintf(stderr, "synth_probe: Play is disabled before the %s strum\n", name);
            std::exit(1);
        }
        clicked = false;
        const Clock::time_point asked = Clock::now();
        const pid_t click = Pointer({"mousedown", "1", "sleep", kPress, "mouseup", "1"});
        if (click > 0) {
            RunUntil([&] { return clicked || Clock::now() - asked > std::chrono::seconds(5); });
            waitpid(click, nullptr, 0);
        }
        if (!clicked) {
            std::fprintf(stderr, "synth_probe: the pointer did not click Play for the %s strum\n", name);
            std::exit(1);
        }
        ended = Clock::now();
        const double held = std::chrono::duration<double, std::milli>(times.released - times.pressed).count();
        shortestPress = std::min(shortestPress, held);
        longestPress = std::max(longestPress, held);
        const double ms = recording.SoundAfter(times.released, std::chrono::seconds(2));
        if (ms < 0) silent += (silent.isEmpty() ? "" : ",") + QByteArray(name);
        return ms;
    };
    // One wait, not a polling loop: the idle figures are of the program.
    auto silence = [&](Clock::duration length) { RunFor(std::max(Clock::duration(), ended + length - Clock::now())); };
    constexpr int kC = 2, kA = 0;

    const double start = strum("start", kC);
    RunUntil([&] { return !main.tmrOff().isActive(); });
    const double idle = cpuPercent([&] { silence(std::chrono::seconds(10) - kReach); });
    const auto threads = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    const double s10 = strum("10s", kA);
    silence(std::chrono::milliseconds(500));
    const double warm = strum("warm", kC);
    silence(std::chrono::seconds(40));
    const double rest = cpuPercent([&] { silence(std::chrono::seconds(60) - kReach); });
    const double s60 = strum("60s", kA);
    silence(std::chrono::seconds(10));
    const double replay = strum("replay", -1);
    silence(std::chrono::seconds(60));
    const double replay60 = strum("replay60", -1);

    const double playing = cpuPercent([&] {
        for (int i = 0; i < 8; ++i) {
            const Clock::time_point begin = Clock::now();
            play->click();
            RunUntil([&] { return Clock::now() - begin >= std::chrono::milliseconds(1500); });
        }
    });

    QTimer::singleShot(0, [&] {
        std::printf("start_ms=%.1f s10_ms=%.1f warm_ms=%.1f s60_ms=%.1f replay_ms=%.1f replay60_ms=%.1f "
                    "press_min_ms=%.1f press_max_ms=%.1f idle_pct=%.2f rest_pct=%.2f play_pct=%.2f threads=%d "
                    "silent=%s close_ns=%lld\n",
                    start, s10, warm, s60, replay, replay60, shortestPress, longestPress, idle, rest, playing,
                    static_cast<int>(threads), silent.isEmpty() ? "none" : silent.constData(), WallNs());
        std::fflush(stdout);
        main.close();
    });
    const int code = app.exec();
    modMain::Shutdown();
    return code;
}
