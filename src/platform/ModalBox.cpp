#include "ModalBox.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QVector>

#include "ToolWindowType.h"
#include "X11Windows.h"

namespace ModalBox {
namespace {

const char* const kTellerName = "ModalBoxTeller";

void unminimise(QWidget* w) {
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
}

// The boxes put away, bottom first.
QVector<QPointer<QWidget>>& putAway() {
    static QVector<QPointer<QWidget>> boxes;
    return boxes;
}

// Tells the window manager what the box is each time before it is mapped,
// and sends its owner along when the window manager minimises the box.
class Teller : public QObject {
public:
    explicit Teller(QDialog* box) : QObject(box) {
        setObjectName(QLatin1String(kTellerName));
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous()) ToolWindowType::MarkAsBox(box);
        if (event->type() == QEvent::WindowStateChange && box->isMinimized()) {
            // Left minimised alone, the box keeps its owner blocked with no
            // way back to it: the owner follows, and brings it back with it;
            // a box without an owner is not left minimised at all.
            QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
            QPointer<QWidget> guard(box);
            QMetaObject::invokeMethod(box, [guard, owner = QPointer<QWidget>(owner)] {
                if (!guard || !guard->isMinimized()) return;
                if (owner && owner->isVisible()) {
                    if (!owner->isMinimized()) X11Windows::Minimise(owner);
                } else if (!owner) {
                    unminimise(guard);
                }
            }, Qt::QueuedConnection);
        }
        return false;
    }
};

bool isOpenBox(const QWidget* w) {
    return w->isWindow() && w->isVisible() && w->isModal() && qobject_cast<const QDialog*>(w);
}

}  // namespace

void Prepare(QDialog& box) {
    const Qt::WindowFlags flags = box.windowFlags() & Qt::FramelessWindowHint ? kFramelessFlags : kFlags;
    if (box.windowFlags() != flags) box.setWindowFlags(flags);
    if (!box.findChild<QObject*>(QLatin1String(kTellerName), Qt::FindDirectChildrenOnly)) new Teller(&box);
}

void PutAway() {
    // Bottom first: the order in which they were opened.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!isOpenBox(w) || putAway().contains(w)) continue;
        putAway().append(w);
        // Off X11 the window manager is asked to minimise it instead.
        if (X11Windows::Available())
            X11Windows::Withdraw(w);
        else
            w->setWindowState(w->windowState() | Qt::WindowMinimized);
    }
}

void BringBack() {
    const QVector<QPointer<QWidget>> boxes = std::exchange(putAway(), {});
    for (const QPointer<QWidget>& box : boxes) {
        if (!box || !box->isVisible()) continue;
        unminimise(box);
        X11Windows::Map(box);
        box->raise();
    }
    // Also a box minimised by the window manager before it was put away.
    if (QWidget* top = QApplication::activeModalWidget()) {
        unminimise(top);
        top->show();
        top->raise();
        top->activateWindow();
    }
}

}  // namespace ModalBox
