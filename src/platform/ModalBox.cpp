#include "ModalBox.h"

#include <QDialog>
#include <QEvent>

#include "ToolWindowType.h"

namespace ModalBox {
namespace {

const char* const kTellerName = "ModalBoxTeller";

// Tells the window manager what the box is each time before it is mapped.
class Teller : public QObject {
public:
    explicit Teller(QDialog* box) : QObject(box) {
        setObjectName(QLatin1String(kTellerName));
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous())
            ToolWindowType::MarkAsBox(static_cast<QWidget*>(watched));
        return false;
    }
};

}  // namespace

void Prepare(QDialog& box) {
    const Qt::WindowFlags flags = box.windowFlags() & Qt::FramelessWindowHint ? kFramelessFlags : kFlags;
    if (box.windowFlags() != flags) box.setWindowFlags(flags);
    if (!box.findChild<QObject*>(QLatin1String(kTellerName), Qt::FindDirectChildrenOnly)) new Teller(&box);
}

}  // namespace ModalBox
