#pragma once
// Moves a window without a title bar by a press on its bare surface or on
// one of its handles (a title, a caption), once the pointer has moved a few
// pixels with the button held: the window then follows the mouse until the
// release, the grabbed point kept under the pointer. Where the program cannot
// place its windows (Wayland), the window system's own move is asked for.
// A press that a child widget passes up starts nothing.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class FormDrag : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,
        Pressed,       // the button is down, the pointer has not yet moved far enough
        SystemMoving,  // the window system was asked to move the window (Wayland)
        Following,     // the window follows the mouse
    };

    // Watches `Frm` and every handle added: a left-button press on their own
    // surface, then a move beyond the drag distance, moves `Frm`.
    explicit FormDrag(QWidget* Frm);

    void AddHandle(QWidget* handle);

    State Current() const { return state_; }

    // Asks the window system to move `Frm` with the mouse; false where it cannot.
    static bool SystemMove(QWidget* Frm);
    // Whether the program can put its windows where it wants (not on Wayland).
    static bool PlacesWindows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool press(QWidget* watched, const QMouseEvent& me);
    void start(const QPoint& globalPos);
    // Moves the window so that the point pressed is at `globalPos`.
    void follow(const QPoint& globalPos);

    QPointer<QWidget> frm_;
    State state_ = State::Idle;
    QPoint pressedAt_;
    QPoint offset_;
};
