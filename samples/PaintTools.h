#pragma once
// Small helpers that the preview drawings share.

#include "SampleRepository.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace ZANRET::Samples
{
inline QColor ToQColor(Colour c)
{
    return QColor(c[0], c[1], c[2]);
}

// A colour scaled towards black (factor < 1) or white (factor > 1), keeping its hue.
QColor Shaded(const QColor& colour, double factor);

// A pen that outlines shapes of the colour: darker, or lighter for a colour close to black.
QPen OutlineOf(const QColor& colour, double width);

// Maps a drawing made in a square of `size` units (y down) into the middle of the area, as large
// as fits.
void FitSquare(QPainter& painter, const QRectF& area, double size);
} // namespace ZANRET::Samples
