#pragma once
// What the probes of bench/startup.sh and bench/synth.sh share: the main
// window started exactly as the program starts it, on the soundfont the
// script names, and the process's resident memory and processor time.

#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <memory>
#include <string>

#include "AppFonts.h"
#include "AppPaths.h"
#include "MidiOutSystem.h"
#include "frmMain.h"
#include "modMain.h"

namespace probe {

inline double ResidentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Processor time of the whole process (every thread), in seconds.
inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The system's MIDI devices, the built-in synthesizer playing the soundfont
// QF_SOUNDFONT names; null (the program's own search) when it names none.
inline std::unique_ptr<MidiOutSystem> SoundfontDriver() {
    const QByteArray path = qgetenv("QF_SOUNDFONT");
    if (path.isEmpty()) return nullptr;
    return std::make_unique<MidiOutSystem>(std::vector<std::string>{path.toStdString()});
}

// The program's start-up up to its main window shown; null when another
// instance runs.
inline frmMain* StartMainWindow(MidiOutDriver* driver) {
    modMain::DescribeApplication();
    if (!modMain::FirstInstance({})) return nullptr;
    AppPaths::InitAppFolder();
    AppFonts::RegisterAppFonts();
    modMain::ShowMainWindow(driver);
    return modMain::gMain();
}

}  // namespace probe
