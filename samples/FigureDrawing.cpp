#include "FigureDrawing.h"

#include "PaintTools.h"
#include "Skeleton.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ZANRET::Samples
{
namespace
{
const QColor kShoes(70, 60, 55);

// Seen a little from the figure's right: what comes forward (-y) moves left and up a little, so
// that a seated figure's thighs and a stride show.
QPointF Project(Vec3 p)
{
    return {p.x + 0.45 * p.y, p.z - 0.15 * p.y};
}

// A limb as a stroke of the given width in cm, with an outline.
void Stroke(QPainter& painter, const std::vector<Vec3>& points, double width, const QColor& colour)
{
    QPainterPath path;
    path.moveTo(Project(points.front()));
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(Project(points[i]));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlineOf(colour, width + 1.2));
    painter.drawPath(path);
    QPen fill(colour, width);
    fill.setCapStyle(Qt::RoundCap);
    fill.setJoinStyle(Qt::RoundJoin);
    painter.setPen(fill);
    painter.drawPath(path);
}

void Shape(QPainter& painter, const QPolygonF& outline, const QColor& colour)
{
    painter.setPen(OutlineOf(colour, 0.8));
    painter.setBrush(colour);
    painter.drawPolygon(outline);
}

// The torso's outline between two heights above the pelvis, widened by grow.
QPolygonF Torso(const Skeleton& s, float from, float to, float grow)
{
    struct Width
    {
        float height, half;
    };
    static const Width widths[] = {{-8, 12},    {0, 17},  {14, 13.5f}, {32, 16},
                                   {44, 18.5f}, {48, 15}, {51, 5.5f}};
    std::vector<QPointF> left, right;
    for (const Width& w : widths)
    {
        if (w.height < from || w.height > to)
            continue;
        const Vec3 centre = Mix(s.pelvis, s.shoulderLine, w.height / 46.0f);
        left.push_back(Project(centre - Vec3{w.half + grow, 0, 0}));
        right.push_back(Project(centre + Vec3{w.half + grow, 0, 0}));
    }
    QPolygonF polygon;
    for (const QPointF& p : left)
        polygon << p;
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        polygon << *it;
    return polygon;
}

// From the waist over the hips towards the knees, flaring across its own direction: down for a
// standing figure, forward over the thighs for a seated one.
QPolygonF Skirt(const Skeleton& s, float length, float hem)
{
    const Vec3 knees = Mix(s.knee[0], s.knee[1], 0.5f);
    const QPointF hips = Project(s.pelvis);
    const QPointF bottom = Project(Mix(s.pelvis, knees, length));
    const QPointF along = bottom - hips;
    const double length2d = std::hypot(along.x(), along.y());
    const QPointF across = length2d > 0 ? QPointF(-along.y(), along.x()) / length2d : QPointF(1, 0);
    const Vec3 waist = Mix(s.pelvis, s.shoulderLine, 14 / 46.0f);
    return QPolygonF({Project(waist - Vec3{14.5f, 0, 0}), Project(waist + Vec3{14.5f, 0, 0}),
                      hips + across * 19, bottom + across * (18.5 + hem), bottom - across * (18.5 + hem),
                      hips - across * 19});
}

void Legs(QPainter& painter, const Skeleton& s, const QColor& skin, Garment garment, const QColor& cloth)
{
    for (int i = 0; i < 2; ++i)
    {
        Stroke(painter, {s.ankle[i] + Vec3{0, 3, -4}, s.toe[i]}, 6, kShoes);
        Stroke(painter, {s.hip[i], s.knee[i], s.ankle[i]}, 11, skin);
        if (garment == Garment::Trousers)
            Stroke(painter, {s.hip[i], s.knee[i], s.ankle[i] + Vec3{0, 0, 2}}, 14, cloth);
    }
}

void Arms(QPainter& painter, const Skeleton& s, const QColor& skin, Garment garment, const QColor& cloth)
{
    for (int i = 0; i < 2; ++i)
    {
        Stroke(painter, {s.shoulder[i], s.elbow[i], s.wrist[i], s.hand[i]}, 7.5, skin);
        if (garment == Garment::Trousers || garment == Garment::Coat)
            Stroke(painter, {s.shoulder[i], s.elbow[i], Mix(s.elbow[i], s.wrist[i], 0.85f)}, 10, cloth);
        else if (garment == Garment::Dress)
            Stroke(painter, {s.shoulder[i], Mix(s.shoulder[i], s.elbow[i], 0.3f)}, 11, cloth);
    }
}

void Head(QPainter& painter, const Skeleton& s, const QColor& skin)
{
    Stroke(painter, {Mix(s.pelvis, s.shoulderLine, 48 / 46.0f), s.head}, 9, skin);
    painter.setPen(OutlineOf(skin, 0.8));
    painter.setBrush(skin);
    painter.drawEllipse(Project(s.head), kHeadRadii.x, kHeadRadii.z);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 50));
    for (float side : {-3.2f, 3.2f})
        painter.drawEllipse(Project(s.head + Vec3{side, -9, 1.5f}), 1.0, 1.0);
}
} // namespace

void DrawFigure(QPainter& painter, const QRectF& area, Posture posture, Garment garment, const QColor& skin,
                const QColor& cloth)
{
    const Skeleton s = SkeletonOf(posture);
    // The figure's extent, with room for its widths.
    QRectF bounds(Project(s.head), QSizeF());
    for (const auto* joints : {&s.shoulder, &s.elbow, &s.wrist, &s.hand, &s.hip, &s.knee, &s.ankle, &s.toe})
        for (const Vec3& joint : *joints)
            bounds = bounds.united(QRectF(Project(joint), QSizeF()));
    bounds = bounds.united(QRectF(Project(s.head + Vec3{0, 0, kHeadRadii.z}), QSizeF()));
    bounds.adjust(-14, -4, 14, 4);
    const double scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());

    painter.save();
    // Drawn in cm with z up, in the middle of the area.
    painter.translate(area.center());
    painter.scale(scale, -scale);
    painter.translate(-bounds.center());

    Legs(painter, s, skin, garment, cloth);
    Shape(painter, Torso(s, -8, 51, 0), skin);
    switch (garment)
    {
    case Garment::Trousers:
        Shape(painter, Torso(s, -8, 48, 1.5f), cloth);
        break;
    case Garment::Dress:
        Shape(painter, Skirt(s, 1.0f, 9), cloth);
        Shape(painter, Torso(s, 6, 48, 1.2f), cloth);
        break;
    case Garment::Coat:
        Shape(painter, Skirt(s, 1.35f, 5), cloth);
        Shape(painter, Torso(s, 6, 48, 2.0f), cloth);
        break;
    case Garment::Swimsuit:
        Shape(painter, Torso(s, -8, 32, 0.8f), cloth);
        break;
    }
    Arms(painter, s, skin, garment, cloth);
    Head(painter, s, skin);
    painter.restore();
}

void DrawBust(QPainter& painter, const QRectF& area, const QColor& skin)
{
    painter.save();
    FitSquare(painter, area, 100);
    const QPen outline = OutlineOf(skin, 1.2);
    // Shoulders and neck, then the head over them.
    painter.setPen(outline);
    painter.setBrush(skin);
    QPainterPath shoulders;
    shoulders.moveTo(8, 100);
    shoulders.cubicTo(8, 80, 25, 76, 40, 72);
    shoulders.lineTo(60, 72);
    shoulders.cubicTo(75, 76, 92, 80, 92, 100);
    shoulders.closeSubpath();
    painter.drawPath(shoulders);
    painter.drawRect(QRectF(42, 56, 16, 20));
    painter.setBrush(QColor(120, 130, 150));
    QPainterPath top;
    top.moveTo(8, 100);
    top.cubicTo(8, 90, 16, 86, 28, 84);
    top.cubicTo(38, 92, 62, 92, 72, 84);
    top.cubicTo(84, 86, 92, 90, 92, 100);
    top.closeSubpath();
    painter.drawPath(top);
    painter.setBrush(skin);
    painter.drawEllipse(QRectF(31, 22, 6, 12)); // ears
    painter.drawEllipse(QRectF(63, 22, 6, 12));
    painter.drawEllipse(QRectF(35, 4, 30, 56));
    // Short dark hair, eyes, brows, nose and mouth.
    painter.setBrush(QColor(70, 50, 35));
    painter.setPen(Qt::NoPen);
    QPainterPath hair;
    hair.moveTo(35, 26);
    hair.cubicTo(33, 2, 67, 2, 65, 26);
    hair.cubicTo(60, 14, 40, 14, 35, 26);
    painter.drawPath(hair);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(40, 27, 8, 5));
    painter.drawEllipse(QRectF(52, 27, 8, 5));
    painter.setBrush(QColor(60, 70, 90));
    painter.drawEllipse(QPointF(44, 29.5), 2, 2);
    painter.drawEllipse(QPointF(56, 29.5), 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Shaded(skin, 0.6), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, 33), QPointF(48.5, 41));
    painter.drawLine(QPointF(48.5, 41), QPointF(51, 41.5));
    painter.setPen(QPen(QColor(150, 60, 60), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(43, 42, 14, 7), 200 * 16, 140 * 16);
    painter.setPen(QPen(QColor(70, 50, 35), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(40, 24.5), QPointF(47, 23.5));
    painter.drawLine(QPointF(53, 23.5), QPointF(60, 24.5));
    painter.restore();
}
} // namespace ZANRET::Samples
