#include "ctlButtons.h"

#include "SelectorButton.h"
#include "Twips.h"

ctlButtons::ctlButtons(QWidget* parent) : QWidget(parent) {
    setFixedSize(Twips::Size(150, 480));
    static const char* const tips[] = {"Add this grid to your current chart.", "Map Notes",
                                       "Show/Hide Fret Numbers", "Show/Hide String Numbers"};
    static const char* const names[] = {"cmdAdd", "cmdNoteMap", "cmdFretNums", "cmdStringNums"};
    for (int i = 0; i < 4; ++i) {
        auto* b = new SelectorButton(QString(), QRect(0, 120 * i, 170, 195), this);
        b->setObjectName(QLatin1String(names[i]));
        b->setToolTip(QLatin1String(tips[i]));
        b->SetFaceColor(QColor(224, 224, 224));
        connect(b, &QPushButton::clicked, this, [this, i] { emit Click(static_cast<int16_t>(i)); });
        connect(b, &SelectorButton::MouseUp, this, &ctlButtons::MouseUp);
        buttons_[static_cast<size_t>(i)] = b;
    }
}
