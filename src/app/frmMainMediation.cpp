// Mediation: the selectors feed the engine, the engine's answers go to the
// fretboard, the read-out lines, the position selector and the match list,
// and the fretboard's events refresh the tablature window and the Play button.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "CarryOn.h"
#include "NeckCodes.h"
#include "clsReckoner.h"
#include "ctlDis.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"
#include "frmMain.h"
#include "frmTabWindow.h"

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// ---- selector controls ----

void frmMain::Key_KeyChange(const QString& Key) {
    mapFlag_ = true;
    currentKey_ = Key;
    objReckoner_->SetKey(Key.toStdString());
}

void frmMain::ChordExt_Change(int16_t Index) {
    mapFlag_ = true;
    objReckoner_->SetExtension(static_cast<int>(Index));
}

void frmMain::ChordExt_Clear() { RequestMode(Modes::kChordDictionary); }

void frmMain::ScaleExt_Change(const QString& Caption) { objReckoner_->SetExtension(Caption.toStdString()); }

void frmMain::Pos_OnType(int16_t Index) {
    mapFlag_ = true;
    if (TabWindowForm_) TabWindowForm_->lblTip()->setText(QString());
    objReckoner_->SetType(Index);
}

void frmMain::Pos_OnVariation(int16_t Variation) {
    mapFlag_ = true;
    objReckoner_->SetVariation(Variation);
}

void frmMain::Selector_MouseUp() { Neck_->setFocus(); }

// ---- engine events ----

void frmMain::objReckoner_ClearMatches() {
    lstMatches_->clear();
    ShowGeneratorPrompt();
}

void frmMain::objReckoner_AddMatch(const std::string& Key, const std::string& Detail) {
    lstMatches_->addItem(text(Key) + QLatin1Char(' ') + text(Detail));
}

void frmMain::objReckoner_OnDisplay(const std::string& Line1, const std::string& Line2, const std::string& Line3) {
    Display_->SetDisplay1(text(Line1));
    Display_->SetDisplay2(text(Line2));
    Display_->SetDisplay3(text(Line3));
}

void frmMain::objReckoner_OnChord(const std::string& Fingering) { Neck_->WriteChord(text(Fingering)); }

void frmMain::objReckoner_OnScale(const std::string& Position, const std::string& Description) {
    Neck_->WriteScale(text(Position));
    if (TabWindowForm_) TabWindowForm_->lblTip()->setText(text(Description));
}

void frmMain::objReckoner_OnVariation(int16_t VariationCount, int16_t Variation) {
    Pos_->SetVariationCount(VariationCount);
    Pos_->SetVariation(Variation);
}

void frmMain::objReckoner_NoChord(const std::string& Text) {
    Neck_->PrintNoChord(NeckCodes::kNotAvailable, text(Text));
    MIDI_->PlayButtons(PlayButtonStates::kNothingToPlay);
}

void frmMain::objReckoner_OnScaleType(int16_t TypeCode) {
    ScaleExt_->SetSubTypes(TypeCode);
    Neck_->Clear();
}

// ---- fretboard events ----

void frmMain::Neck_OnChord() {
    mapOnScreen_ = false;
    CarryOn("frmMain::Neck_OnChord")([&] {
        if (TabWindowForm_) TabWindowForm_->SetTabText(Neck_->ChordTab());
    });
    if (objReckoner_->Mode() < Modes::kChordGenerator && !playing_) MIDI_->PlayButtons(PlayButtonStates::kReady);
}

void frmMain::Neck_OnScale() {
    mapOnScreen_ = false;
    if (TabWindowForm_) TabWindowForm_->SetTabText(Neck_->ScaleTab());
    if (objReckoner_->Mode() < Modes::kChartManager && !playing_) MIDI_->PlayButtons(PlayButtonStates::kReady);
}

void frmMain::Neck_NoChord() {
    if (TabWindowForm_) TabWindowForm_->SetTabText(Neck_->ChordTab());
}

void frmMain::Neck_OnMap() {
    mapOnScreen_ = true;
    // A map shown during a playback (a chart's map item, the map button)
    // leaves Stop usable; the playback's end sets the buttons.
    if (!playing_) MIDI_->PlayButtons(PlayButtonStates::kNothingToPlay);
}

// Clear and the not-available notice both end with OnClear: no map is shown then.
void frmMain::Neck_OnClear() { mapOnScreen_ = false; }

void frmMain::Neck_GenerateChord(const QString& MIDICode) { objReckoner_->ChordGenerator(MIDICode.toStdString()); }

// ---- the tablature window's button ----

void frmMain::TabWindowForm_ButtonClick() {
    if (!TabWindowForm_) return;
    const int32_t mode = objReckoner_->Mode();
    if (mode == Modes::kChordDictionary) {
        TabWindowForm_->txtTab()->setVisible(tipShown_);
    } else if (mode == Modes::kScaleDictionary) {
        TabWindowForm_->lblTip()->setVisible(!tipShown_);
        TabWindowForm_->txtTab()->setVisible(tipShown_);
    }
    tipShown_ = !tipShown_;
    Neck_->setFocus();
    raise();
}
