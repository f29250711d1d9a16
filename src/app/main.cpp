// Quillfret Pro.
#include <QApplication>

#include "AppIcon.h"
#include "AppInfo.h"
#include "AppSettings.h"
#include "DisplayPlatform.h"
#include "modMain.h"

int main(int argc, char** argv) {
    DisplayPlatform::PreferX11(argc, argv);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(AppSettings::AppTitle());
    QCoreApplication::setApplicationVersion(AppInfo::VersionText());
    // Every window, the chart windows too, and the tray show the program's icon.
    QApplication::setWindowIcon(AppIcon::Icon());
    QGuiApplication::setDesktopFileName(QStringLiteral("quillfret-pro"));
    // The windows that remain (chart windows) close with the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    return modMain::Main(app);
}
