// The window's chrome: the tablature window docked at one of six places and
// following the main window, dragging the borderless main window, the
// buttons that stand in for a title bar, and minimising to the tray (or,
// without a tray, to the task bar).
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include "AppFonts.h"
#include "AppIcon.h"
#include "AppSettings.h"
#include "CarryOn.h"
#include "DockPlaces.h"
#include "FormDrag.h"
#include "ModalBox.h"
#include "Twips.h"
#include "TrayIcon.h"
#include "X11Windows.h"
#include "ctlNeck.h"
#include "frmMain.h"
#include "frmTabWindow.h"

namespace {

const QString kTabWinDock = QStringLiteral("TabWinDock");
// A window's place and size with its frame, as the window system reports
// them now (a window shown again gets its frame only as it appears).
QRect outerGeometry(const QWidget* w) {
    if (const QWindow* window = w->windowHandle()) return window->frameGeometry();
    return w->frameGeometry();
}

QPushButton* chromeButton(QWidget* parent, const char* name, const QString& text, const char* tip, int left) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(QLatin1String(tip));
    b->setGeometry(Twips::Rect(left, 0, 240, 240));
    b->setFont(AppFonts::Tahoma(8.25, true));
    b->setFocusPolicy(Qt::NoFocus);
    b->setFlat(true);
    return b;
}

}  // namespace

void frmMain::CreateChrome() {
    // No title bar: the window draws its own buttons and is dragged by its
    // surface and its title.
    setWindowFlag(Qt::FramelessWindowHint, true);
    setWindowIcon(AppIcon::Icon());
    cmdHelp_ = chromeButton(this, "cmdHelp", QStringLiteral("?"), "Help", 1530);
    cmdMin_ = chromeButton(this, "cmdMin", QStringLiteral("_"), "Minimize", 1785);
    cmdExit_ = chromeButton(this, "cmdExit", QStringLiteral("X"), "Exit", 2040);
    cmdOptions_->setToolTip(QStringLiteral("Menu"));
    connect(cmdHelp_, &QPushButton::clicked, this, &frmMain::cmdHelp_Click, Qt::DirectConnection);
    connect(cmdMin_, &QPushButton::clicked, this, &frmMain::cmdMin_Click, Qt::DirectConnection);
    connect(cmdExit_, &QPushButton::clicked, this, &frmMain::cmdExit_Click, Qt::DirectConnection);

    (new FormDrag(this))->AddHandle(lblQF_);

    tray_ = new TrayIcon(this);
    connect(tray_, &TrayIcon::RightButtonDown, this, &frmMain::Tray_RightButtonDown, Qt::DirectConnection);
    connect(tray_, &TrayIcon::Activated, this, &frmMain::mnuTrayRestore_Click, Qt::DirectConnection);
    connect(tray_, &TrayIcon::Appeared, this, &frmMain::Tray_Appeared, Qt::DirectConnection);
    connect(tray_, &TrayIcon::Missing, this, &frmMain::Tray_Missing, Qt::DirectConnection);
}

int frmMain::StoredDockPlace() {
    // Compared as text: only "0" to "5" name a place.
    const QString stored = AppSettings::GetSetting(AppSettings::Section(), kTabWinDock, QStringLiteral("0"));
    if (stored.size() == 1 && stored[0] >= QLatin1Char('0') && stored[0] <= QLatin1Char('5'))
        return stored[0].digitValue();
    return DockPlaces::kUpperRight;
}

void frmMain::PlaceTabWindow(int place) {
    if (!TabWindowForm_) return;
    const QRect main = Twips::FromPixels(outerGeometry(this));
    const QRect tab = Twips::FromPixels(outerGeometry(TabWindowForm_));
    // Inside the work area of the main window's screen, where the chosen
    // place runs past it: the place stays the user's choice.
    const QScreen* screen = this->screen();
    const QRect area = screen ? Twips::FromPixels(screen->availableGeometry()) : QRect();
    const QPoint at = DockPlaces::DockInside(place, main, tab.size(), area).at;
    const QPoint pixels(Twips::ToPixels(at.x()), Twips::ToPixels(at.y()));
    // Placed by its frame as the window system has it now.
    if (QWindow* window = TabWindowForm_->windowHandle())
        window->setFramePosition(pixels);
    else
        TabWindowForm_->move(pixels);
}

void frmMain::ShowDockCheck(int place) {
    dockChecked_ = place;
    for (QAction* item : mnuDock_)
        if (item) item->setChecked(item->data().toInt() == place);
}

void frmMain::DockTabWindow() {
    CarryOn("frmMain::DockTabWindow")([&] {
        // A hidden window keeps its place and the menu its check.
        if (!TabWindowForm_ || !TabWindowForm_->isVisible()) return;
        const int place = StoredDockPlace();
        PlaceTabWindow(place);
        ShowDockCheck(place);
    });
}

void frmMain::DockItem_Click(int place) {
    // Choosing an item toggles its check; the check follows where the window is.
    ShowDockCheck(dockChecked_);
    AppSettings::SaveSetting(AppSettings::Section(), kTabWinDock, QString::number(place));
    DockTabWindow();
}

void frmMain::DragWindows() {
    // The tablature window follows every move of the main window, shown or
    // not, whoever moves it: the window manager during a drag, or the program.
    CarryOn("frmMain::DragWindows")([&] { PlaceTabWindow(StoredDockPlace()); });
}

void frmMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!unloaded_) DragWindows();
}

void frmMain::cmdMin_Click() {
    Neck_->setFocus();
    // Minimised first, also on the way to the tray, as the task bar would:
    // the window leaves the task bar only once the tray shows the icon. The
    // state change, once the window manager has made it, puts the tablature
    // window away, noting whether it was shown.
    X11Windows::Minimise(this);
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || unloaded_) return;
    // Hidden for the tray, the window may still hear of state changes (the
    // window manager forgetting its minimised state): only a restore brings
    // it back from there.
    if (isMinimized())
        Form_Resize(true);
    else if (isVisible())
        Form_Resize(false);
}

void frmMain::Form_Resize(bool minimised) {
    const CarryOn carryOn("frmMain::Form_Resize");
    if (minimised) {
        if (away_) return;
        away_ = true;
        tabWasVisible_ = TabWindowForm_ && TabWindowForm_->isVisible();
        if (TabWindowForm_) TabWindowForm_->hide();
        // An open modal box goes with the window, and comes back with it.
        carryOn([&] { ModalBox::PutAway(); });
        // With a tray the program goes there once it shows the icon; until
        // then, and where there is none, it stays on the task bar, minimised,
        // so that it can always come back.
        carryOn([&] {
            if (TrayIcon::Available()) tray_->Add(windowIcon(), AppSettings::AppTitle());
        });
        return;
    }
    if (!away_) return;
    away_ = false;
    carryOn([&] { tray_->Delete(); });
    carryOn([&] {
        if (tabWasVisible_ && TabWindowForm_) {
            TabWindowForm_->show();
            DockTabWindow();
        }
    });
    carryOn([&] { ModalBox::BringBack(); });
}

void frmMain::Tray_Appeared() {
    // The icon is there to come back by: the window leaves the task bar.
    if (away_ && !unloaded_) hide();
}

void frmMain::Tray_Missing() {
    // No tray showed the icon: the window stays on the task bar, minimised.
    CarryOn("frmMain::Tray_Missing")([&] { tray_->Delete(); });
}

void frmMain::Tray_RightButtonDown() { mnuTray_->popup(QCursor::pos()); }

void frmMain::mnuTrayRestore_Click() { RestoreWindow(); }

void frmMain::BringToFront() {
    // Start-up shows the window itself; once unloaded it stays closed.
    if (loaded_ && !unloaded_) RestoreWindow();
}

void frmMain::RestoreWindow() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // Back with the tablature window, and an open modal box above.
    Form_Resize(false);
}

void frmMain::cmdExit_Click() { close(); }

void frmMain::mnuFileExit_Click() { close(); }

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != TabWindowForm_ || unloaded_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Close:
            event->ignore();
            TabWindowForm_Closed();
            return true;
        case QEvent::Show:
            tabFramePending_ = true;
            break;
        case QEvent::Paint:
        case QEvent::Move:
            // Shown again, the window gets its frame from the window manager
            // only as it appears, and on a busy machine maybe only after its
            // last paint: each paint, and each move (framing moves it), docks
            // it once more, with the frame's size, until it has a frame.
            if (tabFramePending_) {
                QMetaObject::invokeMethod(this, [this] {
                    DockTabWindow();
                    const QWindow* window = TabWindowForm_ ? TabWindowForm_->windowHandle() : nullptr;
                    if (window && !window->frameMargins().isNull()) tabFramePending_ = false;
                }, Qt::QueuedConnection);
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::TabWindowForm_Closed() {
    // Closed by the window manager: hidden, as the Window button hides it.
    TabWindowForm_->hide();
    CarryOn("frmMain::TabWindowForm_Closed")([&] { AppSettings::SaveBool(QStringLiteral("TabWindow"), false); });
}
