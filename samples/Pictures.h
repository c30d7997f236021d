#pragma once
// The pictures of a sample repository: previews at the sizes the manager window shows, the two
// overlays drawn over unavailable elements, and texture images.

#include <QImage>
#include <QString>

#include <array>

namespace ZANRET::Samples
{
enum class PictureKind
{
    Outfit,        // 110 x 330: a figure in the outfit
    Pose,          // 100 x 300: a figure in the pose
    ClothMaterial, // 100 x 300: a swatch of the cloth
    Skin,          // 150 x 150: a face
    Asset,         // 150 x 150: the object
};

struct PictureSize
{
    int width;
    int height;
};

PictureSize SizeOf(PictureKind kind);

// A simple drawing of the kind, coloured after the caption (or the colour given), with the caption
// written across the bottom. A pose's caption is "<pose name>\n<outfit name>": the arms follow the
// pose, the colour the outfit.
QImage DrawPreview(PictureKind kind, const QString& caption);
QImage DrawPreview(PictureKind kind, const QString& caption, std::array<int, 3> colour);

// An overlay of the given size: clear at the top, a translucent band with "Shop" in the middle and
// a light wash below, so that the picture under it stays visible.
QImage DrawOverlay(int width, int height);

// A small tiling texture in the colour given, with its file name written on it.
QImage DrawTexture(const QString& name, std::array<int, 3> colour);
} // namespace ZANRET::Samples
