// Loading, the first activation and shutdown of the main window.
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "AppPaths.h"
#include "AppSettings.h"
#include "CarryOn.h"
#include "ChartFile.h"
#include "MIDI_OUT.h"
#include "Prompter.h"
#include "TrayIcon.h"
#include "clsReckoner.h"
#include "ctlChartControls.h"
#include "ctlMIDI.h"
#include "frmMain.h"
#include "frmTabWindow.h"
#include "modDefaultCharts.h"
#include "modInstrumentFile.h"
#include "modMain.h"

namespace {

// A remembered chart counts only when it is a chart file of the chart folder.
bool isChartOfFolder(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo file(path);
    if (!file.isFile() || !file.fileName().endsWith(QLatin1String(".cht"))) return false;
    const QString folder = QFileInfo(ChartFile::ChartFolder()).canonicalFilePath();
    return !folder.isEmpty() && file.canonicalPath() == folder;
}

}  // namespace

void frmMain::Form_Load() {
    const CarryOn carryOn("frmMain::Form_Load");
    carryOn([&] {
        if (modMain::GetRunCount() == 1) modDefaultCharts::WriteDefaultCharts();
    });
    carryOn([&] {
        MIDI_->SetMidiFile(modInstrumentFile::InstrumentFilePath());
        if (!QFileInfo::exists(MIDI_->MidiFile()) && !modInstrumentFile::WriteInstrumentFile()) {
            Prompter::Current().Message(
                QStringLiteral("The instrument list could not be written to\r\n%1").arg(MIDI_->MidiFile()),
                AppSettings::AppTitle(), Prompter::Icon::Exclamation);
        }
    });
    carryOn([&] { MIDI_->SetTune(ctlMIDI::StoredTune()); });
    // The device list and the instrument wait for the first paint (OpenMidiOutput).
    carryOn([&] {
        TabWindowForm_ = new frmTabWindow(this);
        connect(TabWindowForm_, &frmTabWindow::ButtonClick, this, &frmMain::TabWindowForm_ButtonClick,
                Qt::DirectConnection);
        // Closing it by the window manager only hides it.
        TabWindowForm_->installEventFilter(this);
    });
    // Without a remembered chart the window keeps no current chart
    // ("Chart: *****") and has none to view.
    carryOn([&] {
        mnuHiddenViewCC_->setEnabled(false);
        const QString file = AppSettings::GetSetting(AppSettings::Section(), QStringLiteral("ChartFile"));
        if (!isChartOfFolder(file)) return;
        // The name shown is the file's: a hand-edited "ChartName" that
        // names another chart would have the panel hold that one.
        const QString name = QFileInfo(file).fileName().chopped(4);  // without ".cht"
        SetCurrentChart(file, name);
        AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("ChartName"), name);
    });
    carryOn([&] {
        if (TabWindowForm_) ChartControl_->SetLstItems(TabWindowForm_->lstChartItems());
    });
    carryOn([&] {
        QString start = chartCaption_;
        start.remove(QStringLiteral("Chart:"));
        ChartControl_->SetStartChart(start.trimmed());
    });
    // From here on the first activation and the first paint go on with start-up.
    loaded_ = true;
    objReckoner_->SetMode(Modes::kChordDictionary);
    mnuChords_->setChecked(true);
}

void frmMain::OpenMidiOutput() {
    if (midiOpened_ || unloaded_) return;
    midiOpened_ = true;
    const CarryOn carryOn("frmMain::OpenMidiOutput");
    carryOn([&] { MIDI_->InitDev(lstDevices_); });
    carryOn([&] {
        MIDI_->SetSound(ctlMIDI::StoredSound());
        midiOut_->SetInstrument(0, 0, MIDI_->Sound());
    });
}

bool frmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !activated_ && loaded_) Form_Activate();
    return QWidget::event(e);
}

void frmMain::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    // Listing the devices and starting the synthesizer wait for the window to show.
    if (!midiScheduled_ && loaded_) {
        midiScheduled_ = true;
        QMetaObject::invokeMethod(this, &frmMain::OpenMidiOutput, Qt::QueuedConnection);
    }
}

void frmMain::Form_Activate() {
    activated_ = true;
    const CarryOn carryOn("frmMain::Form_Activate");
    carryOn([&] {
        if (!TabWindowForm_) return;
        TabWindowForm_->setVisible(AppSettings::GetBool(QStringLiteral("TabWindow"), true));
        TabWindowForm_->lower();
    });
    DockTabWindow();
    ChartControl_->SetInitialized(true);
}

void frmMain::cmdWindow_Click() {
    if (!TabWindowForm_) return;
    TabWindowForm_->setVisible(!TabWindowForm_->isVisible());
    AppSettings::SaveBool(QStringLiteral("TabWindow"), TabWindowForm_->isVisible());
    DockTabWindow();
}

void frmMain::closeEvent(QCloseEvent* e) {
    if (playing_) {
        // Closing while Play sounds: stop first, close once it has unwound.
        e->ignore();
        AfterPlayback([this] { close(); });
        return;
    }
    Form_Unload();
    e->accept();
}

void frmMain::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    const CarryOn carryOn("frmMain::Form_Unload");
    carryOn([&] { midiOut_->AllNotesOff(); });
    carryOn([&] { midiOut_->CloseDevice(); });
    carryOn([&] { tray_->Delete(); });
    carryOn([&] {
        // Put away with a minimised window, the tablature window keeps the
        // visibility it had before.
        if (TabWindowForm_)
            AppSettings::SaveBool(QStringLiteral("TabWindow"), away_ ? tabWasVisible_ : TabWindowForm_->isVisible());
    });
    delete TabWindowForm_;
    TabWindowForm_ = nullptr;
    QCoreApplication::quit();
}
