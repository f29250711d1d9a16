#include "ctlPosition.h"

#include <QSignalBlocker>
#include <array>

#include "AppFonts.h"
#include "ScaleTypeTable.h"
#include "SelectorButton.h"
#include "Twips.h"
#include "clsChordDictionary.h"

namespace {

struct VariationButton {
    int left;
    int width;
};

constexpr VariationButton kButtonsAt[ctlPosition::kButtons] = {
    {-20, 300}, {270, 300}, {560, 300}, {840, 300}, {1120, 300}, {1410, 285}, {1680, 285}};

QString tipOf(int index) { return QStringLiteral("Variation %1").arg(index + 1); }

template <size_t N>
QStringList toList(const std::array<const char*, N>& names) {
    QStringList list;
    for (const char* name : names) list << QString::fromUtf8(name);
    return list;
}

}  // namespace

ctlPosition::ctlPosition(QWidget* parent) : QWidget(parent) {
    setFixedSize(Twips::Size(1965, 585));  // resizing snaps back
    list_ = new QComboBox(this);
    list_->setGeometry(Twips::Rect(0, 0, 1950, 315));
    list_->setFont(AppFonts::Tahoma());
    connect(list_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) emit OnType(static_cast<int16_t>(index));
    });
    holder_ = TwipsLayout::MakeHolder(this, 0, 330, 1950, 220);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new SelectorButton(QString::number(i + 1), QRect(kButtonsAt[i].left, -20, kButtonsAt[i].width, 255),
                                     holder_);
        b->setToolTip(tipOf(i));
        connect(b, &QPushButton::clicked, this, [this, i] {
            holder_->setFocus();
            markVariation(static_cast<int16_t>(i + 1));
            variation_ = static_cast<int16_t>(i + 1);
            emit OnVariation(variation_);
        });
        connect(b, &SelectorButton::MouseUp, this, &ctlPosition::MouseUp);
        buttons_[static_cast<size_t>(i)] = b;
    }
}

// Bold caption on the button of `value`; none for a value outside 1..7.
void ctlPosition::markVariation(int16_t value) {
    for (int i = 0; i < kButtons; ++i) {
        QFont font = buttons_[static_cast<size_t>(i)]->font();
        font.setBold(i + 1 == value);
        buttons_[static_cast<size_t>(i)]->setFont(font);
    }
}

void ctlPosition::SetVariation(int16_t value) {
    variation_ = value;
    markVariation(value);
}

void ctlPosition::SetVariationCount(int16_t value) {
    variationCount_ = value;
    // More variations than buttons enable all seven.
    for (int i = 0; i < kButtons; ++i) buttons_[static_cast<size_t>(i)]->setEnabled(i < value);
}

void ctlPosition::SetEnabled(bool enabled) {
    enabled_ = enabled;
    for (SelectorButton* b : buttons_) b->setEnabled(enabled);
    list_->setEnabled(enabled);
}

void ctlPosition::SetListIndex(int16_t index) {
    list_->setCurrentIndex(index);
    if (!changed_.contains(QStringLiteral("ListIndex"))) changed_ << QStringLiteral("ListIndex");
}

void ctlPosition::SetPosType(const QString& text) {
    posType_ = text;
    // Selects the entry of that text, when the list has one.
    const int index = list_->findText(text, Qt::MatchExactly);
    if (index >= 0) list_->setCurrentIndex(index);
}

void ctlPosition::AddItem(const QString& Item, std::optional<int> Index) {
    // Adding never selects an entry, not even the first one of an empty list.
    const QSignalBlocker blocker(list_);
    const int selected = list_->currentIndex();
    const int at = Index && *Index >= 0 && *Index <= list_->count() ? *Index : list_->count();
    list_->insertItem(at, Item);
    list_->setCurrentIndex(selected < 0 ? -1 : (at <= selected ? selected + 1 : selected));
}

void ctlPosition::loadList(const QStringList& entries) {
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        list_->addItems(entries);
        list_->setCurrentIndex(-1);
    }
    list_->setCurrentIndex(0);  // a selection change: OnType(0)
    emit OnType(0);
}

void ctlPosition::LoadChordTypes() { loadList(toList(kPositionTypeNames)); }

void ctlPosition::LoadScaleTypes() {
    loadList(toList(kScaleGroupNames));
    for (int i = 0; i < kButtons; ++i) buttons_[static_cast<size_t>(i)]->setToolTip(tipOf(i));
}
