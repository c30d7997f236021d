#pragma once
// The picture of an asset: the object its shape names, in its material's colour.

#include "SampleRepository.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace ZANRET::Samples
{
void DrawAsset(QPainter& painter, const QRectF& area, AssetShape shape, const QColor& colour);
} // namespace ZANRET::Samples
