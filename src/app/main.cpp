// Quillfret Pro.
#include <QApplication>

#include "AppInfo.h"
#include "AppSettings.h"
#include "modMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(AppSettings::AppTitle());
    QCoreApplication::setApplicationVersion(AppInfo::VersionText());
    // The windows that remain (chart windows) close with the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    return modMain::Main(app);
}
