// Playback: Play and Stop of the MIDI panel, chart play item by item, the
// tuning controls, the device list and the timer that silences the
// synthesizer after each playback.
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "AppSettings.h"
#include "CarryOn.h"
#include "ChartFile.h"
#include "MIDI_OUT.h"
#include "clsReckoner.h"
#include "ctlChartControls.h"
#include "ctlDis.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "frmMain.h"

void frmMain::MIDI_OnPlay() {
    // A Play while the last one is still unwinding (Stop, then Play at once)
    // starts afresh after it, never inside it; more Plays meanwhile ask for
    // that same one.
    if (playing_) {
        playPending_ = true;
        return;
    }
    playPending_ = false;
    Neck_->setFocus();
    stopChart_ = false;
    playing_ = true;
    // A tick left from the last playback must not silence this one.
    tmrOff_.stop();
    offTicks_ = 0;
    ChartControl_->EnableLists(false);
    MIDI_->EnableDeviceButtons(false);
    MIDI_->PlayButtons(PlayButtonStates::kPlaying);
    CarryOn("frmMain::MIDI_OnPlay")([&] {
        switch (objReckoner_->Mode()) {
            case Modes::kChordDictionary:
                MIDI_->PlayChord(Neck_->MIDICode());
                break;
            case Modes::kScaleDictionary:
                MIDI_->PlayScale(Neck_->MIDICode());
                break;
            case Modes::kChartPlay:
                PlayChart();
                break;
            default:
                break;
        }
    });
    playing_ = false;
    ChartControl_->EnableLists(true);
    MIDI_->EnableDeviceButtons(true);
    MIDI_->PlayButtons(PlayButtonStates::kReady);
    tmrOff_.start();
    stopChart_ = false;
    if (!deferred_.empty() || playPending_) QMetaObject::invokeMethod(this, &frmMain::RunDeferred, Qt::QueuedConnection);
}

void frmMain::PlayChart() {
    const QFileInfo chart(chartTag_);
    if (chartTag_.isEmpty() || !chart.isFile() || chart.size() == 0) {
        Display_->SetDisplay1(QStringLiteral("Chart Is Empty!"));
        return;
    }
    const int16_t Start = ChartControl_->SelectedItem();
    int16_t I = Start;
    const CarryOn carryOn("frmMain::PlayChart");
    // The count is read anew for every item; "<" keeps a chart that shrank
    // under the loop from running it on for ever.
    while (I < ChartControl_->ItemCount() && !stopChart_) {
        carryOn([&] { ShowChartItem(ChartControl_->GetItemCode(I)); });
        ++I;
        carryOn([&] { ChartControl_->SelectItem(I); });
    }
    carryOn([&] { ChartControl_->SelectItem(Start); });
    carryOn([&] { Display_->SetDisplay1(ChartControl_->ChartName()); });
}

void frmMain::ShowChartItem(const QString& Line) {
    // A line without "~" (or with nothing after it) has no code: nothing to
    // show or play, rather than the last item again.
    const qsizetype tilde = Line.indexOf(QLatin1Char('~'));
    if (tilde < 0) return;
    const QString display = Line.left(tilde);
    const QString code = Line.section(QLatin1Char('~'), 1, 1);
    if (code.trimmed().isEmpty()) return;
    const QString name = display.section(QLatin1Char(':'), 1, 1);
    const QString root = ChartFile::RootOf(display);
    // The kind is told as the chart panel tells it, by how the text begins.
    switch (ChartFile::KindOf(display)) {
        case ChartFile::Kind::Scale:
            Neck_->WriteScale(code + QLatin1Char('$') + root);
            MIDI_->PlayScale(Neck_->MIDICode());
            break;
        case ChartFile::Kind::Chord:
            Neck_->WriteChord(code + QLatin1Char('$') + root);
            Display_->SetDisplay1(name.trimmed());
            MIDI_->PlayChord(Neck_->MIDICode());
            break;
        default:
            break;
    }
}

void frmMain::MIDI_OnStop() {
    playPending_ = false;
    if (objReckoner_->Mode() != Modes::kChartPlay) return;
    stopChart_ = true;
    MIDI_->PlayButtons(PlayButtonStates::kReady);
}

void frmMain::MIDI_OnNeckFocus() {
    Neck_->setFocus();
}

void frmMain::MIDI_OnTune(const QString& Caption, int16_t Tune) {
    lblTune_->setText(Caption);
    HScroll1_->setValue(Tune);
    AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("Tune"), QString::number(Tune));
}

void frmMain::HScroll1_Change(int value) { MIDI_->SetTune(static_cast<int16_t>(value)); }

void frmMain::lstDevices_Click(int row) {
    QListWidgetItem* item = lstDevices_->item(row);
    if (!item) return;
    midiOut_->AllNotesOff();
    midiOut_->CloseDevice();
    midiOut_->OpenDevice(static_cast<int16_t>(item->data(Qt::UserRole).toInt()));
    midiOut_->SetInstrument(0, 0, MIDI_->Sound());
}

void frmMain::tmrOff_Timer() {
    if (offTicks_ == 4) {
        midiOut_->AllNotesOff();
        offTicks_ = 0;
        tmrOff_.stop();
    }
    ++offTicks_;
}

void frmMain::AfterPlayback(std::function<void()> action) {
    if (!playing_) {
        action();
        return;
    }
    StopPlayback();
    deferred_.push_back(std::move(action));
}

void frmMain::StopPlayback() {
    // Whatever stops the playback comes instead of a Play still waiting.
    playPending_ = false;
    stopChart_ = true;
    MIDI_->Stop();
    midiOut_->AllNotesOff();
}

void frmMain::RunDeferred() {
    // What was asked for during the playback, in order; a playback started
    // by one of them defers the rest again.
    while (!deferred_.empty() && !playing_) {
        std::function<void()> action = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        CarryOn("frmMain::RunDeferred")(action);
    }
    // The Play asked for last, if it is still wanted: nothing has taken it
    // back and the user could press Play now.
    if (playing_ || !playPending_) return;
    playPending_ = false;
    if (MIDI_->cmdPlay()->isEnabled()) MIDI_OnPlay();
}
