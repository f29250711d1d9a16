#include "ctlDis.h"

#include <QPainter>

#include "AppFonts.h"
#include "SystemColors.h"
#include "Twips.h"

namespace {

constexpr int kTitleTop[3] = {0, 450, 900};
constexpr int kValueLeft[3] = {60, 45, 45};
constexpr int kValueTop[3] = {210, 670, 1130};
constexpr int kFrameTop[3] = {200, 650, 1110};

QLabel* makeLabel(QWidget* parent, const QRect& twips, const QColor& color, bool bold) {
    auto* label = new QLabel(parent);
    label->setGeometry(Twips::Rect(twips));
    label->setFont(AppFonts::Tahoma(8.25, bold));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    return label;
}

}  // namespace

ctlDis::ctlDis(QWidget* parent) : QWidget(parent) {
    resize(Twips::Size(1965, 1920));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, SystemColors::SystemColor(SystemColors::ButtonText));
    setPalette(pal);
    const QColor titleColor = SystemColors::SystemColor(SystemColors::ButtonFace);
    for (int i = 0; i < 3; ++i) {
        titleLabels_[static_cast<size_t>(i)] = makeLabel(this, QRect(20, kTitleTop[i], 1815, 255), titleColor, false);
        valueLabels_[static_cast<size_t>(i)] =
            makeLabel(this, QRect(kValueLeft[i], kValueTop[i], 1890, 255), QColor(0, 255, 0), i == 0);
    }
}

void ctlDis::setValue(int index, const QString& text) {
    values_[static_cast<size_t>(index)] = text;
    valueLabels_[static_cast<size_t>(index)]->setText(text);
}

void ctlDis::setTitle(int index, const QString& text) {
    titles_[static_cast<size_t>(index)] = text;
    titleLabels_[static_cast<size_t>(index)]->setText(text);
}

void ctlDis::Clear() {
    for (int i = 0; i < 3; ++i) setValue(i, QString());
}

void ctlDis::paintEvent(QPaintEvent*) {
    // The frames around the value lines, in the button-shadow grey so that
    // they show on the dark background.
    QPainter p(this);
    p.setPen(SystemColors::SystemColor(SystemColors::ButtonShadow));
    for (int top : kFrameTop) p.drawRect(Twips::Rect(20, top, 1930, 240).adjusted(0, 0, -1, -1));
}
