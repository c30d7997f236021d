#pragma once
// Internal: where a form opens. Its frame is centred over the window it belongs to, then moved into
// the screen's available area as far as it fits there; a frame larger than the area keeps its
// top-left corner in it, so that the caption stays within reach.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace hostforms
{
// The top-left corner of the frame.
QPoint OpeningPlace(QSize frame, QRect over, QRect available);
} // namespace hostforms
