#pragma once
// The pictures of a sample repository: previews at the sizes the manager window shows, the two
// overlays drawn over unavailable elements, and texture images.

#include "SampleRepository.h"

#include <QImage>
#include <QString>

#include <compare>
#include <string>

namespace ZANRET::Samples
{
enum class PictureKind
{
    Outfit,        // 110 x 330: a figure in the outfit
    Pose,          // 100 x 300: a figure in the pose and the outfit
    ClothMaterial, // 100 x 300: a swatch of the cloth
    Skin,          // 150 x 150: a bust
    Asset,         // 150 x 150: the object
};

struct PictureSize
{
    int width;
    int height;
};

PictureSize SizeOf(PictureKind kind);

// What one preview shows. Only the fields its kind draws matter; the rest keep their defaults, so
// that equal pictures compare equal and are drawn once.
struct PreviewSpec
{
    PictureKind kind = PictureKind::Asset;
    // UTF-8, written across the bottom.
    std::string caption;
    // What the element is made of: the outfit's first cloth material, the skin, the cloth
    // material, the asset's material.
    Colour colour{200, 200, 200};
    // Outfit and pose pictures: the figure's skin.
    Colour skin{232, 196, 170};
    Garment garment = Garment::Trousers;
    Posture posture = Posture::Standing;
    Weave weave = Weave::Plain;
    AssetShape shape = AssetShape::Parcel;

    auto operator<=>(const PreviewSpec&) const = default;
};

QImage DrawPreview(const PreviewSpec& spec);

// An overlay of the given size: clear at the top, a translucent band with "Shop" in the middle and
// a light wash below, so that the picture under it stays visible.
QImage DrawOverlay(int width, int height);

// A small tiling texture whose mean is the colour given, with its file name written on it.
QImage DrawTexture(const QString& name, Colour colour);
} // namespace ZANRET::Samples
