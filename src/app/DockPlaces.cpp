#include "DockPlaces.h"

#include <algorithm>
#include <cstdint>

namespace DockPlaces {
namespace {

const Place& rowOf(int place) {
    for (const Place& p : kMenu)
        if (p.place == place) return p;
    return rowOf(kUpperRight);
}

// `at` moved along M's edge, the one the window shares with M, as far into
// `area` as it goes: beside M (left or right) it moves up or down, above or
// below M it moves sideways. Either way it stays off M.
QPoint slidInto(const Place& row, QPoint at, const QSize& T, const QRect& area) {
    const auto into = [](int v, int from, int span, int length) {
        return std::max(from, std::min(v, from + span - length));
    };
    const bool beside = row.leftM != 0 || row.leftT != 0;  // its left edge is not M's
    if (beside)
        at.setY(into(at.y(), area.top(), area.height(), T.height()));
    else
        at.setX(into(at.x(), area.left(), area.width(), T.width()));
    return at;
}

int64_t inside(QPoint at, const QSize& T, const QRect& area) {
    const QRect part = QRect(at, T).intersected(area);
    return int64_t{part.width()} * part.height();
}

}  // namespace

QPoint DockedAt(int place, const QRect& M, const QSize& T) {
    const Place& row = rowOf(place);
    return {M.left() + row.leftM * M.width() + row.leftT * T.width(),
            M.top() + row.topM * M.height() + row.topT * T.height()};
}

Docking DockInside(int place, const QRect& M, const QSize& T, const QRect& area) {
    const Place& chosen = rowOf(place);
    const QPoint wanted = DockedAt(chosen.place, M, T);
    const auto fits = [&](int p) { return area.contains(QRect(DockedAt(p, M, T), T)); };
    if (!area.isValid() || fits(chosen.place)) return {chosen.place, wanted};
    if (fits(chosen.opposite)) return {chosen.opposite, DockedAt(chosen.opposite, M, T)};

    // The rest by their distance from the chosen place, the menu's order
    // between equals.
    const auto farFrom = [&](QPoint at) { return (at - wanted).manhattanLength(); };
    const Place* best = nullptr;
    for (const Place& row : kMenu) {
        if (!fits(row.place)) continue;
        if (!best || farFrom(DockedAt(row.place, M, T)) < farFrom(DockedAt(best->place, M, T))) best = &row;
    }
    if (best) return {best->place, DockedAt(best->place, M, T)};

    Docking slid{chosen.place, slidInto(chosen, wanted, T, area)};
    for (const Place& row : kMenu) {
        const QPoint at = slidInto(row, DockedAt(row.place, M, T), T, area);
        const int64_t more = inside(at, T, area) - inside(slid.at, T, area);
        if (more > 0 || (more == 0 && farFrom(at) < farFrom(slid.at))) slid = {row.place, at};
    }
    return slid;
}

}  // namespace DockPlaces
