#include "DockPlaces.h"

namespace DockPlaces {
namespace {

const Place& rowOf(int place) {
    for (const Place& p : kMenu)
        if (p.place == place) return p;
    return rowOf(kUpperRight);
}

}  // namespace

QPoint DockedAt(int place, const QRect& M, const QSize& T) {
    const Place& row = rowOf(place);
    return {M.left() + row.leftM * M.width() + row.leftT * T.width(),
            M.top() + row.topM * M.height() + row.topT * T.height()};
}

}  // namespace DockPlaces
