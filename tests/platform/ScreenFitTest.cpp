// Windows fitted into the available area of the main window's screen.

#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "QtPrinters.h"
#include "ScreenFit.h"

namespace {

struct FitCase {
    const char* name;
    QRect frame;
    QRect area;
    QRect fitted;
};

// Areas of 1280 x 800 and 1024 x 768 screens less a 32-pixel panel, and of a
// second screen to the right of the first.
const QRect kWide(0, 0, 1280, 768);
const QRect kSmall(0, 32, 1024, 736);
const QRect kSecond(1280, 0, 1024, 768);

TEST(ScreenFit, FitsAFrameIntoTheArea) {
    const FitCase cases[] = {
        {"fits: keeps its place and size", QRect(100, 100, 636, 608), kWide, QRect(100, 100, 636, 608)},
        {"touching every edge", QRect(0, 0, 1280, 768), kWide, QRect(0, 0, 1280, 768)},
        {"too low: moved up", QRect(400, 300, 636, 608), kWide, QRect(400, 160, 636, 608)},
        {"above the area: moved down", QRect(300, 0, 636, 608), kSmall, QRect(300, 32, 636, 608)},
        {"off to the right: moved in", QRect(900, 50, 636, 480), kSmall, QRect(388, 50, 636, 480)},
        {"off to the left: moved in", QRect(-200, 50, 636, 480), kSmall, QRect(0, 50, 636, 480)},
        {"off at the lower right: moved in both ways", QRect(1000, 700, 456, 248), kWide,
         QRect(824, 520, 456, 248)},
        {"too tall: as tall as the area", QRect(100, 100, 636, 900), kSmall, QRect(100, 32, 636, 736)},
        {"too large: the whole area", QRect(-50, -50, 2000, 1000), kSmall, kSmall},
        {"on the first screen, for the second: moved onto it", QRect(400, 100, 636, 608), kSecond,
         QRect(1280, 100, 636, 608)},
        {"on the second screen: kept", QRect(1500, 100, 636, 608), kSecond, QRect(1500, 100, 636, 608)},
        {"no area known: left alone", QRect(3000, 3000, 636, 608), QRect(), QRect(3000, 3000, 636, 608)},
    };
    for (const FitCase& c : cases) EXPECT_EQ(ScreenFit::Fitted(c.frame, c.area), c.fitted) << c.name;
}

// The offscreen screen, with a main window shown on it.
class ScreenFitPlace : public ::testing::Test {
protected:
    void SetUp() override {
        screen_ = QGuiApplication::primaryScreen();
        ASSERT_NE(screen_, nullptr);
        area_ = screen_->availableGeometry();
        main_.setWindowFlag(Qt::FramelessWindowHint);
        main_.resize(264, 451);
    }
    void showMainAt(QPoint topLeft) {
        main_.move(topLeft);
        main_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main_));
    }
    bool inside(const QWidget& window) const { return area_.contains(window.frameGeometry()); }

    QScreen* screen_ = nullptr;
    QRect area_;
    QWidget main_;
};

TEST_F(ScreenFitPlace, AWindowWithoutAPlaceOpensOverTheMainWindowAtItsOwnSize) {
    showMainAt(area_.center() - QPoint(132, 225));
    QWidget viewer;
    viewer.resize(300, 200);
    ScreenFit::Place(&viewer, &main_);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    EXPECT_EQ(viewer.size(), QSize(300, 200));
    EXPECT_LE((viewer.frameGeometry().center() - main_.frameGeometry().center()).manhattanLength(), 40);
    EXPECT_TRUE(inside(viewer)) << ::testing::PrintToString(viewer.frameGeometry()) << " in " << ::testing::PrintToString(area_);
}

TEST_F(ScreenFitPlace, NearTheCornerItIsMovedIn) {
    showMainAt(area_.bottomRight() - QPoint(263, 450));
    QWidget viewer;
    viewer.resize(area_.width() / 2, area_.height() / 2);
    const QSize own = viewer.size();
    ScreenFit::Place(&viewer, &main_);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    EXPECT_EQ(viewer.size(), own);
    EXPECT_TRUE(inside(viewer)) << ::testing::PrintToString(viewer.frameGeometry()) << " in " << ::testing::PrintToString(area_);
}

TEST_F(ScreenFitPlace, ATallerWindowIsMadeSmaller) {
    showMainAt(area_.topLeft());
    QWidget help;
    help.resize(area_.width() / 2, area_.height() + 300);
    ScreenFit::Place(&help);  // no parent, nothing active: the screen it is on
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(help.width(), area_.width() / 2);
    EXPECT_LT(help.height(), area_.height());
    EXPECT_TRUE(inside(help)) << ::testing::PrintToString(help.frameGeometry()) << " in " << ::testing::PrintToString(area_);
}

TEST_F(ScreenFitPlace, AWindowPlacedByItsCodeKeepsItsPlaceWhereItFits) {
    showMainAt(area_.topLeft());
    QWidget viewer;
    viewer.resize(200, 150);
    viewer.move(area_.topLeft() + QPoint(100, 80));
    ScreenFit::Place(&viewer, &main_);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    EXPECT_EQ(viewer.frameGeometry().topLeft(), area_.topLeft() + QPoint(100, 80));
    EXPECT_EQ(viewer.size(), QSize(200, 150));
}

TEST_F(ScreenFitPlace, AKeptDialogIsFittedAtEveryShowing) {
    showMainAt(area_.bottomRight() - QPoint(263, 450));
    QDialog box(&main_);  // over its parent, the main window
    box.setFixedSize(440, 200);
    ScreenFit::Keep(&box);
    ScreenFit::Keep(&box);  // once is enough; twice changes nothing
    for (int showing = 0; showing < 2; ++showing) {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        EXPECT_TRUE(inside(box)) << "showing " << showing << ": " << ::testing::PrintToString(box.frameGeometry()) << " in " << ::testing::PrintToString(area_);
        // Off the screen while hidden: the next showing brings it back.
        box.hide();
        box.move(area_.bottomRight() + QPoint(100, 100));
    }
    EXPECT_EQ(box.size(), QSize(440, 200));
}

}  // namespace
