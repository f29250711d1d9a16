// The window system's choice, the tray icon, the program's icon and dragging
// a window without a title bar.

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include "AppIcon.h"
#include "DisplayPlatform.h"
#include "FormDrag.h"
#include "QtPrinters.h"
#include "TrayIcon.h"

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

// Offscreen there is no window manager to move the window: it follows the mouse itself.
TEST(FormDrag, APressOnTheWindowOrAHandleMovesItAndOtherButtonsDoNot) {
    QDialog form(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    form.resize(200, 150);
    auto* handle = new QLabel(QStringLiteral("Caption"), &form);
    handle->setGeometry(10, 10, 100, 20);
    auto* drag = new FormDrag(&form);
    drag->AddHandle(handle);
    form.move(100, 100);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const QPoint start = form.pos();
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_TRUE(drag->Following());
    QTest::mouseMove(&form, QPoint(170, 130));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(170, 130));
    EXPECT_FALSE(drag->Following());
    EXPECT_EQ(form.pos() - start, QPoint(20, 30));

    const QPoint before = form.pos();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(handle, QPoint(15, 5));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(15, 5));
    EXPECT_EQ(form.pos() - before, QPoint(10, 0));

    // A right-button press starts nothing; moving afterwards moves nothing.
    const QPoint still = form.pos();
    QTest::mousePress(&form, Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseMove(&form, QPoint(90, 90));
    QTest::mouseRelease(&form, Qt::RightButton, {}, QPoint(90, 90));
    EXPECT_EQ(form.pos(), still);
}

}  // namespace
