// The toolkit's empty window, timed as startup_probe times the main window
// (bench/startup.sh): from the launch (QF_LAUNCH_NS) to its first paint.
// The yardstick for the machine the benchmark runs on.

#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "startup_clock.h"

namespace {

class EmptyWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        std::printf("startup_ms=%.1f cpu_ms=%.1f\n", StartupClock::MsSinceLaunch(), StartupClock::CpuMs());
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
