#include "OpeningPlace.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>

namespace hostforms
{
namespace
{
int Within(int position, int length, int start, int room)
{
    return std::max(start, std::min(position, start + room - length));
}

QPoint Within(QPoint place, QSize frame, QRect available)
{
    return QPoint(Within(place.x(), frame.width(), available.left(), available.width()),
                  Within(place.y(), frame.height(), available.top(), available.height()));
}

std::int64_t Covered(QPoint place, QSize frame, QRect viewport)
{
    const QRect covered = QRect(place, frame).intersected(viewport);
    return covered.isEmpty() ? 0 : std::int64_t{covered.width()} * covered.height();
}
} // namespace

QPoint CentredPlace(QSize frame, QRect over, QRect available)
{
    const QPoint centred = over.center() - QPoint(frame.width() / 2, frame.height() / 2) + QPoint(1, 1);
    return Within(centred, frame, available);
}

QPoint BesidePlace(QSize frame, QRect host, QRect viewport, QRect available)
{
    const QPoint beside(host.right() + 1, host.top());
    // The covered area, a product of an overlap across and one down, is least at a corner of the
    // places in the area, or where the frame just clears the viewport or the host window.
    const int across[] = {beside.x(),           host.left() - frame.width(),
                          viewport.right() + 1, viewport.left() - frame.width(),
                          available.left(),     available.right() + 1 - frame.width()};
    const int down[] = {beside.y(), viewport.bottom() + 1, viewport.top() - frame.height(), available.top(),
                        available.bottom() + 1 - frame.height()};
    // Least of the viewport first, then least of the rest of the host window, then the nearest.
    using Cost = std::tuple<std::int64_t, std::int64_t, int>;
    QPoint best;
    Cost bestCost(std::numeric_limits<std::int64_t>::max(), 0, 0);
    for (const int x : across)
    {
        for (const int y : down)
        {
            const QPoint place = Within(QPoint(x, y), frame, available);
            const Cost cost(Covered(place, frame, viewport), Covered(place, frame, host),
                            (place - beside).manhattanLength());
            if (cost < bestCost)
            {
                best = place;
                bestCost = cost;
            }
        }
    }
    return best;
}
} // namespace hostforms
