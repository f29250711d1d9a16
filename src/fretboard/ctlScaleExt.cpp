#include "ctlScaleExt.h"

#include <QStringList>

#include "SelectorButton.h"

namespace {

const QStringList& groupNames(int group) {
    static const QStringList groups[] = {
        {"Major", "Harmonic Major", "Hungarian Major", "Neopolitan Major"},
        {"Natural Minor", "Harmonic Minor", "Jazz Minor", "Lydian Minor", "Hungarian Minor",
         "Neopolitan Minor"},
        {"Pentatonic Major", "Pentatonic Minor"},
        {"Blues", "Major Blues"},
        {"Leading Whole Tone"},
        {"Arabian", "Byzantine", "Hungarian Gypsy", "Persian", "East Indian Purvi", "Oriental",
         "Double Harmonic", "Enigmatic", "Overtone"},
        {"Gagaku (Ryo)", "Zokugaku", "In Sen Pou", "Okinawa"},
    };
    static const QStringList none;
    return group >= 0 && group <= 6 ? groups[group] : none;
}

}  // namespace

ctlScaleExt::ctlScaleExt(QWidget* parent) : QWidget(parent) {
    setFixedSize(TwipsLayout::PixelSize(1950, 2900));  // resizing snaps back
    holder_ = TwipsLayout::MakeHolder(this, 20, 20, 1920, 2860);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new SelectorButton(QStringLiteral("Caption"), QRect(-20, -20 + 240 * i, 1950, 255), holder_);
        b->SetFaceColor(QColor(192, 255, 255));
        connect(b, &QPushButton::clicked, this, [this, b] {
            holder_->setFocus();
            if (!b->text().isEmpty()) emit Change(b->text());
        });
        buttons_[static_cast<size_t>(i)] = b;
    }
}

void ctlScaleExt::SetSubTypes(int16_t Group) {
    for (SelectorButton* b : buttons_) {
        b->setText(QString());
        b->setEnabled(false);
    }
    const QStringList& names = groupNames(Group);
    for (qsizetype i = 0; i < names.size() && i < kButtons; ++i) buttons_[static_cast<size_t>(i)]->setText(names[i]);
    for (SelectorButton* b : buttons_) b->setEnabled(true);
}
