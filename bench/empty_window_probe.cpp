// The toolkit's empty window, timed as startup_probe times the main window
// (bench/startup.sh): from the launch (QF_LAUNCH_NS) to its first paint.
// The yardstick for the machine the benchmark runs on.

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class EmptyWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        const long long launch = std::atoll(qgetenv("QF_LAUNCH_NS").constData());
        const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count();
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("startup_ms=%.1f cpu_ms=%.1f\n", static_cast<double>(now - launch) / 1e6,
                    static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6);
        std::fflush(stdout);
        QApplication::quit();
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    EmptyWindow window;
    window.resize(264, 451);
    window.show();
    return app.exec();
}
