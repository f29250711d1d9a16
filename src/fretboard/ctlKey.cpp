#include "ctlKey.h"

#include "AppFonts.h"
#include "SelectorButton.h"
#include "Twips.h"

namespace {

constexpr int kFlat = 7;
constexpr int kSharp = 8;

struct KeyButton {
    const char* caption;
    const char* tip;
    int left;
    int top;
};

constexpr KeyButton kButtons[] = {
    {"A", "Key of A", -20, -20}, {"B", "Key of B", 630, -20}, {"C", "Key of C", 1280, -20},
    {"D", "Key of D", -20, 220}, {"E", "Key of E", 630, 220}, {"F", "Key of F", 1280, 220},
    {"G", "Key of G", 630, 460}, {"b", "Flat", -20, 460},     {"#", "Sharp", 1280, 460}};

}  // namespace

ctlKey::ctlKey(QWidget* parent) : QWidget(parent) {
    setFixedSize(Twips::Size(1950, 735));  // resizing snaps back
    holder_ = TwipsLayout::MakeHolder(this, 20, 20, 1920, 705);
    for (int i = 0; i < 9; ++i) {
        const KeyButton& k = kButtons[i];
        auto* b = new SelectorButton(QLatin1String(k.caption), QRect(k.left, k.top, 660, 255), holder_);
        b->setToolTip(QLatin1String(k.tip));
        QFont font = AppFonts::Tahoma();
        font.setBold(i < kFlat);
        font.setItalic(i == kFlat);
        b->setFont(font);
        if (i >= kFlat) b->SetFaceColor(QColor(224, 224, 224));
        connect(b, &QPushButton::clicked, this, [this, i] { buttonClicked(i); });
        connect(b, &SelectorButton::MouseUp, this, &ctlKey::MouseUp);
        buttons_[static_cast<size_t>(i)] = b;
    }
}

void ctlKey::SetEnabled(bool enabled) {
    enabled_ = enabled;
    for (SelectorButton* b : buttons_) b->setEnabled(enabled);
}

void ctlKey::raiseKeyChange(const QString& name) {
    name_ = name;
    emit KeyChange(name_);
}

void ctlKey::buttonClicked(int index) {
    const QString caption = buttons_[static_cast<size_t>(index)]->text();
    if (index < kFlat) {
        SelectorButton* flat = buttons_[kFlat];
        SelectorButton* sharp = buttons_[kSharp];
        sharp->setEnabled(true);
        sharp->setText(QStringLiteral("#"));
        flat->setEnabled(true);
        flat->setText(QStringLiteral("b"));
        if (caption == QLatin1String("B") || caption == QLatin1String("E")) {
            sharp->setEnabled(false);
            sharp->setText(QString());
        } else if (caption == QLatin1String("C") || caption == QLatin1String("F")) {
            flat->setEnabled(false);
            flat->setText(QString());
        }
    } else {
        const bool accidentalName = name_ == QLatin1String("b") || name_ == QLatin1String("#");
        if (name_.size() == 1 && !accidentalName) {
            raiseKeyChange(name_ + caption);  // "A" becomes "Ab" or "A#"
            return;
        }
        if (name_.size() == 1) {
            raiseKeyChange(caption);  // the accidental replaces the accidental
            holder_->setFocus();
            return;
        }
        if (name_.size() == 2) {
            raiseKeyChange(name_.left(1) + caption);  // "A#" becomes "Ab"
            return;
        }
    }
    if (name_ == QLatin1String("b") || name_ == QLatin1String("#")) {
        raiseKeyChange(caption + name_);  // accidental first, then the letter
        return;
    }
    raiseKeyChange(caption);
}
