// Where the tablature window docks when the chosen place runs past the work
// area: at each screen edge and corner, with the main window past an edge,
// and on a screen too small for any place.

#include <gtest/gtest.h>

#include <string>

#include "DockPlaces.h"
#include "QtPrinters.h"

namespace {

using DockPlaces::DockInside;

// The cases are written in pixels; the program docks in twips.
QPoint px(int x, int y) { return {x * 15, y * 15}; }
QRect px(int x, int y, int w, int h) { return {x * 15, y * 15, w * 15, h * 15}; }

// The main window and the tablature window with the frame a window manager
// gives it.
const QSize kMain = px(0, 0, 264, 451).size();
const QSize kTab = px(0, 0, 262, 150).size();
const QRect kScreen = px(0, 0, 1024, 768);

enum : int { UpperRight = 0, Bottom = 1, UpperLeft = 2, LowerRight = 3, LowerLeft = 4, Top = 5 };

struct Case {
    const char* what;
    QRect area;
    QPoint main;  // its top left, in pixels
    int chosen;
    int place;    // where the window goes
    QPoint at;    // in pixels
};

const Case kCases[] = {
    // Room all round: each place as chosen.
    {"centre", kScreen, {380, 158}, Top, Top, {380, 8}},
    {"centre", kScreen, {380, 158}, Bottom, Bottom, {380, 609}},
    {"centre", kScreen, {380, 158}, LowerLeft, LowerLeft, {118, 459}},
    {"centre", kScreen, {380, 158}, LowerRight, LowerRight, {644, 459}},
    {"centre", kScreen, {380, 158}, UpperRight, UpperRight, {644, 158}},
    {"centre", kScreen, {380, 158}, UpperLeft, UpperLeft, {118, 158}},
    // At an edge: the other side; the places that fit stay.
    {"right edge", kScreen, {760, 158}, UpperRight, UpperLeft, {498, 158}},
    {"right edge", kScreen, {760, 158}, LowerRight, LowerLeft, {498, 459}},
    {"right edge", kScreen, {760, 158}, Top, Top, {760, 8}},
    {"left edge", kScreen, {0, 158}, UpperLeft, UpperRight, {264, 158}},
    {"left edge", kScreen, {0, 158}, LowerLeft, LowerRight, {264, 459}},
    {"left edge", kScreen, {0, 158}, Bottom, Bottom, {0, 609}},
    {"top edge", kScreen, {380, 0}, Top, Bottom, {380, 451}},
    {"top edge", kScreen, {380, 0}, UpperRight, UpperRight, {644, 0}},
    {"bottom edge", kScreen, {380, 317}, Bottom, Top, {380, 167}},
    {"bottom edge", kScreen, {380, 317}, LowerRight, LowerRight, {644, 618}},
    // Above a panel along the bottom: its own work area, not the screen.
    {"bottom edge, panel", px(0, 0, 1024, 736), {380, 285}, Bottom, Top, {380, 135}},
    {"under a panel along the top", px(0, 24, 1024, 744), {380, 24}, Top, Bottom, {380, 475}},
    // In a corner: the other side of the edge it runs past.
    {"upper right corner", kScreen, {760, 0}, UpperRight, UpperLeft, {498, 0}},
    {"upper right corner", kScreen, {760, 0}, Top, Bottom, {760, 451}},
    {"lower left corner", kScreen, {0, 317}, LowerLeft, LowerRight, {264, 618}},
    {"lower left corner", kScreen, {0, 317}, Bottom, Top, {0, 167}},
    {"lower right corner", kScreen, {760, 317}, LowerRight, LowerLeft, {498, 618}},
    {"upper left corner", kScreen, {0, 0}, UpperLeft, UpperRight, {264, 0}},
    // The other side runs past too: the nearest place that fits.
    {"past the bottom at the right", kScreen, {760, 650}, UpperRight, Top, {760, 500}},
    {"past the top near the right", kScreen, {700, -200}, UpperRight, Bottom, {700, 251}},
    {"past the top near the right", kScreen, {700, -200}, UpperLeft, LowerLeft, {438, 101}},
    {"past the top", kScreen, {380, -350}, LowerRight, Bottom, {380, 101}},
    // None fits: slid along the main window's edge, into the area.
    {"past the upper right corner", kScreen, {800, -350}, UpperLeft, UpperLeft, {538, 0}},
    {"past the upper right corner", kScreen, {800, -350}, LowerRight, Bottom, {762, 101}},
    // A screen with no room for a whole place: beside the main window, as
    // much of it inside as anywhere, the chosen place first.
    {"small screen", px(0, 0, 600, 480), {168, 14}, UpperRight, UpperRight, {432, 14}},
    {"small screen", px(0, 0, 600, 480), {168, 14}, Bottom, LowerLeft, {-94, 315}},
    // No work area known: the chosen place.
    {"no area", QRect(), {760, 158}, UpperRight, UpperRight, {1024, 158}},
    // A number that names no place: Upper Right.
    {"no such place", kScreen, {380, 158}, 7, UpperRight, {644, 158}},
    {"no such place, right edge", kScreen, {760, 158}, -1, UpperLeft, {498, 158}},
};

TEST(DockPlacesTest, TheChosenPlaceWhereItFitsElseTheOtherSideElseTheNearest) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.what) + ", chosen " + std::to_string(c.chosen));
        const QRect main(px(c.main.x(), c.main.y()), kMain);
        const DockPlaces::Docking got = DockInside(c.chosen, main, kTab, c.area);
        EXPECT_EQ(got.place, c.place);
        EXPECT_EQ(got.at, px(c.at.x(), c.at.y()));
        EXPECT_FALSE(QRect(got.at, kTab).intersects(main)) << "over the main window";
    }
}

// With the main window anywhere on the screen and past its edges, on a
// screen with room and on one without: never over the main window, and
// inside the area wherever the main window leaves room for a place there.
TEST(DockPlacesTest, NeverOverTheMainWindowAndInsideWhereAnyPlaceFits) {
    for (const QRect& area : {kScreen, px(0, 0, 600, 480)}) {
        for (int x = -300; x <= 1100; x += 20) {
            for (int y = -500; y <= 800; y += 20) {
                const QRect main(px(x, y), kMain);
                bool room = false;
                for (const DockPlaces::Place& p : DockPlaces::kMenu)
                    room = room || area.contains(QRect(DockPlaces::DockedAt(p.place, main, kTab), kTab));
                for (const DockPlaces::Place& p : DockPlaces::kMenu) {
                    const QRect tab(DockInside(p.place, main, kTab, area).at, kTab);
                    SCOPED_TRACE(std::string(p.caption) + " beside the main window at " + std::to_string(x) + ", " +
                                 std::to_string(y) + " on a screen " + std::to_string(area.width() / 15) + " wide");
                    ASSERT_FALSE(tab.intersects(main));
                    if (room) {
                        ASSERT_TRUE(area.contains(tab));
                    }
                }
            }
        }
    }
}

}  // namespace
