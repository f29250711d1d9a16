#include "FormDrag.h"

#include <QMouseEvent>
#include <QWindow>

FormDrag::FormDrag(QWidget* Frm) : QObject(Frm), frm_(Frm) { Frm->installEventFilter(this); }

void FormDrag::AddHandle(QWidget* handle) { handle->installEventFilter(this); }

bool FormDrag::SystemMove(QWidget* Frm) {
    QWindow* window = Frm ? Frm->window()->windowHandle() : nullptr;
    return window && window->startSystemMove();
}

bool FormDrag::Start(const QPoint& globalPos) {
    if (!frm_) return false;
    following_ = !SystemMove(frm_);
    offset_ = globalPos - frm_->frameGeometry().topLeft();
    return !following_;
}

bool FormDrag::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    auto* me = static_cast<QMouseEvent*>(event);
    const QPoint global = me->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress) {
        if (me->button() != Qt::LeftButton) return false;
        Start(global);
        return true;
    }
    if (!following_) return false;
    if (type == QEvent::MouseMove && (me->buttons() & Qt::LeftButton) && frm_) {
        frm_->move(global - offset_);
        return true;
    }
    following_ = false;
    return type == QEvent::MouseButtonRelease;
}
