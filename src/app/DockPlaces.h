#pragma once
// The six places where the tablature window docks against the main window,
// in the order of the "Tab Window" menu: the digit each stores in
// "TabWinDock", its menu item, and where the tablature window's edges go.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace DockPlaces {

struct Place {
    int place;            // 0..5, the digit stored
    const char* name;     // the menu item's object name
    const char* caption;
    // The left edge is M.Left + leftM x M.Width + leftT x T.Width, the top edge
    // M.Top + topM x M.Height + topT x T.Height (M the main window, T the
    // tablature window, frames included).
    int leftM, leftT, topM, topT;
    int opposite;         // the place on the other side of the main window
};

inline constexpr int kUpperRight = 0;

inline constexpr std::array<Place, 6> kMenu = {{
    {5, "mnuDT", "Top", 0, 0, 0, -1, 1},
    {1, "mnuDB", "Bottom", 0, 0, 1, 0, 5},
    {4, "mnuDLL", "Lower Left", 0, -1, 1, -1, 3},
    {3, "mnuDLR", "Lower Right", 1, 0, 1, -1, 4},
    {0, "mnuDUR", "Upper Right", 1, 0, 0, 0, 2},
    {2, "mnuDUL", "Upper Left", 0, -1, 0, 0, 0},
}};

// The tablature window's left and top edges at `place` (Upper Right for a
// number that names no place), in the units of M and T.
QPoint DockedAt(int place, const QRect& M, const QSize& T);

struct Docking {
    int place;  // the place it went to
    QPoint at;  // its left and top edges
};

// Where the tablature window docks for the chosen `place` with `area` the
// work area, all in the same units: at that place where the window lies
// inside the area; else on the other side of M; else at the place nearest
// the chosen one that lies inside. Where none does, slid along M's edge
// into the area, at the place that leaves the most of it inside (the
// nearest of those). It never covers M. An invalid area docks at `place`.
Docking DockInside(int place, const QRect& M, const QSize& T, const QRect& area);

}  // namespace DockPlaces
