#include "ToolWindowType.h"

#include <QStringList>

#include "X11Windows.h"

namespace ToolWindowType {
namespace {

void mark(QWidget* window, const char* kind) {
    // Asked each time: the window manager may have been replaced since.
    if (NeedsToolbarKind(X11Windows::WindowManagerName()))
        X11Windows::SetWindowKinds(window, {"TOOLBAR", kind});
    else
        X11Windows::SetWindowKinds(window, {kind});
}

}  // namespace

bool NeedsToolbarKind(const QString& windowManager) {
    static const QStringList kNeeding = {QStringLiteral("Openbox")};
    return kNeeding.contains(windowManager, Qt::CaseInsensitive);
}

void MarkAsPanel(QWidget* window) { mark(window, "UTILITY"); }

void MarkAsBox(QWidget* window) { mark(window, "DIALOG"); }

}  // namespace ToolWindowType
