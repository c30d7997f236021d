#include "Pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace ZANRET::Samples
{
namespace
{
QColor ColourOf(const QString& caption)
{
    // A stable hue per caption, saturated enough to tell neighbours apart.
    const int hue = static_cast<int>(qHash(caption) % 360U);
    return QColor::fromHsv(hue, 150, 210);
}

void DrawCaption(QPainter& painter, const QRect& area, const QString& caption)
{
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.fillRect(area, QColor(255, 255, 255, 200));
    painter.setPen(Qt::black);
    painter.drawText(area.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap, caption);
}

// A standing figure scaled into the given box; the arms' angle makes poses differ.
void DrawFigure(QPainter& painter, const QRectF& box, const QColor& body, const QColor& cloth, int armAngle)
{
    const qreal u = box.width() / 10.0;
    const qreal cx = box.center().x();
    const QRectF head(cx - 1.5 * u, box.top(), 3 * u, 3 * u);
    const QRectF torso(cx - 2 * u, head.bottom() + 0.5 * u, 4 * u, box.height() * 0.38);
    const qreal legTop = torso.bottom();
    const qreal legLength = box.bottom() - legTop;

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(body);
    painter.drawEllipse(head);
    // Legs
    painter.setBrush(cloth.darker(130));
    painter.drawRect(QRectF(cx - 1.8 * u, legTop, 1.5 * u, legLength));
    painter.drawRect(QRectF(cx + 0.3 * u, legTop, 1.5 * u, legLength));
    // Arms, turned at the shoulders
    painter.setBrush(body);
    for (int side : {-1, 1})
    {
        painter.save();
        painter.translate(cx + side * 2 * u, torso.top() + 0.5 * u);
        painter.rotate(side * armAngle);
        painter.drawRoundedRect(QRectF(-0.6 * u, 0, 1.2 * u, torso.height() * 0.95), 0.5 * u, 0.5 * u);
        painter.restore();
    }
    painter.setBrush(cloth);
    painter.drawRoundedRect(torso, u, u);
}
} // namespace

PictureSize SizeOf(PictureKind kind)
{
    switch (kind)
    {
    case PictureKind::Outfit:
        return {110, 330};
    case PictureKind::Pose:
    case PictureKind::ClothMaterial:
        return {100, 300};
    case PictureKind::Skin:
    case PictureKind::Asset:
        return {150, 150};
    }
    return {150, 150};
}

QImage DrawPreview(PictureKind kind, const QString& caption)
{
    // A pose picture is captioned "<pose>\n<outfit>" and shows the outfit in its own colour.
    const QColor colour = ColourOf(kind == PictureKind::Pose ? caption.section('\n', -1) : caption);
    return DrawPreview(kind, caption, {colour.red(), colour.green(), colour.blue()});
}

QImage DrawPreview(PictureKind kind, const QString& caption, std::array<int, 3> rgb)
{
    const PictureSize size = SizeOf(kind);
    const QColor colour(rgb[0], rgb[1], rgb[2]);
    const QColor skin(232, 196, 170);
    QImage image(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(236, 236, 240));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int captionHeight = kind == PictureKind::Skin || kind == PictureKind::Asset ? 30 : 40;
    const QRectF drawArea(8, 8, size.width - 16, size.height - captionHeight - 16);

    switch (kind)
    {
    case PictureKind::Outfit:
        DrawFigure(painter, drawArea, skin, colour, 12);
        break;
    case PictureKind::Pose:
        DrawFigure(painter, drawArea, skin, colour,
                   10 + static_cast<int>(qHash(caption.section('\n', 0, 0)) % 120U));
        break;
    case PictureKind::ClothMaterial:
        painter.setPen(Qt::NoPen);
        for (int y = 0; y < drawArea.height(); y += 12)
        {
            painter.setBrush(y % 24 == 0 ? colour : colour.darker(120));
            painter.drawRect(QRectF(drawArea.left(), drawArea.top() + y, drawArea.width(), 12));
        }
        break;
    case PictureKind::Skin:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(colour);
        painter.drawEllipse(drawArea.adjusted(25, 5, -25, -5));
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(drawArea.center().x() - 14, drawArea.center().y() - 8), 4, 4);
        painter.drawEllipse(QPointF(drawArea.center().x() + 14, drawArea.center().y() - 8), 4, 4);
        break;
    case PictureKind::Asset:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(colour);
        painter.drawRoundedRect(drawArea.adjusted(20, 20, -20, -10), 12, 12);
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(drawArea.adjusted(45, 0, -45, -60).toRect(), 0, 180 * 16);
        break;
    }
    DrawCaption(painter, QRect(0, size.height - captionHeight, size.width, captionHeight), caption);
    painter.end();
    return image;
}

QImage DrawOverlay(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int bandTop = height * 2 / 5;
    const int bandHeight = 36;
    painter.fillRect(QRect(0, bandTop + bandHeight, width, height - bandTop - bandHeight),
                     QColor(255, 255, 255, 120));
    painter.fillRect(QRect(0, bandTop, width, bandHeight), QColor(30, 30, 30, 190));
    QFont font = painter.font();
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, bandTop, width, bandHeight), Qt::AlignCenter, QStringLiteral("Shop"));
    painter.end();
    return image;
}

QImage DrawTexture(const QString& name, std::array<int, 3> rgb)
{
    const QColor colour(rgb[0], rgb[1], rgb[2]);
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    for (int y = 0; y < 64; y += 16)
    {
        for (int x = (y / 16) % 2 * 16; x < 64; x += 32)
            painter.fillRect(QRect(x, y, 16, 16), colour.darker(115));
    }
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(colour.lightness() > 128 ? Qt::black : Qt::white);
    painter.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter | Qt::TextWrapAnywhere, name);
    painter.end();
    return image;
}
} // namespace ZANRET::Samples
