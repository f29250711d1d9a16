// Main for widget tests: offscreen platform, and private runtime, settings
// and data folders so that no test touches the real user's files, and no two
// test processes (nor a running program) share a lock or a local socket.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

#include "AppFonts.h"
#include "AppPaths.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever the caller's session has: a runtime folder of this process alone.
    QTemporaryDir runtimeDir;
    if (!runtimeDir.isValid() ||
        !QFile::setPermissions(runtimeDir.path(),
                               QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)) {
        std::fprintf(stderr, "cannot make a private runtime folder: %s\n", qPrintable(runtimeDir.errorString()));
        return 1;
    }
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    ::testing::InitGoogleTest(&argc, argv);

    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QApplication app(argc, argv);
    QTemporaryDir dataDir;
    AppPaths::SetAppFolder(dataDir.path());
    AppFonts::RegisterAppFonts();
    return RUN_ALL_TESTS();
}
