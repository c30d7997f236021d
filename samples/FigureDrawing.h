#pragma once
// The figures of the outfit and pose previews, drawn from the same skeleton as the meshes, and the
// bust of a skin preview.

#include "SampleRepository.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace ZANRET::Samples
{
// The whole figure in the posture, wearing the garment, as large as fits the area.
void DrawFigure(QPainter& painter, const QRectF& area, Posture posture, Garment garment, const QColor& skin,
                const QColor& cloth);

// A head and shoulders in the skin's colour.
void DrawBust(QPainter& painter, const QRectF& area, const QColor& skin);
} // namespace ZANRET::Samples
