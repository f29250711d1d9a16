// The window's chrome: docking the tablature window, dragging, minimising to
// the tray or the task bar, and closing the tablature window.

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>

#include "AppTestSupport.h"
#include "FormDrag.h"
#include "ModalBox.h"
#include "TrayIcon.h"
#include "Twips.h"
#include "clsChart.h"
#include "frmChart.h"
#include "frmTabWindow.h"

namespace {

using namespace apptest;

class WindowShellTest : public AppFixture {
protected:
    void TearDown() override {
        TrayIcon::SetAvailable(std::nullopt);
        AppFixture::TearDown();
    }

    // Starts the program and waits for its first activation (which shows and docks the tablature window).
    frmMain& StartActive() {
        frmMain& main = Start();
        EXPECT_TRUE(WaitFor([&] { return main.Activated(); }));
        return main;
    }

    static void MoveTo(frmMain& main, QPoint to) {
        main.move(to);
        EXPECT_TRUE(WaitFor([&] { return main.pos() == to; })) << "main window did not move";
        QApplication::processEvents();
    }

    // Back from the tray or the task bar with the tablature window, the icon
    // gone, and the one modal box open above (raised and activated: checked
    // under a window manager).
    static void ExpectBackWithTheBox(frmMain& main, QDialog& box) {
        EXPECT_TRUE(main.isVisible());
        EXPECT_FALSE(main.isMinimized());
        EXPECT_FALSE(main.Tray().Shown());
        EXPECT_TRUE(main.TabWindowForm()->isVisible());
        EXPECT_TRUE(box.isVisible());
        EXPECT_FALSE(box.isMinimized());
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
    }

    // The main window in the middle of its screen's work area, where every
    // dock place lies inside it.
    static QPoint Middle(const frmMain& main) {
        QRect middle(QPoint(), main.size());
        middle.moveCenter(main.screen()->availableGeometry().center());
        return middle.topLeft();
    }

    static QString Checked(frmMain& main) {
        QString out;
        for (int i = 0; i < 6; ++i)
            if (main.mnuDock(i)->isChecked()) out += main.mnuDock(i)->text() + QLatin1Char(';');
        return out;
    }
};

// The places, in twips, for a main window M and a tablature window T.
struct Place {
    int menuIndex;
    const char* caption;
    const char* digit;
    QPoint (*at)(QRect M, QSize T);
};
const Place kPlaces[] = {
    {0, "Top", "5", [](QRect M, QSize T) { return QPoint(M.x(), M.y() - T.height()); }},
    {1, "Bottom", "1", [](QRect M, QSize) { return QPoint(M.x(), M.y() + M.height()); }},
    {2, "Lower Left", "4",
     [](QRect M, QSize T) { return QPoint(M.x() - T.width(), M.y() + M.height() - T.height()); }},
    {3, "Lower Right", "3",
     [](QRect M, QSize T) { return QPoint(M.x() + M.width(), M.y() + M.height() - T.height()); }},
    {4, "Upper Right", "0", [](QRect M, QSize) { return QPoint(M.x() + M.width(), M.y()); }},
    {5, "Upper Left", "2", [](QRect M, QSize T) { return QPoint(M.x() - T.width(), M.y()); }},
};

// The window reaches the place (the window system moves it a moment later).
bool Placed(const QWidget* window, QPoint at) {
    WaitFor([&] { return window->pos() == at; });
    return window->pos() == at;
}

// Where the tablature window `tab` (its outer size, frame included) goes
// beside a borderless main window at `mainPixels`.
QPoint expectedPixels(const Place& p, QPoint mainPixels, const QWidget* tab) {
    const QRect M(mainPixels.x() * 15, mainPixels.y() * 15, frmMain::kWidthTwips, frmMain::kHeightTwips);
    const QPoint twips = p.at(M, tab->frameGeometry().size() * 15);
    return QPoint(twips.x() / 15, twips.y() / 15);
}

TEST_F(WindowShellTest, EachDockItemStoresItsPlaceAndDocksTheWindowThereAndItFollowsMoves) {
    frmMain& main = StartActive();
    frmTabWindow* tab = main.TabWindowForm();
    ASSERT_TRUE(tab->isVisible());
    // Nothing stored: Upper Right.
    EXPECT_EQ(Checked(main), QStringLiteral("Upper Right;"));
    EXPECT_PRED2(Placed, tab, expectedPixels(kPlaces[4], main.pos(), tab));

    for (const Place& p : kPlaces) {
        MoveTo(main, Middle(main));
        main.mnuDock(p.menuIndex)->trigger();
        EXPECT_EQ(Setting("TabWinDock"), QLatin1String(p.digit)) << p.caption;
        EXPECT_PRED2(Placed, tab, expectedPixels(p, main.pos(), tab)) << p.caption;
        EXPECT_EQ(Checked(main), QLatin1String(p.caption) + QLatin1Char(';'));
        // Choosing the checked item again keeps it checked.
        main.mnuDock(p.menuIndex)->trigger();
        EXPECT_EQ(Checked(main), QLatin1String(p.caption) + QLatin1Char(';'));

        MoveTo(main, main.pos() + QPoint(3, 11));
        EXPECT_PRED2(Placed, tab, expectedPixels(p, main.pos(), tab)) << p.caption << " after a move";
    }
}

// At an edge of the work area, the chosen place would run past it: the
// window docks on the other side, while the setting and the check keep the
// choice, and it goes back to the chosen place as the main window moves away.
TEST_F(WindowShellTest, AtAnEdgeTheWindowDocksOnTheOtherSideAndTheChoiceStays) {
    frmMain& main = StartActive();
    frmTabWindow* tab = main.TabWindowForm();
    const QRect area = main.screen()->availableGeometry();
    const QPoint middle = Middle(main);
    struct Case { const char* edge; QPoint at; int chosen; int docked; };
    for (const Case& c : {Case{"right", {area.right() + 1 - main.width(), middle.y()}, 4, 5},
                          Case{"left", {area.left(), middle.y()}, 2, 3},
                          Case{"top", {middle.x(), area.top()}, 0, 1},
                          Case{"bottom", {middle.x(), area.bottom() + 1 - main.height()}, 1, 0}}) {
        const Place& chosen = kPlaces[c.chosen];
        SCOPED_TRACE(std::string(c.edge) + " edge, " + chosen.caption);
        MoveTo(main, c.at);
        main.mnuDock(chosen.menuIndex)->trigger();
        EXPECT_PRED2(Placed, tab, expectedPixels(kPlaces[c.docked], main.pos(), tab));
        EXPECT_TRUE(area.contains(tab->frameGeometry()));
        EXPECT_EQ(Setting("TabWinDock"), QLatin1String(chosen.digit));
        EXPECT_EQ(Checked(main), QLatin1String(chosen.caption) + QLatin1Char(';'));

        MoveTo(main, middle);
        EXPECT_PRED2(Placed, tab, expectedPixels(chosen, main.pos(), tab)) << "moved away from the edge";
        MoveTo(main, c.at);
        EXPECT_PRED2(Placed, tab, expectedPixels(kPlaces[c.docked], main.pos(), tab)) << "moved back to the edge";
    }
}

TEST_F(WindowShellTest, AHiddenWindowKeepsItsPlaceAndCheckUntilShownAgain) {
    frmMain& main = StartActive();
    frmTabWindow* tab = main.TabWindowForm();
    MoveTo(main, Middle(main));
    main.cmdWindow()->click();
    ASSERT_FALSE(tab->isVisible());
    EXPECT_EQ(Setting("TabWindow"), QStringLiteral("False"));
    const QPoint before = tab->pos();

    main.mnuDock(1)->trigger();  // Bottom
    EXPECT_EQ(Setting("TabWinDock"), QStringLiteral("1"));
    EXPECT_EQ(tab->pos(), before);
    EXPECT_EQ(Checked(main), QStringLiteral("Upper Right;"));

    main.cmdWindow()->click();
    EXPECT_TRUE(tab->isVisible());
    EXPECT_EQ(Setting("TabWindow"), QStringLiteral("True"));
    EXPECT_PRED2(Placed, tab, expectedPixels(kPlaces[1], main.pos(), tab));
    EXPECT_EQ(Checked(main), QStringLiteral("Bottom;"));
}

TEST_F(WindowShellTest, ABadDockSettingDocksAtUpperRightAndDraggingStillWorks) {
    for (const char* bad : {"6", " 3", "3 ", "-1", "x", "", "03"}) {
        SetSetting("TabWinDock", QLatin1String(bad));
        frmMain& main = StartActive();
        frmTabWindow* tab = main.TabWindowForm();
        EXPECT_PRED2(Placed, tab, expectedPixels(kPlaces[4], main.pos(), tab)) << '"' << bad << '"';
        EXPECT_EQ(Checked(main), QStringLiteral("Upper Right;")) << '"' << bad << '"';

        // Dragged by its title, the main window moves and the tablature window follows.
        const QPoint start = main.pos();
        QTest::mousePress(main.lblQF(), Qt::LeftButton, {}, QPoint(10, 5));
        QTest::mouseMove(main.lblQF(), QPoint(40, 25));
        QTest::mouseRelease(main.lblQF(), Qt::LeftButton, {}, QPoint(40, 25));
        EXPECT_TRUE(WaitFor([&] { return main.pos() == start + QPoint(30, 20); })) << '"' << bad << '"';
        QApplication::processEvents();
        EXPECT_PRED2(Placed, tab, expectedPixels(kPlaces[4], main.pos(), tab)) << '"' << bad << '"';
        EXPECT_EQ(Setting("TabWinDock"), QLatin1String(bad));
        modMain::Shutdown();
    }
}

TEST_F(WindowShellTest, DraggingTheBareSurfaceMovesBothWindows) {
    frmMain& main = StartActive();
    main.mnuDock(2)->trigger();  // Lower Left
    MoveTo(main, QPoint(400, 300));
    const QPoint start = main.pos();
    // Beside the title, above the fretboard: bare window.
    const QPoint bare(Twips::ToPixels(1900), Twips::ToPixels(500));
    ASSERT_EQ(main.childAt(bare), nullptr);
    QTest::mousePress(&main, Qt::LeftButton, {}, bare);
    QTest::mouseMove(&main, bare + QPoint(-25, 40));
    QTest::mouseRelease(&main, Qt::LeftButton, {}, bare + QPoint(-25, 40));
    EXPECT_TRUE(WaitFor([&] { return main.pos() == start + QPoint(-25, 40); }));
    QApplication::processEvents();
    EXPECT_PRED2(Placed, main.TabWindowForm(), expectedPixels(kPlaces[2], main.pos(), main.TabWindowForm()));
}

// A press that a control passes up (a label, the frame of the chart list)
// is no press on the bare window: dragged from there, nothing moves, and the
// next click goes to the control under it.
TEST_F(WindowShellTest, APressPassedUpByAControlMovesNothingAndTheNextClickGoesThrough) {
    for (int i = 1; i <= 12; ++i)
        RememberChart(QStringLiteral("Chart%1").arg(i, 2, 10, QLatin1Char('0')),
                      {QStringLiteral("Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0")});
    frmMain& main = StartActive();
    MoveTo(main, QPoint(400, 300));
    const FormDrag* drag = main.findChild<FormDrag*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(drag, nullptr);
    const auto pressAndDrag = [&](QWidget* w, QPoint at, const std::string& what) {
        const QPoint start = main.pos();
        const QPoint pointer = w->mapToGlobal(at);
        QTest::mousePress(w, Qt::LeftButton, {}, at);
        for (const QPoint step : {QPoint(4, 3), QPoint(40, 30)}) {
            QTest::mouseMove(w, w->mapFromGlobal(pointer + step));
            EXPECT_EQ(drag->Current(), FormDrag::State::Idle) << what;
        }
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromGlobal(pointer + QPoint(40, 30)));
        QApplication::processEvents();
        EXPECT_EQ(main.pos(), start) << what;
    };

    for (QAction* mode : {main.mnuChords(), main.mnuChartMan()}) {
        mode->trigger();
        for (QLabel* label : main.findChildren<QLabel*>()) {
            if (label == main.lblQF() || !label->isVisible() || label->rect().isEmpty()) continue;
            pressAndDrag(label, label->rect().center(), (mode->text() + QLatin1String(": ")).toStdString() +
                                                            label->objectName().toStdString());
        }
    }

    // Manage Charts, the chart list scrolled to the end: its last row's lower
    // edge is the list's frame.
    QListWidget* charts = main.ChartControl()->lstCharts();
    ASSERT_EQ(charts->count(), 12);
    charts->scrollToBottom();
    const QPoint edge(charts->width() / 2, charts->height() - 1);
    ASSERT_EQ(charts->childAt(edge), nullptr) << "not on the list's frame";
    charts->setCurrentRow(11);
    pressAndDrag(charts, edge, "the chart list's frame");
    QTest::mouseClick(main.ChartControl()->cmdView(), Qt::LeftButton);
    ASSERT_NE(main.objChart(), nullptr);
    EXPECT_TRUE(main.objChart()->ChartForm()->isVisible());
    EXPECT_EQ(main.pos(), QPoint(400, 300));
}

TEST_F(WindowShellTest, MinimiseAndRestoreWithAndWithoutATray) {
    struct Case { bool tray; bool tabShown; };
    for (const Case c : {Case{true, true}, Case{true, false}, Case{false, true}, Case{false, false}}) {
        SCOPED_TRACE(std::string(c.tray ? "tray" : "no tray") + (c.tabShown ? ", tab shown" : ", tab hidden"));
        TrayIcon::SetAvailable(c.tray);
        SetSetting("TabWindow", c.tabShown ? QStringLiteral("True") : QStringLiteral("False"));
        SetSetting("TabWinDock", QStringLiteral("3"));
        frmMain& main = StartActive();
        frmTabWindow* tab = main.TabWindowForm();
        ASSERT_EQ(tab->isVisible(), c.tabShown);

        main.cmdMin()->click();
        EXPECT_FALSE(tab->isVisible());
        EXPECT_EQ(main.TabWasVisible(), c.tabShown);
        EXPECT_EQ(main.Tray().Shown(), c.tray);
        if (c.tray) {
            // Put away in the tray: no window, the icon with its tip.
            EXPECT_FALSE(main.isVisible());
            EXPECT_EQ(main.Tray().Icon()->toolTip(), QStringLiteral("Quillfret Pro"));
            EXPECT_FALSE(main.Tray().Icon()->icon().isNull());
            main.mnuTrayRestore()->trigger();
        } else {
            // On the task bar, minimised, never hidden with no way back.
            EXPECT_TRUE(main.isVisible());
            EXPECT_TRUE(main.isMinimized());
            main.showNormal();  // what the task bar does
        }
        EXPECT_TRUE(main.isVisible());
        EXPECT_FALSE(main.isMinimized());
        EXPECT_FALSE(main.Tray().Shown());
        EXPECT_EQ(tab->isVisible(), c.tabShown);
        if (c.tabShown) {
            EXPECT_PRED2(Placed, tab, expectedPixels(kPlaces[3], main.pos(), tab));
        }
        modMain::Shutdown();
    }
}

TEST_F(WindowShellTest, OnlyARightButtonPressOnTheTrayIconOpensItsMenu) {
    TrayIcon::SetAvailable(true);
    frmMain& main = StartActive();
    main.cmdMin()->click();
    ASSERT_TRUE(main.Tray().Shown());
    QSystemTrayIcon* icon = main.Tray().Icon();
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick}) {
        emit icon->activated(reason);
        EXPECT_FALSE(main.mnuTray()->isVisible()) << reason;
    }
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(main.mnuTray()->isVisible());
    main.mnuTray()->hide();
    EXPECT_FALSE(main.isVisible());  // opening the menu restores nothing by itself
}

// A modal box open when the window manager minimises the program (it
// minimises the box's owner with it): the program goes to the tray, and its
// menu brings back the main window and the box above it, active.
TEST_F(WindowShellTest, WithAModalBoxOpenTheTrayMenuBringsBackTheMainWindowAndTheBox) {
    TrayIcon::SetAvailable(true);
    frmMain& main = StartActive();
    auto box = std::make_unique<QDialog>(&main);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    ASSERT_EQ(QApplication::activeModalWidget(), box.get());
    // What the window manager does: both minimised.
    box->setWindowState(Qt::WindowMinimized);
    main.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(main.Tray().Shown());
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(main.TabWindowForm()->isVisible());

    emit main.Tray().Icon()->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(main.mnuTray()->isVisible());
    main.mnuTrayRestore()->trigger();
    main.mnuTray()->hide();
    ExpectBackWithTheBox(main, *box);
    box.reset();
    modMain::Shutdown();
}

// A window manager that minimises a modal box on its own (metacity does)
// would leave the main window blocked behind a box that is nowhere to be
// seen: the main window goes with the box, to the tray or the task bar, and
// coming back brings the box back above it.
TEST_F(WindowShellTest, AModalBoxMinimisedAloneTakesTheProgramWithItAndComesBackWithIt) {
    for (const bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "tray" : "no tray");
        TrayIcon::SetAvailable(tray);
        frmMain& main = StartActive();
        auto box = std::make_unique<QDialog>(&main);
        box->setWindowModality(Qt::ApplicationModal);
        ModalBox::Prepare(*box);
        box->show();
        box->setWindowState(Qt::WindowMinimized);
        ASSERT_TRUE(WaitFor([&] { return main.isMinimized() || !main.isVisible(); }));
        EXPECT_EQ(main.Tray().Shown(), tray);
        EXPECT_FALSE(main.TabWindowForm()->isVisible());
        if (tray) {
            EXPECT_FALSE(main.isVisible());
            main.mnuTrayRestore()->trigger();
        } else {
            EXPECT_TRUE(main.isVisible());
            main.setWindowState(Qt::WindowNoState);  // what the task bar does
        }
        ExpectBackWithTheBox(main, *box);
        box.reset();
        modMain::Shutdown();
    }
}

// Minimised with no owner to go with it, a box is not left minimised.
TEST_F(WindowShellTest, AModalBoxWithoutAnOwnerIsNotLeftMinimised) {
    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    ModalBox::Prepare(box);
    box.show();
    box.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(WaitFor([&] { return !box.isMinimized(); }));
    EXPECT_TRUE(box.isVisible());
}

TEST_F(WindowShellTest, ClosingWhileInTheTrayRemovesTheIconAndKeepsTheTabWindowSetting) {
    TrayIcon::SetAvailable(true);
    frmMain& main = StartActive();
    ASSERT_TRUE(main.TabWindowForm()->isVisible());
    main.cmdMin()->click();
    ASSERT_TRUE(main.Tray().Shown());
    main.close();
    EXPECT_FALSE(main.Tray().Shown());
    // The tablature window was put away with the main window, not by the user.
    EXPECT_EQ(Setting("TabWindow"), QStringLiteral("True"));
}

TEST_F(WindowShellTest, ClosingTheTablatureWindowHidesItAndRecordsIt) {
    frmMain& main = StartActive();
    QPointer<frmTabWindow> tab = main.TabWindowForm();
    ASSERT_TRUE(tab->isVisible());
    EXPECT_FALSE(tab->close());  // as the window manager's close button does
    ASSERT_TRUE(tab);
    EXPECT_FALSE(tab->isVisible());
    EXPECT_EQ(Setting("TabWindow"), QStringLiteral("False"));
    EXPECT_TRUE(main.isVisible());
    main.cmdWindow()->click();
    EXPECT_TRUE(tab->isVisible());
    EXPECT_EQ(Setting("TabWindow"), QStringLiteral("True"));
}

TEST_F(WindowShellTest, TheMainWindowIsBorderlessAndTheTablatureWindowATool) {
    frmMain& main = StartActive();
    EXPECT_TRUE(main.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(main.TabWindowForm()->windowType(), Qt::Tool);
    EXPECT_EQ(main.TabWindowForm()->parentWidget(), &main);
    EXPECT_EQ(main.lblQF()->text(), QStringLiteral("Quillfret Pro"));
    EXPECT_EQ(main.cmdExit()->toolTip(), QStringLiteral("Exit"));
    EXPECT_EQ(main.cmdMin()->toolTip(), QStringLiteral("Minimize"));
    EXPECT_EQ(main.cmdHelp()->toolTip(), QStringLiteral("Help"));
    EXPECT_EQ(main.cmdOptions()->toolTip(), QStringLiteral("Menu"));
    // The chrome's buttons lie inside the window and clear of every other control.
    for (QWidget* b : {static_cast<QWidget*>(main.cmdHelp()), static_cast<QWidget*>(main.cmdMin()),
                       static_cast<QWidget*>(main.cmdExit())}) {
        EXPECT_TRUE(main.rect().contains(b->geometry())) << b->objectName().toStdString();
        for (QWidget* other : main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != b && other->isVisible() && !other->inherits("QMenu")) {
                EXPECT_FALSE(b->geometry().intersects(other->geometry()))
                    << b->objectName().toStdString() << " / " << other->objectName().toStdString();
            }
    }
}

}  // namespace
