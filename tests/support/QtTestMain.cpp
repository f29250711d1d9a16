// Main for widget tests: offscreen platform, and private runtime, settings
// and data folders so that no test touches the real user's files, and no two
// test processes (nor a running program) share a lock or a local socket.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "AppFonts.h"
#include "PrivateEnvironment.h"

int main(int argc, char** argv) {
    PrivateEnvironment environment;
    if (!environment.Valid()) {
        std::fprintf(stderr, "%s\n", qPrintable(environment.Error()));
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    AppFonts::RegisterAppFonts();
    return RUN_ALL_TESTS();
}
