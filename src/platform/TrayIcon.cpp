#include "TrayIcon.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

namespace {

std::optional<bool>& chosenAvailability() {
    static std::optional<bool> available;
    return available;
}

}  // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}

TrayIcon::~TrayIcon() { Delete(); }

bool TrayIcon::Available() {
    return chosenAvailability().value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void TrayIcon::SetAvailable(std::optional<bool> available) { chosenAvailability() = available; }

void TrayIcon::Add(const QIcon& icon, const QString& tip) {
    if (!icon_) {
        icon_ = new QSystemTrayIcon(this);
        icon_->setObjectName(QStringLiteral("TrayIcon"));
        connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // The context request is the right-button press; clicks and
            // double clicks open nothing.
            if (reason == QSystemTrayIcon::Context) emit RightButtonDown();
        });
    }
    icon_->setIcon(icon);
    icon_->setToolTip(tip);
    icon_->show();
    keepReachable();
}

void TrayIcon::keepReachable() {
    // While a modal box is open the toolkit passes no mouse input to the
    // program's other windows, and in a tray that embeds the icon as a window
    // of the program, the icon's window is one of them: made the box's own,
    // it still reports the right button, and its menu brings the program back.
    QWidget* box = QApplication::activeModalWidget();
    QWindow* boxWindow = box ? box->windowHandle() : nullptr;
    if (!boxWindow) return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QSystemTrayIconSys") && w->windowHandle()) w->windowHandle()->setTransientParent(boxWindow);
}

void TrayIcon::Delete() {
    if (!icon_) return;
    icon_->hide();
    delete icon_;
    icon_ = nullptr;
}
