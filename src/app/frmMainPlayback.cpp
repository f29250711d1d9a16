// Playback: Play and Stop of the MIDI panel, the tuning controls, the device
// list and the timer that silences the synthesizer after each playback.
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include "AppSettings.h"
#include "CarryOn.h"
#include "MIDI_CMD.h"
#include "MIDI_OUT.h"
#include "clsReckoner.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "frmMain.h"

void frmMain::MIDI_OnPlay() {
    // A Play while the last one is still unwinding (Stop, then Play at once)
    // starts afresh after it, never inside it.
    if (playing_) {
        deferred_.push_back([this] { MIDI_OnPlay(); });
        return;
    }
    CarryOn([&] { Neck_->setFocus(); });
    stopChart_ = false;
    playing_ = true;
    // A tick left from the last playback must not silence this one.
    tmrOff_.stop();
    offTicks_ = 0;
    CarryOn([&] { MIDI_->EnableDeviceButtons(false); });
    CarryOn([&] { MIDI_->PlayButtons(kStopOn); });
    CarryOn([&] {
        switch (objReckoner_->Mode()) {
            case kChordMode:
                MIDI_->PlayChord(Neck_->MIDICode());
                break;
            case kScaleMode:
                MIDI_->PlayScale(Neck_->MIDICode());
                break;
            default:
                break;
        }
    });
    playing_ = false;
    CarryOn([&] { MIDI_->EnableDeviceButtons(true); });
    CarryOn([&] { MIDI_->PlayButtons(kPlayOn); });
    tmrOff_.start();
    stopChart_ = false;
    if (!deferred_.empty()) QMetaObject::invokeMethod(this, &frmMain::RunDeferred, Qt::QueuedConnection);
}

void frmMain::MIDI_OnStop() {
    if (objReckoner_->Mode() != kChartPlayMode) return;
    stopChart_ = true;
    MIDI_->PlayButtons(kPlayOn);
}

void frmMain::MIDI_OnNeckFocus() {
    CarryOn([&] { Neck_->setFocus(); });
}

void frmMain::MIDI_OnTune(const QString& Caption, int16_t Tune) {
    lblTune_->setText(Caption);
    HScroll1_->setValue(Tune);
    AppSettings::SaveSetting(QStringLiteral("Settings"), QStringLiteral("Tune"), QString::number(Tune));
}

void frmMain::HScroll1_Change(int value) { MIDI_->SetTune(static_cast<int16_t>(value)); }

void frmMain::lstDevices_Click(int row) {
    QListWidgetItem* item = lstDevices_->item(row);
    if (!item) return;
    MIDI_CMD::AllNotesOff();
    MIDI_OUT::CloseDevice();
    MIDI_OUT::OpenDevice(static_cast<int16_t>(item->data(Qt::UserRole).toInt()));
    MIDI_OUT::SetInstrument(0, 0, MIDI_->Sound());
}

void frmMain::tmrOff_Timer() {
    if (offTicks_ == 4) {
        MIDI_CMD::AllNotesOff();
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
    stopChart_ = true;
    MIDI_->Stop();
    MIDI_CMD::AllNotesOff();
}

void frmMain::RunDeferred() {
    // Each action may start a playback of its own, which then defers the rest.
    while (!deferred_.empty() && !playing_) {
        std::function<void()> action = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        CarryOn(action);
    }
}
