// Charts: the chart panel's events, the chart viewer, the current chart
// (lblChart and the settings) and the fretboard option strip, whose first
// button adds what the fretboard shows to the current chart.
#include <QAction>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>

#include "AppSettings.h"
#include "CarryOn.h"
#include "ChartFile.h"
#include "NeckCodes.h"
#include "PlainText.h"
#include "Prompter.h"
#include "clsChart.h"
#include "clsReckoner.h"
#include "ctlChartControls.h"
#include "ctlDis.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "frmMain.h"

namespace {

void say(const QString& text, Prompter::Icon icon) {
    Prompter::Current().Message(text, AppSettings::AppTitle(), icon);
}

// Two names of one existing file, however they are spelled.
bool sameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

clsChart* frmMain::objChart() const { return objChart_; }

void frmMain::SetCurrentChart(const QString& ChartFile, const QString& ChartName) {
    chartTag_ = ChartFile;
    chartName_ = ChartName;
    ShowChartCaption(QStringLiteral("Chart: ") + ChartName, ChartName);
    mnuHiddenViewCC_->setEnabled(!ChartFile.isEmpty());
}

void frmMain::ShowChartCaption(const QString& caption, const QString& tip) {
    chartCaption_ = caption;
    // A long name would push "Chart:" out of the label on the left.
    const QFontMetrics metrics(lblChart_->font());
    lblChart_->setText(metrics.elidedText(caption, Qt::ElideRight, lblChart_->contentsRect().width()));
    lblChart_->setToolTip(tip);
}

void frmMain::ForgetCurrentChart() {
    chartTag_.clear();
    chartName_.clear();
    ShowChartCaption(QStringLiteral("Chart: *****"), QString());
    mnuHiddenViewCC_->setEnabled(false);
    SaveCurrentChart();
}

void frmMain::SaveCurrentChart() {
    AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("ChartName"), chartName_);
    AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("ChartFile"), chartTag_);
}

// ---- the chart panel ----

void frmMain::ChartControl_ChartSelected() {
    if (objReckoner_->Mode() < Modes::kChordGenerator && !playing_)
        MIDI_->PlayButtons(PlayButtonStates::kNothingToPlay);
}

void frmMain::ChartControl_OnChartClick(const QString& ChartFile, const QString& ChartName) {
    SetCurrentChart(ChartFile, ChartName);
    const CarryOn carryOn("frmMain::ChartControl_OnChartClick");
    carryOn([&] {
        Display_->SetDisplay1(ChartName);
        Display_->SetDisplay2(QString::number(ChartControl_->ChartCount()));
        Display_->SetDisplay3(QString::number(ChartControl_->ItemCount()));
    });
    carryOn([&] { SaveCurrentChart(); });
    carryOn([&] {
        if (objReckoner_->Mode() == Modes::kChartManager) {
            MIDI_->PlayButtons(PlayButtonStates::kNothingToPlay);
        } else if (ChartControl_->ItemCount() > 0) {
            MIDI_->PlayButtons(PlayButtonStates::kReady);
        } else {
            Neck_->Clear();
            MIDI_->PlayButtons(PlayButtonStates::kNothingToPlay);
        }
    });
}

void frmMain::ChartControl_OnChartView(const QString& ChartFile, const QString& ChartName) {
    ShowChartWindow(ChartFile, ChartName);
}

void frmMain::ChartControl_OnNoChart() { mnuHiddenViewCC_->setEnabled(false); }

void frmMain::ChartControl_ShowChartText(const QString& Text) {
    CarryOn("frmMain::ChartControl_ShowChartText")([&] {
        if (objReckoner_->Mode() == Modes::kChartPlay) Display_->SetDisplay1(Text.trimmed());
    });
}

void frmMain::ChartControl_ShowChartChord(const QString& Code) { Neck_->WriteChord(Code); }

void frmMain::ChartControl_ShowChartScale(const QString& Code) { Neck_->WriteScale(Code); }

void frmMain::ChartControl_ShowChartMap(const QString& MapNotes, bool Flag, bool SetRoot) {
    Neck_->MapNotes(MapNotes, Flag, SetRoot);
}

void frmMain::ChartControl_EditPressed() {
    if (playing_) StopPlayback();
}

void frmMain::ChartControl_ItemDeleted() {
    CarryOn("frmMain::ChartControl_ItemDeleted")([&] {
        const int32_t mode = objReckoner_->Mode();
        if (mode == Modes::kChartPlay || mode == Modes::kChartManager)
            Display_->SetDisplay3(QString::number(ChartControl_->ItemCount()));
    });
}

// ---- the chart viewer ----

// The window's current chart, never the raw setting: start-up honours
// "ChartFile" only for a chart of the chart folder.
void frmMain::mnuHiddenViewCC_Click() { ShowChartWindow(chartTag_, chartName_); }

void frmMain::ShowChartWindow(const QString& ChartFile, const QString& ChartName) {
    AfterPlayback([this, ChartFile, ChartName] {
        objChart_ = new clsChart(this);
        connect(objChart_, &clsChart::OnUnload, this, &frmMain::objChart_OnUnload, Qt::DirectConnection);
        connect(objChart_, &clsChart::OnChartNotFound, this, &frmMain::objChart_OnChartNotFound,
                Qt::DirectConnection);
        objChart_->ShowChart(ChartFile, ChartName);
    });
}

void frmMain::objChart_OnUnload() {
    // An older viewer closing leaves the newest one known.
    if (sender() == objChart_) objChart_ = nullptr;
}

void frmMain::objChart_OnChartNotFound(const QString& ChartFile) {
    if (ChartFile == chartTag_) {
        // The current chart has gone: forget it, so that Add cannot write it anew.
        ForgetCurrentChart();
    } else {
        // Another chart has gone: the settings go on naming the current
        // chart, and forget a remembered one that start-up did not take up.
        SaveCurrentChart();
    }
}

// ---- the fretboard option strip ----

void frmMain::ctlButtons_Click(int16_t Index) {
    const CarryOn carryOn("frmMain::ctlButtons_Click");
    carryOn([&] {
        switch (Index) {
            case 0:
                // Chart play adds nothing, and goes on. Elsewhere Add ends with
                // a message box: no strum may hang under it.
                if (objReckoner_->Mode() == Modes::kChartPlay) return;
                AfterPlayback([this, carryOn] { carryOn([&] { AddToCurrentChart(); }); });
                return;
            case 1:  // note map
                if (objReckoner_->Mode() == Modes::kChordGenerator) return;
                Neck_->MapNotes(QString::fromStdString(objReckoner_->GetMapNotes()), mapFlag_);
                mapFlag_ = !mapFlag_;
                return;
            case 2:
                Neck_->SetFretNumbers(!Neck_->FretNumbers());
                return;
            case 3:
                Neck_->SetStringNumbers(!Neck_->StringNumbers());
                return;
            default:
                return;
        }
    });
}

void frmMain::AddToCurrentChart() {
    const int32_t mode = objReckoner_->Mode();
    if (mode == Modes::kChartPlay) return;
    if (chartTag_.isEmpty()) {
        say(QStringLiteral("You must select \"Options -> Manage Charts\" and \r\n"
                           "select or create a chart before you can save grids."),
            Prompter::Icon::Information);
        return;
    }
    if (mode != Modes::kChordDictionary && mode != Modes::kScaleDictionary) return;

    // Exactly what the fretboard shows: a map (the fretboard's own map flag
    // outlives a cleared neck, so the window keeps track), else the chord or
    // the scale position.
    QString text;
    QString code;
    const QString heading = Display_->DisplayTitle1() + QLatin1Char(' ') + Display_->Display1() +
                            QStringLiteral(" (") + QString::number(Pos_->Variation()) + QLatin1Char(')');
    if (mapOnScreen_) {
        text = (QStringLiteral("Map: ") + Display_->Display1()).trimmed();
        code = Neck_->MapCode();
    } else if (mode == Modes::kScaleDictionary) {
        if (Neck_->ScaleCode().isEmpty()) return;
        text = heading.trimmed();
        code = Neck_->ScaleCode();
    } else {
        const QString chord = Neck_->ChordCode().trimmed();
        if (chord.isEmpty() || chord.compare(NeckCodes::kNotAvailable, Qt::CaseInsensitive) == 0) {
            say(QStringLiteral("No chord available to add!"), Prompter::Icon::Exclamation);
            return;
        }
        text = heading.trimmed();
        code = Neck_->ChordCode();
    }

    // A chart deleted behind the program's back is not made anew.
    if (!QFileInfo::exists(chartTag_)) {
        say(QStringLiteral("The chart %1 can no longer be found; nothing was added to it.\r\n\r\n"
                           "Select or create a chart under \"Options -> Manage Charts\".")
                .arg(PlainText::Quoted(chartName_)),
            Prompter::Icon::Exclamation);
        ForgetCurrentChart();
        return;
    }
    QString error;
    if (!ChartFile::Append(chartTag_, text, code, &error)) {
        say(QStringLiteral("%1 could not be added to the chart %2.\r\n\r\n%3")
                .arg(text, PlainText::Quoted(chartName_), error),
            Prompter::Icon::Exclamation);
        return;
    }
    // The panel's lists follow the file only when they hold that chart.
    if (sameFile(ChartControl_->ChartFile(), chartTag_)) ChartControl_->AddToChart(text, code);
    say(text + QStringLiteral(" added to ") + PlainText::Quoted(chartName_) + QStringLiteral(" chart."),
        Prompter::Icon::Information);
}
