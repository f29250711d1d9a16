// The window system's choice, the tray icon, the program's icon and dragging
// a window without a title bar.

#include <gtest/gtest.h>

#include <QApplication>

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include "AppIcon.h"
#include "DisplayPlatform.h"
#include "FormDrag.h"
#include "QtPrinters.h"
#include "TrayIcon.h"

inline void PrintTo(FormDrag::State s, std::ostream* os) {
    static const char* const names[] = {"Idle", "Pressed", "SystemMoving", "Following"};
    *os << names[static_cast<int>(s)];
}

namespace {

TEST(DisplayPlatform, WaylandSessionsGoThroughXWaylandUnlessAPlatformWasChosen) {
    struct Case {
        const char* qpa; const char* session; const char* wayland; const char* display; QStringList args;
        const char* chosen;
    };
    const Case cases[] = {
        {"", "wayland", "wayland-0", ":0", {}, "xcb"},
        {"", "", "wayland-0", ":0", {}, "xcb"},
        {"", "Wayland", "", ":1", {}, "xcb"},
        {"", "x11", "", ":0", {}, ""},
        {"", "wayland", "wayland-0", "", {}, ""},  // no XWayland: stay on Wayland
        {"wayland", "wayland", "wayland-0", ":0", {}, ""},
        {"offscreen", "wayland", "wayland-0", ":0", {}, ""},
        {"", "wayland", "wayland-0", ":0", {"-platform", "wayland"}, ""},
        {"", "wayland", "wayland-0", ":0", {"--platform=wayland"}, ""},
        {"", "wayland", "wayland-0", ":0", {"ziridezar"}, "xcb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayPlatform::PlatformFor(c.qpa, c.session, c.wayland, c.display, c.args), QByteArray(c.chosen))
            << c.qpa << "|" << c.session << "|" << c.wayland << "|" << c.display;
}

TEST(TrayIcon, OnlyARightButtonPressIsReportedAndDeleteRemovesTheIcon) {
    TrayIcon tray;
    QSignalSpy right(&tray, &TrayIcon::RightButtonDown);
    EXPECT_FALSE(tray.Shown());
    tray.Delete();  // nothing shown: nothing happens

    tray.Add(AppIcon::Icon(), QStringLiteral("Quillfret Pro"));
    ASSERT_TRUE(tray.Shown());
    EXPECT_EQ(tray.Icon()->toolTip(), QStringLiteral("Quillfret Pro"));
    EXPECT_FALSE(tray.Icon()->icon().isNull());
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick,
                        QSystemTrayIcon::Unknown})
        emit tray.Icon()->activated(reason);
    EXPECT_EQ(right.count(), 0);
    emit tray.Icon()->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(right.count(), 1);

    tray.Delete();
    EXPECT_FALSE(tray.Shown());
    EXPECT_EQ(tray.findChild<QSystemTrayIcon*>(), nullptr);
}

TEST(TrayIcon, AvailabilityIsTheDesktopsUnlessChosen) {
    EXPECT_EQ(TrayIcon::Available(), QSystemTrayIcon::isSystemTrayAvailable());
    TrayIcon::SetAvailable(true);
    EXPECT_TRUE(TrayIcon::Available());
    TrayIcon::SetAvailable(false);
    EXPECT_FALSE(TrayIcon::Available());
    TrayIcon::SetAvailable(std::nullopt);
    EXPECT_EQ(TrayIcon::Available(), QSystemTrayIcon::isSystemTrayAvailable());
}

TEST(AppIcon, EverySizeIsThere) {
    const QIcon icon = AppIcon::Icon();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
        EXPECT_EQ(image.size(), QSize(size, size)) << size;
        // Transparent corners, an opaque middle.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

// A caption-less window with a handle, a label that is no handle (it passes
// presses up), a list (its frame passes them up) and a button. Offscreen
// there is no window manager: a drag makes the window follow the mouse.
class FormDragTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.resize(240, 200);
        handle = new QLabel(QStringLiteral("Caption"), &form);
        handle->setObjectName(QStringLiteral("handle"));
        handle->setGeometry(10, 10, 100, 20);
        label = new QLabel(QStringLiteral("Text"), &form);
        label->setObjectName(QStringLiteral("label"));
        label->setGeometry(120, 10, 100, 20);
        list = new QListWidget(&form);
        list->setObjectName(QStringLiteral("list"));
        list->setGeometry(10, 40, 100, 100);
        button = new QPushButton(QStringLiteral("Button"), &form);
        button->setGeometry(120, 40, 100, 30);
        drag = new FormDrag(&form);
        drag->AddHandle(handle);
        form.move(100, 100);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Presses at `at` on `w`, moves the pointer by each step in turn and releases it there;
    // the window's move from where it was and the drag's state after each step.
    struct Outcome {
        QPoint moved;
        std::vector<FormDrag::State> states;
    };
    Outcome Drag(QWidget* w, QPoint at, const std::vector<QPoint>& steps, Qt::MouseButton b = Qt::LeftButton) {
        const QPoint before = form.pos();
        Outcome out;
        // The pointer moves on the screen; the window may move under it.
        QPoint pointer = w->mapToGlobal(at);
        QTest::mousePress(w, b, {}, at);
        out.states.push_back(drag->Current());
        for (const QPoint& step : steps) {
            pointer += step;
            QTest::mouseMove(w, w->mapFromGlobal(pointer));
            out.states.push_back(drag->Current());
        }
        QTest::mouseRelease(w, b, {}, w->mapFromGlobal(pointer));
        out.states.push_back(drag->Current());
        out.moved = form.pos() - before;
        return out;
    }

    QDialog form{nullptr, Qt::Dialog | Qt::FramelessWindowHint};
    QLabel* handle = nullptr;
    QLabel* label = nullptr;
    QListWidget* list = nullptr;
    QPushButton* button = nullptr;
    FormDrag* drag = nullptr;
};

TEST_F(FormDragTest, OnlyAPressOnTheBareSurfaceOrAHandleThenAMoveBeyondTheDragDistanceMovesTheWindow) {
    using S = FormDrag::State;
    const int d = QApplication::startDragDistance();
    ASSERT_GT(d, 2);
    const QPoint under(d - 2, 1);  // short of the drag distance
    struct Case {
        const char* what;
        const char* on;  // the widget's name; null: the window itself
        QPoint at;
        std::vector<QPoint> steps;
        Qt::MouseButton button;
        QPoint moved;
        std::vector<S> states;
    };
    const Case cases[] = {
        {"bare surface, a move short of the distance", nullptr, {150, 150}, {under}, Qt::LeftButton, {},
         {S::Pressed, S::Pressed, S::Idle}},
        {"bare surface, pressed and released", nullptr, {150, 150}, {}, Qt::LeftButton, {},
         {S::Pressed, S::Idle}},
        {"bare surface, then beyond it", nullptr, {150, 150}, {under, {20, 30}}, Qt::LeftButton,
         under + QPoint(20, 30), {S::Pressed, S::Pressed, S::Following, S::Idle}},
        // The motion up to the drag distance is not lost: the grabbed point stays under the pointer.
        {"bare surface, in small steps", nullptr, {150, 150}, std::vector<QPoint>(12, {5, 2}), Qt::LeftButton,
         {60, 24}, {S::Pressed, S::Pressed, S::Following, S::Following, S::Following, S::Following, S::Following,
                    S::Following, S::Following, S::Following, S::Following, S::Following, S::Following, S::Idle}},
        {"handle, a single jump", "handle", {5, 5}, {{60, 30}}, Qt::LeftButton, {60, 30},
         {S::Pressed, S::Following, S::Idle}},
        {"handle, then beyond the distance", "handle", {5, 5}, {{d, 0}, {3, 4}}, Qt::LeftButton,
         {d + 3, 4}, {S::Pressed, S::Following, S::Following, S::Idle}},
        {"right button on the bare surface", nullptr, {50, 170}, {{40, 20}}, Qt::RightButton, {},
         {S::Idle, S::Idle, S::Idle}},
        {"a label passes the press up", "label", {5, 5}, {{30, 30}}, Qt::LeftButton, {},
         {S::Idle, S::Idle, S::Idle}},
        {"a list's frame passes the press up", "list", {50, 99}, {{30, 30}}, Qt::LeftButton, {},
         {S::Idle, S::Idle, S::Idle}},
    };
    for (const Case& c : cases) {
        QWidget* w = c.on ? form.findChild<QWidget*>(QLatin1String(c.on)) : &form;
        ASSERT_NE(w, nullptr) << c.what;
        const Outcome out = Drag(w, c.at, c.steps, c.button);
        EXPECT_EQ(out.moved, c.moved) << c.what;
        EXPECT_EQ(out.states, c.states) << c.what;
    }
}

TEST_F(FormDragTest, AfterAPressPassedUpTheNextClickGoesToTheWidgetUnderIt) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    const QPoint start = form.pos();
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(50, 99));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(drag->Current(), FormDrag::State::Idle);
    EXPECT_EQ(form.pos(), start);
}

}  // namespace
