#pragma once
// A push button of the selector controls, placed in twips. Its mouse-up is
// reported after its click, in the order the owners rely on: Click (or the
// control's Change), then MouseUp.

#include <QColor>
#include <QPushButton>
#include <QRect>

namespace TwipsLayout {

// The container box that holds a control's buttons and takes the focus from them.
QWidget* MakeHolder(QWidget* parent, int left, int top, int width, int height);

}  // namespace TwipsLayout

class SelectorButton : public QPushButton {
    Q_OBJECT
public:
    // Geometry in twips, relative to the parent; the face in the system button colour.
    SelectorButton(const QString& caption, const QRect& twips, QWidget* parent);

    void SetFaceColor(const QColor& color);

signals:
    void MouseUp();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
