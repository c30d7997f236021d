#pragma once
// Internal: where a form opens. Beside the host window when the screen has room there, so that the
// viewport stays in sight; otherwise where it covers the least of the viewport. A frame larger than
// the screen's available area keeps its top-left corner in it, so that the caption stays within reach.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace hostforms
{
// The top-left corner of the frame, centred over `over` and moved into `available` as far as it
// fits there.
QPoint CentredPlace(QSize frame, QRect over, QRect available);

// The top-left corner of the frame: against the right edge of the host window's frame, level with
// its top, when the available area has room there; otherwise, of the places wholly in the area, one
// that covers the least of the viewport, then of the rest of the host window, the nearest to that
// first place among equals.
QPoint BesidePlace(QSize frame, QRect host, QRect viewport, QRect available);
} // namespace hostforms
