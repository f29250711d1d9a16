#pragma once
// The program's icon in the desktop's notification area (the "tray"), shown
// while the program is put away there. A right-button press on the icon is
// reported; any other mouse activity on it does nothing.

#include <QIcon>
#include <QObject>
#include <QString>
#include <optional>

class QSystemTrayIcon;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the desktop has a notification area. SetAvailable decides it
    // instead of the desktop (nullopt asks the desktop again).
    static bool Available();
    static void SetAvailable(std::optional<bool> available);

    // Shows the icon with its tip; a second Add only updates them. A modal
    // box open then does not keep the right button from the icon.
    void Add(const QIcon& icon, const QString& tip);
    // Removes the icon; nothing happens when none is shown.
    void Delete();
    bool Shown() const { return icon_ != nullptr; }
    // The icon shown, or null.
    QSystemTrayIcon* Icon() const { return icon_; }

signals:
    void RightButtonDown();

private:
    void keepReachable();

    QSystemTrayIcon* icon_ = nullptr;
};
