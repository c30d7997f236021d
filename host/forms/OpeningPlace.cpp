#include "OpeningPlace.h"

#include <algorithm>

namespace hostforms
{
namespace
{
int Within(int position, int length, int start, int room)
{
    return std::max(start, std::min(position, start + room - length));
}
} // namespace

QPoint OpeningPlace(QSize frame, QRect over, QRect available)
{
    const QPoint centred = over.center() - QPoint(frame.width() / 2, frame.height() / 2) + QPoint(1, 1);
    return QPoint(Within(centred.x(), frame.width(), available.left(), available.width()),
                  Within(centred.y(), frame.height(), available.top(), available.height()));
}
} // namespace hostforms
