#pragma once
// Moves a window without a title bar when the mouse is pressed on it: the
// window system's own move where it offers one (the window manager then
// moves the window with the mouse until the button is released), else the
// window follows the mouse itself until the release.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class FormDrag : public QObject {
    Q_OBJECT
public:
    // Watches `Frm` and every handle added: a left-button press on one of
    // them moves `Frm`.
    explicit FormDrag(QWidget* Frm);

    void AddHandle(QWidget* handle);

    // Starts moving `Frm` from a press at `globalPos`. True when the window
    // system moves it; false when the window follows the mouse.
    bool Start(const QPoint& globalPos);
    bool Following() const { return following_; }

    // Asks the window system to move `Frm` with the mouse; false where it cannot.
    static bool SystemMove(QWidget* Frm);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> frm_;
    bool following_ = false;
    QPoint offset_;
};
