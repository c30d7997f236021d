#pragma once
// The swatch of a cloth material's preview: a piece of the cloth in its colour and weave.

#include "SampleRepository.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace ZANRET::Samples
{
void DrawSwatch(QPainter& painter, const QRectF& area, Weave weave, const QColor& colour);
} // namespace ZANRET::Samples
