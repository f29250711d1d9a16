#include "TrayIcon.h"

#include <QSystemTrayIcon>

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
}

void TrayIcon::Delete() {
    if (!icon_) return;
    icon_->hide();
    delete icon_;
    icon_ = nullptr;
}
