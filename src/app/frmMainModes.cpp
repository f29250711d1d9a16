// The five modes: the menu items ask the engine for a mode; the engine's
// OnMode lays the window and the tablature window out for it.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "clsReckoner.h"
#include "ctlChartControls.h"
#include "ctlChordExt.h"
#include "ctlDis.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"
#include "frmMain.h"
#include "frmTabWindow.h"

namespace {

struct ModeLayout {
    const char* title1;
    const char* title2;
    const char* title3;
    const char* caption;
};

// By mode 0..4.
constexpr ModeLayout kLayouts[] = {
    {"Chord:", "Formula:", "Notes:", "Chord Dictionary"},
    {"Scale:", "Construction:", "Notes:", "Scale Dictionary"},
    {"Chart Play:", "Total Charts:", "Items In Selected Chart:", "Chart Play"},
    {"Chord:", "Formula:", "Total Possibilities:", "Chord Generator"},
    {"Chart:", "Total Charts:", "Items In Selected Chart:", "Chart Manager"},
};

}  // namespace

void frmMain::mnuChords_Click(bool checked) { ModeItemTriggered(mnuChords_, checked, Modes::kChordDictionary); }
void frmMain::mnuScales_Click(bool checked) { ModeItemTriggered(mnuScales_, checked, Modes::kScaleDictionary); }
void frmMain::mnuChartPlay_Click(bool checked) { ModeItemTriggered(mnuChartPlay_, checked, Modes::kChartPlay); }
void frmMain::mnuChordGen_Click(bool checked) { ModeItemTriggered(mnuChordGen_, checked, Modes::kChordGenerator); }
void frmMain::mnuChartMan_Click(bool checked) { ModeItemTriggered(mnuChartMan_, checked, Modes::kChartManager); }

void frmMain::RequestMode(int32_t mode) {
    // A playback never goes on into another mode.
    AfterPlayback([this, mode] { objReckoner_->SetMode(mode); });
}

void frmMain::objReckoner_OnMode(int32_t Mode, const std::string&) {
    Neck_->Clear();
    MIDI_->PlayButtons(PlayButtonStates::kNothingToPlay);
    UpdateTabWindow();
    for (QWidget* w : {static_cast<QWidget*>(Key_), static_cast<QWidget*>(Pos_), static_cast<QWidget*>(HScroll1_),
                       static_cast<QWidget*>(lblTune_)})
        w->setVisible(true);
    currentKey_.clear();
    if (Mode < Modes::kChordDictionary || Mode > Modes::kChartManager) return;

    const bool generator = Mode == Modes::kChordGenerator;
    const bool charts = Mode == Modes::kChartPlay || Mode == Modes::kChartManager;
    cmdEnter_->setVisible(generator);
    cmdClearFretboard_->setVisible(generator);
    lstMatches_->setVisible(generator);
    ChartControl_->setVisible(charts);
    ChordExt_->setVisible(Mode == Modes::kChordDictionary);
    ScaleExt_->setVisible(Mode == Modes::kScaleDictionary);
    if (generator) {
        for (QWidget* w : {static_cast<QWidget*>(Key_), static_cast<QWidget*>(Pos_),
                           static_cast<QWidget*>(HScroll1_), static_cast<QWidget*>(lblTune_)})
            w->setVisible(false);
    }
    if (Mode == Modes::kChordDictionary) Pos_->LoadChordTypes();
    if (Mode == Modes::kScaleDictionary) Pos_->LoadScaleTypes();
    if (charts) {
        ChartControl_->ShowButtons(Mode == Modes::kChartManager);
        ChartControl_->ShowItem();
    }

    const ModeLayout& layout = kLayouts[Mode];
    Display_->SetDisplayTitle1(QLatin1String(layout.title1));
    Display_->SetDisplayTitle2(QLatin1String(layout.title2));
    Display_->SetDisplayTitle3(QLatin1String(layout.title3));
    if (charts) {
        Display_->SetDisplay1(ChartControl_->ChartName());
        Display_->SetDisplay2(QString::number(ChartControl_->ChartCount()));
        Display_->SetDisplay3(QString::number(ChartControl_->ItemCount()));
    } else if (generator) {
        ShowGeneratorPrompt();
    }
    lblMode_->setText(QLatin1String(layout.caption));
    if (generator) Neck_->InitDraw();
}

void frmMain::UpdateTabWindow() {
    if (!TabWindowForm_) return;
    frmTabWindow& tab = *TabWindowForm_;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    switch (objReckoner_->Mode()) {
        case Modes::kChordDictionary:
            tab.lstChartItems()->setVisible(false);
            tab.SetShapeColor(white);
            tab.txtTab()->setVisible(true);
            tab.SetTabText(Neck_->ChordTab());
            tab.lblTip()->setVisible(false);
            tab.cmdButton()->setVisible(false);
            break;
        case Modes::kScaleDictionary:
            tab.lstChartItems()->setVisible(false);
            tab.SetShapeColor(tipShown_ ? black : white);
            tab.txtTab()->setVisible(!tipShown_);
            tab.SetTabText(Neck_->ScaleTab());
            tab.lblTip()->setVisible(tipShown_);
            tab.cmdButton()->setVisible(true);
            break;
        case Modes::kChartPlay:
            tab.lstChartItems()->setVisible(true);
            tab.SetShapeColor(black);
            tab.txtTab()->setVisible(false);
            tab.lblTip()->setVisible(true);
            tab.lblTip()->setText(QStringLiteral("This is the instructions on how to play charts..."));
            tab.cmdButton()->setVisible(false);
            break;
        case Modes::kChordGenerator:
            tab.SetShapeColor(white);
            tab.txtTab()->setVisible(true);
            tab.lblTip()->setVisible(false);
            tab.lstChartItems()->setVisible(false);
            tab.cmdButton()->setVisible(false);
            break;
        case Modes::kChartManager:
            tab.lstChartItems()->setVisible(true);
            tab.txtTab()->setVisible(false);
            tab.lblTip()->setVisible(false);
            tab.cmdButton()->setVisible(false);
            break;
        default:
            break;
    }
}
