#include "AssetDrawing.h"

#include "PaintTools.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace ZANRET::Samples
{
namespace
{
constexpr double kPi = std::numbers::pi;
const QColor kDarkGlass(45, 55, 70);

void Fill(QPainter& painter, const QColor& colour, double outline = 1.5)
{
    painter.setPen(OutlineOf(colour, outline));
    painter.setBrush(colour);
}

// A thick line in the colour with an outline.
void Band(QPainter& painter, const QPainterPath& path, double width, const QColor& colour)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlineOf(colour, width + 2));
    painter.drawPath(path);
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPath(path);
}

void Pearl(QPainter& painter, QPointF at, double radius, const QColor& colour)
{
    Fill(painter, colour, 1);
    painter.drawEllipse(at, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(at + QPointF(-radius * 0.35, -radius * 0.35), radius * 0.3, radius * 0.3);
}

void Handbag(QPainter& p, const QColor& c)
{
    QPainterPath handle;
    handle.moveTo(35, 40);
    handle.cubicTo(35, 8, 65, 8, 65, 40);
    Band(p, handle, 4, Shaded(c, 0.8));
    Fill(p, c);
    p.drawPolygon(QPolygonF({QPointF(22, 38), QPointF(78, 38), QPointF(88, 88), QPointF(12, 88)}));
    Fill(p, Shaded(c, 0.85));
    p.drawPolygon(QPolygonF({QPointF(22, 38), QPointF(78, 38), QPointF(74, 58), QPointF(26, 58)}));
    Fill(p, QColor(205, 170, 70), 1);
    p.drawEllipse(QPointF(50, 58), 4, 4);
}

void Backpack(QPainter& p, const QColor& c)
{
    QPainterPath loop;
    loop.moveTo(42, 16);
    loop.cubicTo(42, 6, 58, 6, 58, 16);
    Band(p, loop, 3, Shaded(c, 0.8));
    Fill(p, Shaded(c, 0.8));
    p.drawRoundedRect(QRectF(14, 26, 10, 56), 4, 4);
    p.drawRoundedRect(QRectF(76, 26, 10, 56), 4, 4);
    Fill(p, c);
    p.drawRoundedRect(QRectF(22, 14, 56, 80), 16, 16);
    Fill(p, Shaded(c, 0.85));
    p.drawRoundedRect(QRectF(30, 54, 40, 32), 8, 8);
    p.setPen(QPen(Shaded(c, 0.5), 1.5, Qt::DashLine));
    p.drawLine(QPointF(34, 60), QPointF(66, 60));
    p.drawArc(QRectF(26, 20, 48, 40), 20 * 16, 140 * 16);
}

void SunHat(QPainter& p, const QColor& c)
{
    Fill(p, c);
    p.drawEllipse(QRectF(4, 52, 92, 30));
    QPainterPath crown;
    crown.moveTo(28, 66);
    crown.cubicTo(26, 24, 74, 24, 72, 66);
    crown.closeSubpath();
    Fill(p, Shaded(c, 1.1));
    p.drawPath(crown);
    // The ribbon round the crown.
    QPainterPath ribbon;
    ribbon.moveTo(28, 60);
    ribbon.quadTo(50, 70, 72, 60);
    Band(p, ribbon, 5, QColor(150, 50, 45));
}

void Cap(QPainter& p, const QColor& c, bool peak)
{
    if (peak)
    {
        Fill(p, Shaded(c, 0.85));
        p.drawEllipse(QRectF(46, 62, 48, 16));
    }
    QPainterPath dome;
    dome.moveTo(14, 70);
    dome.cubicTo(12, 16, 80, 16, 80, 70);
    dome.closeSubpath();
    Fill(p, c);
    p.drawPath(dome);
    p.setPen(OutlineOf(c, 1));
    p.drawLine(QPointF(47, 28), QPointF(47, 70));
    if (peak)
    {
        Fill(p, Shaded(c, 0.85));
        p.drawEllipse(QPointF(47, 26), 3, 2);
        return;
    }
    // A knitted cuff and a bobble.
    Fill(p, Shaded(c, 0.9));
    p.drawRect(QRectF(12, 62, 70, 14));
    p.setPen(OutlineOf(c, 1));
    for (double x = 16; x < 82; x += 6)
        p.drawLine(QPointF(x, 64), QPointF(x, 74));
    Fill(p, Shaded(c, 1.15));
    p.drawEllipse(QPointF(47, 20), 9, 9);
}

void Necklace(QPainter& p, const QColor& c)
{
    QPainterPath cord;
    cord.moveTo(18, 14);
    cord.cubicTo(18, 80, 82, 80, 82, 14);
    p.setPen(QPen(QColor(170, 160, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cord);
    for (int i = 0; i <= 14; ++i)
        Pearl(p, cord.pointAtPercent(i / 14.0), 4.2, c);
    Fill(p, QColor(205, 170, 70), 1);
    p.drawEllipse(QPointF(50, 72), 5, 6);
}

void Bracelet(QPainter& p, const QColor& c)
{
    QPainterPath ring;
    ring.addEllipse(QRectF(14, 30, 72, 42));
    Band(p, ring, 9, c);
    p.setPen(QPen(Shaded(c, 1.3), 2));
    p.drawArc(QRectF(18, 34, 64, 34), 200 * 16, 140 * 16);
    Pearl(p, QPointF(50, 76), 6, Shaded(c, 1.05));
}

void Watch(QPainter& p, const QColor& c)
{
    Fill(p, Shaded(c, 0.75));
    p.drawRoundedRect(QRectF(38, 2, 24, 32), 4, 4);
    p.drawRoundedRect(QRectF(38, 66, 24, 32), 4, 4);
    Fill(p, c, 2);
    p.drawEllipse(QPointF(50, 50), 24, 24);
    Fill(p, QColor(250, 250, 245), 1);
    p.drawEllipse(QPointF(50, 50), 18, 18);
    p.drawRect(QRectF(74, 47, 5, 6));
    p.setPen(QPen(QColor(40, 40, 40), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; ++hour)
    {
        const double a = hour * kPi / 6;
        p.drawLine(QPointF(50 + 14 * std::sin(a), 50 - 14 * std::cos(a)),
                   QPointF(50 + 16.5 * std::sin(a), 50 - 16.5 * std::cos(a)));
    }
    p.setPen(QPen(QColor(30, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 50), QPointF(50, 38));
    p.drawLine(QPointF(50, 50), QPointF(59, 54));
}

void Sunglasses(QPainter& p, const QColor& c)
{
    QPainterPath temples;
    temples.moveTo(8, 40);
    temples.lineTo(2, 30);
    temples.moveTo(92, 40);
    temples.lineTo(98, 30);
    Band(p, temples, 3, c);
    QPainterPath bridge;
    bridge.moveTo(44, 44);
    bridge.quadTo(50, 36, 56, 44);
    Band(p, bridge, 3, c);
    for (double x : {6.0, 54.0})
    {
        QPainterPath lens;
        lens.addRoundedRect(QRectF(x, 38, 40, 28), 12, 12);
        p.setPen(QPen(c, 4));
        p.setBrush(kDarkGlass);
        p.drawPath(lens);
        p.setPen(QPen(QColor(255, 255, 255, 120), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + 10, 46), QPointF(x + 18, 44));
    }
}

void Scarf(QPainter& p, const QColor& c)
{
    // Two ends hanging from a loop, striped, with a fringe.
    for (double x : {32.0, 52.0})
    {
        const QRectF end(x, 38, 18, 52);
        Fill(p, Shaded(c, x < 40 ? 0.9 : 1.0));
        p.drawRect(end);
        p.setPen(QPen(Shaded(c, 1.35), 3));
        p.drawLine(QPointF(x + 1, 70), QPointF(x + 17, 70));
        p.drawLine(QPointF(x + 1, 78), QPointF(x + 17, 78));
        p.setPen(QPen(Shaded(c, 0.7), 1.5));
        for (double f = x + 2; f < x + 18; f += 4)
            p.drawLine(QPointF(f, 90), QPointF(f, 97));
    }
    QPainterPath loop;
    loop.addEllipse(QRectF(18, 10, 64, 34));
    Band(p, loop, 13, c);
}

// The hair on a plain head, so that its shape shows: over the top and sides, a fringe, and a
// ponytail behind.
void Hair(QPainter& p, const QColor& c)
{
    QPainterPath tail;
    tail.moveTo(70, 34);
    tail.cubicTo(96, 40, 94, 74, 82, 94);
    Band(p, tail, 10, Shaded(c, 0.9));
    Fill(p, c);
    p.drawRoundedRect(QRectF(22, 10, 56, 70), 26, 26);
    const QColor face(245, 225, 205);
    Fill(p, face, 1);
    p.drawEllipse(QRectF(30, 30, 40, 56));
    QPainterPath fringe;
    fringe.moveTo(28, 44);
    fringe.cubicTo(30, 18, 70, 18, 72, 44);
    fringe.cubicTo(62, 32, 44, 30, 28, 44);
    Fill(p, c);
    p.drawPath(fringe);
    p.setPen(QPen(Shaded(c, 1.3), 1.5));
    p.drawArc(QRectF(32, 16, 36, 30), 50 * 16, 80 * 16);
}

void Chair(QPainter& p, const QColor& c)
{
    Fill(p, Shaded(c, 0.8));
    p.drawRect(QRectF(30, 60, 5, 32)); // back legs
    p.drawRect(QRectF(74, 60, 5, 32));
    Fill(p, c);
    for (double x : {30.0, 74.0})
        p.drawRect(QRectF(x, 4, 5, 58)); // back posts
    p.drawRect(QRectF(30, 8, 49, 8));
    p.drawRect(QRectF(30, 24, 49, 6));
    p.drawPolygon(QPolygonF({QPointF(30, 56), QPointF(79, 56), QPointF(72, 70), QPointF(18, 70)}));
    p.drawRect(QRectF(18, 68, 6, 28)); // front legs
    p.drawRect(QRectF(66, 68, 6, 28));
}

void Phone(QPainter& p, const QColor& c)
{
    Fill(p, c, 2);
    p.drawRoundedRect(QRectF(28, 4, 44, 92), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 140));
    p.drawRect(QRectF(32, 14, 36, 70));
    p.setBrush(QColor(120, 170, 230));
    p.drawRect(QRectF(36, 20, 12, 10));
    p.drawRect(QRectF(52, 20, 12, 10));
    p.drawRect(QRectF(36, 36, 12, 10));
    p.setBrush(QColor(120, 120, 125));
    p.drawEllipse(QPointF(50, 9), 1.8, 1.8);
    p.drawRoundedRect(QRectF(42, 88, 16, 3), 1.5, 1.5);
}

void Parcel(QPainter& p, const QColor& c)
{
    Fill(p, c);
    p.drawRect(QRectF(16, 30, 68, 60));
    Fill(p, Shaded(c, 1.15));
    p.drawRect(QRectF(12, 22, 76, 14));
    const QColor ribbon(180, 40, 50);
    Fill(p, ribbon, 1);
    p.drawRect(QRectF(45, 22, 10, 68));
    QPainterPath bow;
    bow.moveTo(50, 22);
    bow.cubicTo(30, 2, 26, 22, 50, 22);
    bow.cubicTo(74, 22, 70, 2, 50, 22);
    p.drawPath(bow);
}
} // namespace

void DrawAsset(QPainter& painter, const QRectF& area, AssetShape shape, const QColor& colour)
{
    painter.save();
    FitSquare(painter, area, 100);
    switch (shape)
    {
    case AssetShape::Parcel:
        Parcel(painter, colour);
        break;
    case AssetShape::Handbag:
        Handbag(painter, colour);
        break;
    case AssetShape::Backpack:
        Backpack(painter, colour);
        break;
    case AssetShape::SunHat:
        SunHat(painter, colour);
        break;
    case AssetShape::Cap:
        Cap(painter, colour, true);
        break;
    case AssetShape::Beanie:
        Cap(painter, colour, false);
        break;
    case AssetShape::Necklace:
        Necklace(painter, colour);
        break;
    case AssetShape::Bracelet:
        Bracelet(painter, colour);
        break;
    case AssetShape::Watch:
        Watch(painter, colour);
        break;
    case AssetShape::Sunglasses:
        Sunglasses(painter, colour);
        break;
    case AssetShape::Scarf:
        Scarf(painter, colour);
        break;
    case AssetShape::Hair:
        Hair(painter, colour);
        break;
    case AssetShape::Chair:
        Chair(painter, colour);
        break;
    case AssetShape::Phone:
        Phone(painter, colour);
        break;
    }
    painter.restore();
}
} // namespace ZANRET::Samples
