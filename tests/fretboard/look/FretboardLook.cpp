// A look at the fretboard and its selectors as a user sees them: shows them
// in windows and saves screenshots into the folder given (default "shots").
//   fretboard_look [folder]

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "AppFonts.h"
#include "ctlButtons.h"
#include "ctlChordExt.h"
#include "ctlDis.h"
#include "ctlKey.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"

namespace {

void save(QWidget& window, const QString& folder, const QString& name) {
    QPixmap shot = window.screen()->grabWindow(window.winId());
    if (shot.isNull() || shot.size() != window.size()) shot = window.grab();
    shot.save(folder + "/" + name + ".png");
    shot.scaled(shot.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(folder + "/" + name + "-x3.png");
}

ctlNeck* addNeck(QGridLayout* grid, int column, const QString& title) {
    auto* label = new QLabel(title);
    label->setFont(AppFonts::Tahoma());
    grid->addWidget(label, 0, column);
    auto* neck = new ctlNeck;
    grid->addWidget(neck, 1, column);
    return neck;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    AppFonts::RegisterAppFonts();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);

    QWidget necks;
    necks.setWindowTitle("Fretboard");
    QPalette pal = necks.palette();
    pal.setColor(QPalette::Window, Qt::white);
    necks.setPalette(pal);
    auto* grid = new QGridLayout(&necks);
    grid->setHorizontalSpacing(24);
    QString key = "C";
    ctlNeck* chord = addNeck(grid, 0, "C major");
    chord->SetCurrentKeySource([&key] { return key; });
    chord->WriteChord("0,6,3,3,2,2,0,0,1,1,0,0");
    addNeck(grid, 1, "F major (barre)")->WriteChord("1,1,3,3,3,4,2,2,1,7,1,7;1,6,1$F");
    addNeck(grid, 2, "A minor pentatonic, 1")
        ->WriteScale("6,5,1|6,8,4|5,5,1|5,7,3|4,5,1|4,7,3|3,5,1|3,7,3|2,5,1|2,8,4|1,5,1|1,8,4$A");
    addNeck(grid, 3, "E map, stars")->MapNotes("E-G#-B", false, true);
    addNeck(grid, 4, "E map, names")->MapNotes("E-G#-B", true, true);
    addNeck(grid, 5, "Not available")->PrintNoChord("Not Available", "In Root 6 Bar Chords");
    ctlNeck* bare = addNeck(grid, 6, "No numbers");
    bare->WriteChord("3,3,2,2,0,0,0,0,0,0,3,4$G");
    bare->SetFretNumbers(false);
    bare->SetStringNumbers(false);
    bare->SetFretNumbers(true);  // the settings stay as they were
    bare->SetStringNumbers(true);
    bare->SetFretNumbers(false);
    bare->SetStringNumbers(false);

    QWidget selectors;
    selectors.setWindowTitle("Selectors");
    auto* column = new QGridLayout(&selectors);
    auto* dis = new ctlDis;
    dis->setFixedSize(dis->size());
    dis->SetDisplayTitle1("Chord:");
    dis->SetDisplayTitle2("Formula:");
    dis->SetDisplayTitle3("Notes:");
    dis->SetDisplay1("C Major (1)");
    dis->SetDisplay2("1-3-5");
    dis->SetDisplay3("C-E-G");
    auto* pos = new ctlPosition;
    pos->LoadChordTypes();
    pos->SetVariationCount(3);
    pos->SetVariation(1);
    auto* scales = new ctlScaleExt;
    scales->SetSubTypes(5);
    column->addWidget(dis, 0, 0);
    column->addWidget(pos, 1, 0);
    column->addWidget(new ctlKey, 2, 0);
    column->addWidget(new ctlChordExt, 3, 0);
    column->addWidget(scales, 3, 1);
    column->addWidget(new ctlButtons, 0, 1, Qt::AlignLeft | Qt::AlignTop);

    necks.move(10, 10);
    necks.show();
    QTimer::singleShot(800, [&] {
        save(necks, folder, "fretboard");
        necks.hide();
        selectors.move(10, 10);
        selectors.show();
        QTimer::singleShot(800, [&] {
            save(selectors, folder, "selectors");
            app.quit();
        });
    });
    return app.exec();
}
