#pragma once
// The program's icon in the desktop's notification area (the "tray"), shown
// while the program is put away there. A right-button press on the icon is
// reported; any other mouse activity on it does nothing, except where the
// tray is a status-notifier host (a panel that talks to the icon over
// D-Bus): there the icon's activation (a left click) is reported too, and the
// host is given the icon's menu to show itself, since such a panel may offer
// no other way back.
//
// A tray that is there may still not show the icon (a panel that takes it
// and drops it, or never answers): the icon counts as shown once the tray
// has it on the screen, which Appeared reports, and Missing when it did not
// come in time.

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>

class QSystemTrayIcon;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    // How long the tray has to show a new icon.
    static constexpr int kAppearMs = 5000;

    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the desktop has a notification area. SetAvailable decides it
    // instead of the desktop (nullopt asks the desktop again); an icon added
    // then counts as on the screen at once.
    static bool Available();
    static void SetAvailable(std::optional<bool> available);

    // The menu a status-notifier host shows for the icon.
    void SetMenu(QMenu* menu) { menu_ = menu; }

    // Shows the icon with its tip; a second Add only updates them. A modal
    // box open then does not keep the right button from the icon.
    void Add(const QIcon& icon, const QString& tip);
    // Removes the icon; nothing happens when none is shown.
    void Delete();
    bool Shown() const { return icon_ != nullptr; }
    // The tray has the icon on the screen.
    bool OnScreen() const { return onScreen_; }
    // The icon shown, or null.
    QSystemTrayIcon* Icon() const { return icon_; }
    // Whether the icon talks to a status-notifier host (known once it is added).
    bool StatusNotifier() const { return statusNotifier_; }

signals:
    void RightButtonDown();
    // A left click, where the tray is a status-notifier host.
    void Activated();
    void Appeared();
    void Missing();

private:
    void keepReachable();
    void lookForIcon();
    void askHost();
    // Asks, one after another, which process each D-Bus service is.
    void askOwners(const QStringList& services);
    void found();

    QSystemTrayIcon* icon_ = nullptr;
    QPointer<QMenu> menu_;
    QTimer look_;
    int looked_ = 0;
    bool onScreen_ = false;
    bool statusNotifier_ = false;
    bool asking_ = false;
};
