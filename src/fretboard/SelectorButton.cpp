#include "SelectorButton.h"

#include <QPointer>

#include "AppFonts.h"
#include "SystemColors.h"
#include "Twips.h"

namespace TwipsLayout {

QWidget* MakeHolder(QWidget* parent, int left, int top, int width, int height) {
    auto* holder = new QWidget(parent);
    holder->setGeometry(Twips::Rect(left, top, width, height));
    holder->setFocusPolicy(Qt::ClickFocus);
    return holder;
}

}  // namespace TwipsLayout

SelectorButton::SelectorButton(const QString& caption, const QRect& twips, QWidget* parent)
    : QPushButton(caption, parent) {
    setGeometry(Twips::Rect(twips));
    setFont(AppFonts::Tahoma());
    SetFaceColor(SystemColors::SystemColor(SystemColors::ButtonFace));
}

void SelectorButton::SetFaceColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Button, color);
    setPalette(pal);
}

void SelectorButton::mouseReleaseEvent(QMouseEvent* event) {
    QPointer<SelectorButton> self(this);
    QPushButton::mouseReleaseEvent(event);  // the click, when there is one, is raised in here
    if (self) emit MouseUp();
}
