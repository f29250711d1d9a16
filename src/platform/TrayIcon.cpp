#include "TrayIcon.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#include "X11Windows.h"

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
constexpr int kLookMs = 100;
// A status-notifier host that is slow to answer whether it is there.
constexpr int kHostAnswerMs = 250;

std::optional<bool>& chosenAvailability() {
    static std::optional<bool> available;
    return available;
}

QDBusMessage watcherProperty(const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcher, kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcher << name;
    return get;
}

// Whether a status-notifier host is there, as the toolkit asks it when it
// chooses how to show a tray icon.
bool statusNotifierHost() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    const QDBusMessage reply = bus.call(watcherProperty(QStringLiteral("IsStatusNotifierHostRegistered")),
                                        QDBus::Block, kHostAnswerMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toBool();
}

// The toolkit's window for an icon it embeds in a tray, if it made one.
QWidget* embeddedIconWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QSystemTrayIconSys")) return w;
    return nullptr;
}

}  // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {
    look_.setInterval(kLookMs);
    connect(&look_, &QTimer::timeout, this, &TrayIcon::lookForIcon);
}

TrayIcon::~TrayIcon() { Delete(); }

bool TrayIcon::Available() {
    return chosenAvailability().value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void TrayIcon::SetAvailable(std::optional<bool> available) { chosenAvailability() = available; }

void TrayIcon::Add(const QIcon& icon, const QString& tip) {
    if (!icon_) {
        onScreen_ = false;
        statusNotifier_ = !chosenAvailability() && statusNotifierHost();
        icon_ = new QSystemTrayIcon(this);
        icon_->setObjectName(QStringLiteral("TrayIcon"));
        // Such a host shows the menu itself, from what the icon exports.
        if (statusNotifier_ && menu_) icon_->setContextMenu(menu_);
        connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // The context request is the right-button press; clicks and
            // double clicks open nothing, but for a status-notifier host's
            // activation.
            if (reason == QSystemTrayIcon::Context) emit RightButtonDown();
            if (reason == QSystemTrayIcon::Trigger && statusNotifier_) emit Activated();
        });
    }
    icon_->setIcon(icon);
    icon_->setToolTip(tip);
    icon_->show();
    keepReachable();
    if (onScreen_) return;
    if (chosenAvailability()) {
        // Decided by the caller: there is nothing to wait for.
        if (*chosenAvailability()) found();
        return;
    }
    looked_ = 0;
    look_.start();
    lookForIcon();
}

void TrayIcon::lookForIcon() {
    if (!icon_ || onScreen_) return look_.stop();
    if (++looked_ > TrayIcon::kAppearMs / kLookMs) {
        look_.stop();
        emit Missing();
        return;
    }
    if (QWidget* embedded = embeddedIconWindow()) {
        // A tray that embeds icons has it once the icon's window is inside
        // the tray's, on the screen. The right button's menu is then the
        // program's own to open.
        if (statusNotifier_) icon_->setContextMenu(nullptr);
        statusNotifier_ = false;
        if (X11Windows::EmbeddedAndViewable(embedded)) found();
        return;
    }
    if (statusNotifier_) askHost();
}

void TrayIcon::askHost() {
    if (asking_) return;
    asking_ = true;
    auto* call = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(watcherProperty(QStringLiteral("RegisteredStatusNotifierItems"))),
        this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call] {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isError() || !icon_ || onScreen_) {
            asking_ = false;
            return;
        }
        // Each item is its connection's name (and the object's path); the
        // toolkit registers ours from a connection of its own, so the items
        // are told by the process behind them.
        QStringList services;
        for (const QString& item : reply.value().variant().toStringList())
            if (const QString service = item.section(QLatin1Char('/'), 0, 0); !service.isEmpty()) services << service;
        askOwners(services);
    });
}

void TrayIcon::askOwners(const QStringList& services) {
    if (services.isEmpty()) {
        asking_ = false;
        return;
    }
    QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                      QStringLiteral("/org/freedesktop/DBus"),
                                                      QStringLiteral("org.freedesktop.DBus"),
                                                      QStringLiteral("GetConnectionUnixProcessID"));
    ask << services.first();
    auto* call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(ask), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, rest = services.mid(1)] {
        call->deleteLater();
        const QDBusPendingReply<uint> reply = *call;
        if (!icon_ || onScreen_) {
            asking_ = false;
            return;
        }
        if (!reply.isError() && reply.value() == static_cast<uint>(QCoreApplication::applicationPid())) {
            asking_ = false;
            return found();
        }
        askOwners(rest);
    });
}

void TrayIcon::found() {
    look_.stop();
    onScreen_ = true;
    emit Appeared();
}

void TrayIcon::keepReachable() {
    // While a modal box is open the toolkit passes no mouse input to the
    // program's other windows, and in a tray that embeds the icon as a window
    // of the program, the icon's window is one of them: made the box's own,
    // it still reports the right button, and its menu brings the program back.
    QWidget* box = QApplication::activeModalWidget();
    QWindow* boxWindow = box ? box->windowHandle() : nullptr;
    if (!boxWindow) return;
    if (QWidget* w = embeddedIconWindow(); w && w->windowHandle()) w->windowHandle()->setTransientParent(boxWindow);
}

void TrayIcon::Delete() {
    look_.stop();
    onScreen_ = false;
    if (!icon_) return;
    icon_->hide();
    delete icon_;
    icon_ = nullptr;
}
