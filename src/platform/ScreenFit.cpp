#include "ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// At least what a window manager's frame may take, for a window not yet
// framed: a tall title bar, borders and a grip along the bottom. Windows of
// another kind may get less (a tool window: no grip).
constexpr QMargins kLargeFrame(8, 40, 8, 8);

QMargins widest(const QMargins& a, const QMargins& b) {
    return {std::max(a.left(), b.left()), std::max(a.top(), b.top()), std::max(a.right(), b.right()),
            std::max(a.bottom(), b.bottom())};
}

bool decorated(const QWidget* window) {
    const Qt::WindowType kind = window->windowType();
    return !(window->windowFlags() & Qt::FramelessWindowHint) && kind != Qt::Popup && kind != Qt::ToolTip &&
           kind != Qt::SplashScreen;
}

bool mapped(const QWidget* window) { return window->windowHandle() && window->windowHandle()->isVisible(); }

// The frame round `window`: its own once shown; before that, as wide as any
// the window manager has put round another window of the program, and no
// narrower than a large frame.
QMargins frameOf(const QWidget* window) {
    if (!decorated(window)) return {};
    if (mapped(window) && !window->windowHandle()->frameMargins().isNull())
        return window->windowHandle()->frameMargins();
    QMargins frame = kLargeFrame;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible() || !decorated(other)) continue;
        if (const QWindow* handle = other->windowHandle()) frame = widest(frame, handle->frameMargins());
    }
    return frame;
}

const QWidget* mainOf(const QWidget* window, const QWidget* main) {
    if (!main && window->parentWidget()) main = window->parentWidget()->window();
    if (!main) main = QApplication::activeWindow();
    if (main) main = main->window();
    return main && main != window && main->isVisible() ? main : nullptr;
}

class Keeper : public QObject {
public:
    Keeper(QWidget* window, const QWidget* main) : QObject(window), window_(window), main_(main) {
        setObjectName(QStringLiteral("ScreenFitKeeper"));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Sent once the window is sized and before it maps (and before a
        // dialog's own centring, which a placed window skips).
        if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous())
            ScreenFit::Place(window_, main_);
        return false;
    }

private:
    QWidget* window_;
    QPointer<const QWidget> main_;
};

}  // namespace

namespace ScreenFit {

QRect Fitted(const QRect& frame, const QRect& area) {
    if (!area.isValid()) return frame;
    const QSize size = frame.size().boundedTo(area.size());
    const int x = std::clamp(frame.x(), area.x(), area.x() + area.width() - size.width());
    const int y = std::clamp(frame.y(), area.y(), area.y() + area.height() - size.height());
    return {QPoint(x, y), size};
}

void Place(QWidget* window, const QWidget* main) {
    if (!window || !window->isWindow()) return;
    main = mainOf(window, main);
    QScreen* screen = main ? main->screen() : window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameOf(window);

    QRect intended(QPoint(), window->size().grownBy(frame));
    if (mapped(window) || window->testAttribute(Qt::WA_Moved))
        intended.moveTopLeft(window->pos());  // where its frame goes
    else
        intended.moveCenter(main ? main->frameGeometry().center() : area.center());
    const QRect fitted = Fitted(intended, area);
    if (window->screen() != screen) window->setScreen(screen);
    // A window that cannot shrink as far keeps its least size, from the
    // area's top left.
    const QSize size = fitted.size().shrunkBy(frame);
    if (size != window->size()) window->resize(size);
    // By its frame, which the window manager then puts there whatever the
    // frame it gives the window: a frame narrower than guessed leaves the
    // window a little short of the area's far edges, never past them.
    window->move(fitted.topLeft());
    if (QWindow* handle = window->windowHandle(); handle && !mapped(window)) handle->setFramePosition(fitted.topLeft());
}

void Keep(QWidget* window, const QWidget* main) {
    if (!window || window->findChild<Keeper*>(QStringLiteral("ScreenFitKeeper"), Qt::FindDirectChildrenOnly))
        return;
    new Keeper(window, main);
}

}  // namespace ScreenFit
