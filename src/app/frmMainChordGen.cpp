// Chord generator input: clicks on the fretboard and typed tablature become
// a click-built chord, which the engine names.
#include <QPointer>

#include "Prompter.h"
#include "AppSettings.h"
#include "clsReckoner.h"
#include "ctlDis.h"
#include "ctlNeck.h"
#include "frmMain.h"
#include "frmTips.h"

namespace {

// The string under X (twips on the fretboard), 0 for none; the bands are open at both ends.
int16_t stringAt(float X) {
    struct Band {
        float from, to;
        int16_t string;
    };
    static constexpr Band kBands[] = {{200, 450, 6},   {450, 700, 5},   {700, 950, 4},
                                      {950, 1150, 3},  {1150, 1350, 2}, {1350, 1600, 1}};
    for (const Band& b : kBands)
        if (X > b.from && X < b.to) return b.string;
    return 0;
}

}  // namespace

void frmMain::Neck_MouseDown(float X, float Y) {
    if (objReckoner_->Mode() != Modes::kChordGenerator) return;
    const int16_t StringNo = stringAt(X);
    if (Y > 2400) {
        Prompter::Current().Message(QStringLiteral("You can not use the 2nd ocatve."), AppSettings::AppTitle(),
                                    Prompter::Icon::Exclamation, Prompter::Buttons::Ok, true);
        return;
    }
    int16_t Fret = 0;
    for (int16_t f = 0; f <= 11; ++f)
        if (Y > 200 * f && Y < 200 * (f + 1)) Fret = f;
    if (StringNo != 0) Neck_->DrawChord(StringNo, Fret);
}

void frmMain::cmdEnter_Click() {
    if (TipForm_) return;  // one entry window at a time
    QPointer<frmTips> form = new frmTips(this);
    TipForm_ = form;
    connect(form, &frmTips::SetChord, this, &frmMain::TipForm_SetChord, Qt::DirectConnection);
    Prompter::Current().RunModal(*form);
    TipForm_ = nullptr;
    delete form.data();
}

void frmMain::TipForm_SetChord(const QString& Code) {
    Neck_->InitDraw();
    Neck_->WriteChord(Code, true);
    // Unloading the window ends its modal run; cmdEnter_Click releases it.
    if (TipForm_) TipForm_->done(QDialog::Accepted);
    TipForm_ = nullptr;
}

void frmMain::cmdClearFretboard_Click() {
    Neck_->InitDraw();
    ShowGeneratorPrompt();
}

void frmMain::ShowGeneratorPrompt() {
    Display_->SetDisplay1(QString());
    Display_->SetDisplay2(QString());
    Display_->SetDisplay3(QStringLiteral("Click frets or enter tab..."));
}
