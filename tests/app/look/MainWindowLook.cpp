// Not a test: the main window in each mode, as the program starts it, saved
// as screenshots of the whole screen (with the tablature window beside it).
// Run under a display: scripts/mainwin-look.sh.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QThread>

#include "AppFonts.h"
#include "AppPaths.h"
#include "ConsolePrompter.h"
#include "SelectorButton.h"
#include "ctlChordExt.h"
#include "ctlKey.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"
#include "frmMain.h"
#include "frmTips.h"
#include "modMain.h"

namespace {

void settle(int ms = 150) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

void shoot(const QString& folder, const char* name) {
    settle();
    const QRect area(0, 0, 560, 470);
    QApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillfret Pro"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);
    AppPaths::InitAppFolder();
    AppFonts::RegisterAppFonts();
    // No sound card here: the device error goes to the console, not a message box.
    ConsolePrompter console;
    modMain::ShowMainWindow();
    frmMain& main = *modMain::gMain();
    main.move(0, 0);
    settle(600);

    main.Key()->Button(2)->click();
    main.ChordExt()->ExtButton(0)->click();
    shoot(folder, "mode0-chords");

    main.mnuScales()->trigger();
    main.Key()->Button(0)->click();
    main.Pos()->List()->setCurrentIndex(1);
    main.ScaleExt()->Button(0)->click();
    shoot(folder, "mode1-scales");

    main.mnuChartPlay()->trigger();
    shoot(folder, "mode2-chartplay");

    main.mnuChordGen()->trigger();
    for (QPoint p : {QPoint(22, 7), QPoint(38, 33), QPoint(55, 33), QPoint(70, 20)})
        QTest::mouseClick(main.Neck(), Qt::LeftButton, {}, p);
    shoot(folder, "mode3-generator");
    {
        frmTips tips(&main);
        tips.move(280, 0);
        tips.show();
        tips.txt(4)->setText(QStringLiteral("3"));
        tips.txt(5)->setText(QStringLiteral("x"));
        shoot(folder, "mode3-tab-entry");
    }

    main.mnuChartMan()->trigger();
    shoot(folder, "mode4-chartman");
    modMain::Shutdown();
    return 0;
}
