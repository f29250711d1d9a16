#include "FormDrag.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

#include "X11Windows.h"

FormDrag::FormDrag(QWidget* Frm) : QObject(Frm), frm_(Frm) { Frm->installEventFilter(this); }

void FormDrag::AddHandle(QWidget* handle) { handle->installEventFilter(this); }

bool FormDrag::SystemMove(QWidget* Frm) {
    QWindow* window = Frm ? Frm->window()->windowHandle() : nullptr;
    return window && window->startSystemMove();
}

bool FormDrag::press(QWidget* watched, const QMouseEvent& me) {
    state_ = State::Idle;
    if (me.button() != Qt::LeftButton || !frm_) return false;
    // A press over a child reaches us only when the child passed it up (a
    // label, a list's frame): that is no press on the bare surface.
    if (watched->childAt(me.position().toPoint())) return false;
    state_ = State::Pressed;
    pressedAt_ = me.globalPosition().toPoint();
    // From where the window really is: where the window manager kept it
    // back (at the screen's edge), the toolkit may still have the place it
    // asked for.
    offset_ = pressedAt_ - X11Windows::FramePosition(frm_).value_or(frm_->frameGeometry().topLeft());
    return true;
}

void FormDrag::start(const QPoint& globalPos) {
    // The window goes where the pointer puts it, the motion up to here too,
    // and then follows the mouse itself until the release, so that the point
    // pressed stays under the pointer. The window manager's move takes the
    // window on from where the pointer is when it is asked, and asked just
    // after the window was put there, it still lost that motion (openbox):
    // it is asked only where the program cannot place its windows (Wayland).
    follow(globalPos);
    if (!PlacesWindows() && SystemMove(frm_)) {
        state_ = State::SystemMoving;
        return;
    }
    state_ = State::Following;
}

void FormDrag::follow(const QPoint& globalPos) {
    // Asked of the window system directly: the toolkit would take the place
    // asked for as granted, and the window manager may keep the window back
    // (at the screen's edge) without a word.
    if (!X11Windows::MoveFrame(frm_, globalPos - offset_)) frm_->move(globalPos - offset_);
}

bool FormDrag::PlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool FormDrag::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    auto* me = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress) return press(static_cast<QWidget*>(watched), *me);
    if (state_ == State::Idle) return false;
    if (!frm_ || type == QEvent::MouseButtonRelease || !(me->buttons() & Qt::LeftButton)) {
        // The drag is over; the release belongs to the press that was ours.
        state_ = State::Idle;
        return type == QEvent::MouseButtonRelease;
    }
    const QPoint global = me->globalPosition().toPoint();
    switch (state_) {
        case State::Pressed:
            if ((global - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) start(global);
            break;
        case State::Following:
            follow(global);
            break;
        default:
            break;  // the window manager has the pointer, or is about to take it
    }
    return true;
}
