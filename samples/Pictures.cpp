#include "Pictures.h"

#include "AssetDrawing.h"
#include "FigureDrawing.h"
#include "PaintTools.h"
#include "SwatchDrawing.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace ZANRET::Samples
{
namespace
{
const QColor kBackground(236, 236, 240);

void DrawCaption(QPainter& painter, const QRect& area, const QString& caption)
{
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.fillRect(area, QColor(255, 255, 255, 200));
    painter.setPen(Qt::black);
    painter.drawText(area.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap, caption);
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

QImage DrawPreview(const PreviewSpec& spec)
{
    const PictureSize size = SizeOf(spec.kind);
    const QColor colour = ToQColor(spec.colour);
    // Opaque: a picture without an alpha channel is a smaller file.
    QImage image(size.width, size.height, QImage::Format_RGB32);
    image.fill(kBackground);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int captionHeight = spec.kind == PictureKind::Skin || spec.kind == PictureKind::Asset ? 30 : 40;
    const QRectF drawArea(8, 8, size.width - 16, size.height - captionHeight - 16);

    switch (spec.kind)
    {
    case PictureKind::Outfit:
    case PictureKind::Pose:
        DrawFigure(painter, drawArea, spec.posture, spec.garment, ToQColor(spec.skin), colour);
        break;
    case PictureKind::ClothMaterial:
        DrawSwatch(painter, drawArea, spec.weave, colour);
        break;
    case PictureKind::Skin:
        DrawBust(painter, drawArea, colour);
        break;
    case PictureKind::Asset:
        DrawAsset(painter, drawArea, spec.shape, colour);
        break;
    }
    DrawCaption(painter, QRect(0, size.height - captionHeight, size.width, captionHeight),
                QString::fromUtf8(spec.caption.data(), static_cast<qsizetype>(spec.caption.size())));
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

QImage DrawTexture(const QString& name, Colour rgb)
{
    // A checker of squares a little lighter and a little darker, so that its mean stays the colour.
    auto offset = [&rgb](int by)
    {
        return QColor(std::clamp(rgb[0] + by, 0, 255), std::clamp(rgb[1] + by, 0, 255),
                      std::clamp(rgb[2] + by, 0, 255));
    };
    const QColor colour = ToQColor(rgb);
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(offset(8));
    QPainter painter(&image);
    for (int y = 0; y < 64; y += 16)
    {
        for (int x = (y / 16) % 2 * 16; x < 64; x += 32)
            painter.fillRect(QRect(x, y, 16, 16), offset(-8));
    }
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(colour.lightness() > 128 ? Shaded(colour, 0.6) : Shaded(colour, 1.5));
    painter.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter | Qt::TextWrapAnywhere, name);
    painter.end();
    return image;
}
} // namespace ZANRET::Samples
