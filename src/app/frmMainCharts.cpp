// The fretboard option strip: add to the current chart, note map, fret and
// string numbers.
#include "CarryOn.h"
#include "clsReckoner.h"
#include "ctlNeck.h"
#include "frmMain.h"

void frmMain::ctlButtons_Click(int16_t Index) {
    CarryOn([&] {
        switch (Index) {
            case 1:  // note map
                if (objReckoner_->Mode() == kChordGenMode) return;
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
