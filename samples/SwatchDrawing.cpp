#include "SwatchDrawing.h"

#include "PaintTools.h"

#include <QPainterPath>

namespace ZANRET::Samples
{
namespace
{
// Threads a little lighter and a little darker than the cloth, in equal measure, so that the
// swatch as a whole keeps the cloth's colour.
void Threads(QPainter& painter, const QRectF& area, Weave weave, const QColor& colour)
{
    const QPen light(Shaded(colour, 1.12), 1.5);
    const QPen dark(Shaded(colour, 0.88), 1.5);
    switch (weave)
    {
    case Weave::Plain:
        // A fine basket weave.
        painter.setPen(Qt::NoPen);
        for (int row = 0; area.top() + row * 3 < area.bottom(); ++row)
        {
            for (int column = 0; area.left() + column * 3 < area.right(); ++column)
            {
                painter.setBrush((row + column) % 2 == 0 ? Shaded(colour, 1.06) : Shaded(colour, 0.94));
                painter.drawRect(QRectF(area.left() + column * 3, area.top() + row * 3, 3, 3));
            }
        }
        break;
    case Weave::Denim:
        // Diagonal twill and a seam of orange stitches.
        for (int i = 0; area.left() - area.height() + i * 5 < area.right(); ++i)
        {
            const double x = area.left() - area.height() + i * 5;
            painter.setPen(i % 2 == 0 ? light : dark);
            painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
        }
        painter.setPen(QPen(QColor(205, 140, 60), 1.5, Qt::DashLine));
        painter.drawLine(QPointF(area.left() + 8, area.top()), QPointF(area.left() + 8, area.bottom()));
        break;
    case Weave::Knit:
        // Rows of stitches, each a V.
        for (double y = area.top(); y < area.bottom(); y += 8)
        {
            for (double x = area.left(); x < area.right(); x += 8)
            {
                painter.setPen(light);
                painter.drawLine(QPointF(x, y), QPointF(x + 4, y + 7));
                painter.setPen(dark);
                painter.drawLine(QPointF(x + 4, y + 7), QPointF(x + 8, y));
            }
        }
        break;
    }
}
} // namespace

void DrawSwatch(QPainter& painter, const QRectF& area, Weave weave, const QColor& colour)
{
    // A piece of cloth with a pinked lower edge.
    QPainterPath piece;
    piece.moveTo(area.topLeft());
    piece.lineTo(area.topRight());
    const double teeth = 8;
    const double step = area.width() / teeth;
    piece.lineTo(area.right(), area.bottom() - 4);
    for (int i = static_cast<int>(teeth) - 1; i >= 0; --i)
    {
        piece.lineTo(area.left() + (i + 0.5) * step, area.bottom());
        piece.lineTo(area.left() + i * step, area.bottom() - 4);
    }
    piece.closeSubpath();

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(piece);
    painter.setClipPath(piece);
    Threads(painter, area, weave, colour);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlineOf(colour, 1.5));
    painter.drawPath(piece);
    painter.restore();
}
} // namespace ZANRET::Samples
