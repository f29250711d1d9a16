#include "modMain.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <limits>
#include <new>

#include "AppFonts.h"
#include "AppIcon.h"
#include "AppInfo.h"
#include "AppPaths.h"
#include "AppSettings.h"
#include "ChartFile.h"
#include "Prompter.h"
#include "SingleInstance.h"
#include "frmMain.h"
#include "frmSplash.h"

namespace modMain {
namespace {

const QString kFirst = QStringLiteral("First");

// A plain pointer, released by Shutdown: when the toolkit ends the process
// itself (its display gone), no exit handler may take apart a window that a
// message box on the stack still belongs to.
frmMain*& mainWindow() {
    static frmMain* window = nullptr;
    return window;
}

SingleInstance& instance() {
    static SingleInstance lock;
    return lock;
}

int16_t toInt16(long long value) {
    if (value > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (value < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(value);
}

void showError(int number, const QString& description) {
    Prompter::Current().Message(QStringLiteral("Error: %1\r\n\r\n%2").arg(number).arg(description),
                                AppSettings::AppTitle(), Prompter::Icon::Exclamation);
}

}  // namespace

frmMain* gMain() { return mainWindow(); }

int16_t GetRunCount() {
    bool isNumber = false;
    const long long count =
        AppSettings::GetSetting(AppSettings::Section(), kFirst, QStringLiteral("0")).trimmed().toLongLong(&isNumber);
    if (!isNumber) {
        // A damaged counter: a first run only if the charts were never written.
        const bool first = !QDir(ChartFile::ChartFolder()).exists();
        AppSettings::SaveSetting(AppSettings::Section(), kFirst, first ? QStringLiteral("1") : QStringLiteral("2"));
        return first ? 1 : 2;
    }
    if (count >= 2) return toInt16(count);
    AppSettings::SaveSetting(AppSettings::Section(), kFirst, QString::number(count + 1));
    return toInt16(count + 1);
}

bool FirstInstance(const QStringList& arguments) {
    if (instance().TryLock()) {
        // A later start brings this copy to the front (the main window
        // decides whether it is up to that yet).
        instance().Listen([] {
            if (frmMain* window = mainWindow()) window->BringToFront();
        });
        return true;
    }
    // The running copy may be out of sight: it comes to the front, and this
    // start ends as before.
    instance().AskToFront();
    if (arguments.join(QLatin1Char(' ')) == QLatin1String("ziridezar")) {
        Prompter::Current().Message(
            QStringLiteral("Quillfret Pro is already running!\r\n\r\n(Check behind the ebook or in your tray...)"),
            AppSettings::AppTitle(), Prompter::Icon::Exclamation);
    }
    return false;
}

void ShowMainWindow(MidiOutDriver* driver) {
    QPointer<frmSplash> splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->Label1(1)->setText(AppInfo::VersionText());
    splash->show();
    splash->repaint();

    mainWindow() = new frmMain(driver);
    mainWindow()->Form_Load();
    mainWindow()->show();
    mainWindow()->activateWindow();

    if (splash) splash->close();
}

void Shutdown() {
    // Unloads the window as closing it does, when nothing closed it yet.
    if (mainWindow()) mainWindow()->close();
    delete mainWindow();
    mainWindow() = nullptr;
    instance().Release();
}

void DescribeApplication() {
    QCoreApplication::setApplicationName(AppSettings::AppTitle());
    QCoreApplication::setApplicationVersion(AppInfo::VersionText());
    // Every window, the chart windows too, and the tray show the program's icon.
    QApplication::setWindowIcon(AppIcon::Icon());
    QGuiApplication::setDesktopFileName(QStringLiteral("quillfret-pro"));
    // The windows that remain (chart windows) close with the main window.
    QApplication::setQuitOnLastWindowClosed(false);
}

int Main(QApplication& app) {
    try {
        if (!FirstInstance(QApplication::arguments().mid(1))) return 0;
        AppPaths::InitAppFolder();
        AppFonts::RegisterAppFonts();
        ShowMainWindow();
    } catch (const std::bad_alloc&) {
        showError(7, QStringLiteral("Out of memory"));
        Shutdown();
        return 1;
    } catch (const std::exception& e) {
        showError(5, QString::fromLocal8Bit(e.what()));
        Shutdown();
        return 1;
    }
    const int code = app.exec();
    Shutdown();
    return code;
}

}  // namespace modMain
