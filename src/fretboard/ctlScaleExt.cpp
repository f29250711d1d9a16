#include "ctlScaleExt.h"

#include <string_view>
#include <vector>

#include "ScaleTypeTable.h"
#include "SelectorButton.h"
#include "Twips.h"

ctlScaleExt::ctlScaleExt(QWidget* parent) : QWidget(parent) {
    setFixedSize(Twips::Size(1950, 2900));  // resizing snaps back
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
    const std::vector<std::string_view> names = ScaleNamesInGroup(Group);
    for (size_t i = 0; i < names.size() && i < buttons_.size(); ++i)
        buttons_[i]->setText(QString::fromUtf8(names[i].data(), static_cast<qsizetype>(names[i].size())));
    for (SelectorButton* b : buttons_) b->setEnabled(true);
}
