#include "PaintTools.h"

#include <algorithm>

namespace ZANRET::Samples
{
QColor Shaded(const QColor& colour, double factor)
{
    auto channel = [factor](int value)
    {
        const double scaled = factor <= 1.0 ? value * factor : value + (255 - value) * (factor - 1.0);
        return std::clamp(static_cast<int>(scaled + 0.5), 0, 255);
    };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()), colour.alpha());
}

QPen OutlineOf(const QColor& colour, double width)
{
    const QColor line = colour.lightness() < 50 ? QColor(110, 110, 115) : Shaded(colour, 0.55);
    QPen pen(line, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void FitSquare(QPainter& painter, const QRectF& area, double size)
{
    const double scale = std::min(area.width(), area.height()) / size;
    painter.translate(area.center().x() - size * scale / 2, area.center().y() - size * scale / 2);
    painter.scale(scale, scale);
}
} // namespace ZANRET::Samples
