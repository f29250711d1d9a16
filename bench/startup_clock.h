#pragma once
// The two clocks of the start-up probes (bench/startup.sh), shared so that
// the main window and the toolkit's empty window are timed the same way.

#include <QtGlobal>
#include <chrono>
#include <cstdlib>
#include <ctime>

namespace StartupClock {

// Milliseconds since the launch: QF_LAUNCH_NS, the wall clock in ns, taken
// by the script just before it started this process.
inline double MsSinceLaunch() {
    static const long long launch = std::atoll(qgetenv("QF_LAUNCH_NS").constData());
    const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();
    return static_cast<double>(now - launch) / 1e6;
}

// The processor time the process has used so far, all its threads, in ms.
inline double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace StartupClock
