// The default sample's pictures look like what they stand for: every preview is drawn in the
// colour of the material it builds with, that colour is the one its name says, the textures the
// viewport averages keep that colour, and no two assets share one drawing.

#include "SampleCatalogue.h"
#include "SampleLibraries.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>

namespace fs = std::filesystem;

namespace
{
using Rgb = std::array<int, 3>;

const QColor kBackground(236, 236, 240);

fs::path Samples()
{
    const char* samples = std::getenv("ZANRET_SAMPLES");
    return samples != nullptr ? fs::path(samples) : fs::path();
}

QImage Picture(const std::string& relative)
{
    return QImage(QString::fromStdString((Samples() / relative).string()));
}

int Distance(const QColor& a, const Rgb& b)
{
    return std::max({std::abs(a.red() - b[0]), std::abs(a.green() - b[1]), std::abs(a.blue() - b[2])});
}

QColor Mean(const QImage& image, const QRect& area)
{
    double r = 0, g = 0, b = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
        {
            const QColor c = image.pixelColor(x, y);
            r += c.red();
            g += c.green();
            b += c.blue();
        }
    const double n = static_cast<double>(area.width()) * area.height();
    return QColor(static_cast<int>(r / n + 0.5), static_cast<int>(g / n + 0.5),
                  static_cast<int>(b / n + 0.5));
}

// The share of the picture's pixels that have the colour (to within a few steps of rounding).
double ShareOf(const QImage& image, const Rgb& colour)
{
    int matching = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            matching += Distance(image.pixelColor(x, y), colour) <= 4;
    return static_cast<double>(matching) / (image.width() * image.height());
}

// The colour names the sample uses, as tests of a colour.
const std::map<std::string, std::function<bool(const Rgb&)>> kNamed = {
    {"red", [](const Rgb& c) { return c[0] > c[1] + 100 && c[0] > c[2] + 100; }},
    {"blue", [](const Rgb& c) { return c[2] > c[0] + 60 && c[2] > c[1] + 40; }},
    {"navy", [](const Rgb& c) { return c[2] > c[0] + 30 && c[2] > c[1] + 25 && c[2] < 130; }},
    {"green", [](const Rgb& c) { return c[1] > c[0] + 40 && c[1] > c[2] + 40; }},
    {"yellow", [](const Rgb& c) { return c[0] > 180 && c[1] > 150 && c[2] < c[1] - 100; }},
    {"gold", [](const Rgb& c) { return c[0] > 180 && c[1] > 140 && c[2] < c[1] - 80; }},
    {"black",
     [](const Rgb& c) {
         return std::max({c[0], c[1], c[2]}) < 50;
     }},
    {"grey",
     [](const Rgb& c) {
         return std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]}) < 16;
     }},
    {"brown", [](const Rgb& c) { return c[0] > c[1] + 30 && c[1] > c[2] + 15 && c[0] < 160; }},
    {"straw", [](const Rgb& c) { return c[0] > 190 && c[1] > 170 && c[2] < c[1] - 50; }},
    {"pearl",
     [](const Rgb& c) {
         return std::min({c[0], c[1], c[2]}) > 220;
     }},
    {"skin", [](const Rgb& c) { return c[0] > c[1] && c[1] > c[2]; }},
};

struct Preview
{
    std::string picture;
    std::string library;
    std::string material;
    std::string colour;
};

// Skins, cloth materials and assets as the window lists them, with the library their material is
// found in and the colour their name says.
const Preview kPreviews[] = {
    {"characters/anna/skin/skin_light.png", "characters/anna/skin/skin.mat", "Anna Skin Light", "skin"},
    {"characters/anna/skin/skin_tan.png", "characters/anna/skin/skin.mat", "Anna Skin Tan", "skin"},
    {"ben/skin/fair.png", "ben/skin/skin.mat", "Ben Skin Fair", "skin"},
    {"ben/skin/dark.png", "ben/skin/skin.mat", "Ben Skin Dark", "skin"},
    {"characters/anna/dress/style_red.png", "characters/anna/dress/materials.mat", "Dress Red", "red"},
    {"characters/anna/dress/style_blue.png", "characters/anna/dress/materials.mat", "Dress Blue", "blue"},
    {"characters/anna/jeans/style_denim.png", "characters/anna/materials.mat", "Jeans Denim", "blue"},
    {"characters/anna/jeans/style_black.png", "characters/anna/props.mat", "Jeans Black", "black"},
    {"ben/suit/grey.png", "ben/suit/materials.mat", "Suit Grey", "grey"},
    {"ben/suit/navy.png", "ben/suit/materials.mat", "Suit Navy", "navy"},
    {"ben/casual/green.png", "ben/casual/materials.mat", "Casual Green", "green"},
    {"zoe/overall/yellow.png", "zoe/overall/materials.mat", "Overall Yellow", "yellow"},
    {"characters/anna/assets/bag/bag_leather.png", "characters/anna/assets/bag/materials.mat", "Bag Leather",
     "brown"},
    {"characters/anna/assets/hat/preview.png", "characters/anna/assets/hat/materials.mat", "Hat Straw",
     "straw"},
    {"characters/anna/assets/necklace/preview.png", "characters/anna/assets/necklace/materials.mat",
     "Necklace Pearl", "pearl"},
    {"characters/anna/assets/bracelet/preview.png", "characters/anna/assets/bracelet/materials.mat",
     "Bracelet Silver", "grey"},
    {"global_assets/sunglasses/preview.png", "global_assets/materials.mat", "Sunglasses", "black"},
    {"global_assets/watch/gold.png", "global_assets/watch/materials.mat", "Watch Gold", "gold"},
    {"global_assets/watch/silver.png", "global_assets/watch/materials.mat", "Watch Silver", "grey"},
    {"ben/assets/cap/red.png", "ben/assets/cap/materials.mat", "Cap Red", "red"},
    {"ben/assets/cap/blue.png", "ben/assets/cap/materials.mat", "Cap Blue", "blue"},
};

class SamplePictures : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(fs::is_directory(Samples())) << "ZANRET_SAMPLES is not set"; }
};

TEST_F(SamplePictures, EachPreviewShowsTheColourItsNameSaysAndItsMaterialBuildsWith)
{
    for (const Preview& preview : kPreviews)
    {
        SCOPED_TRACE(preview.picture);
        const std::optional<FoundMaterial> found =
            FindMaterial(Samples(), {preview.library}, preview.material);
        ASSERT_TRUE(found && found->diffuse);
        const Rgb diffuse = *found->diffuse;
        EXPECT_TRUE(kNamed.at(preview.colour)(diffuse))
            << preview.material << " is " << diffuse[0] << ", " << diffuse[1] << ", " << diffuse[2];

        // What the viewport draws: the mean of the material's first texture.
        ASSERT_FALSE(found->bitmaps.empty());
        const QImage texture = Picture("maps/" + FileNameOf(found->bitmaps.front()));
        ASSERT_FALSE(texture.isNull());
        EXPECT_LE(Distance(Mean(texture, texture.rect()), diffuse), 8);

        const QImage image = Picture(preview.picture);
        ASSERT_FALSE(image.isNull());
        if (image.height() == 300)
        {
            // A swatch: the cloth as a whole is its colour.
            EXPECT_LE(Distance(Mean(image, QRect(30, 30, 50, 200)), diffuse), 10);
        }
        else
        {
            // A bust or an object: a good part of it in the colour.
            EXPECT_GT(ShareOf(image, diffuse), 0.01);
        }
    }
    // Light skins lighter than tanned and dark ones.
    auto brightness = [](const std::string& library, const std::string& name)
    {
        const Rgb c = FindMaterial(Samples(), {library}, name)->diffuse.value();
        return c[0] + c[1] + c[2];
    };
    EXPECT_GT(brightness("characters/anna/skin/skin.mat", "Anna Skin Light"),
              brightness("characters/anna/skin/skin.mat", "Anna Skin Tan") + 75);
    EXPECT_GT(brightness("ben/skin/skin.mat", "Ben Skin Fair"),
              brightness("ben/skin/skin.mat", "Ben Skin Dark") + 150);
}

TEST_F(SamplePictures, NoTwoAssetsShareADrawingAndFiguresShowTheirPose)
{
    // Where each picture is drawn on: everything but the background, above the caption.
    auto drawn = [](const QImage& image, int captionHeight)
    {
        std::vector<bool> mask;
        for (int y = 0; y < image.height() - captionHeight; ++y)
            for (int x = 0; x < image.width(); ++x)
                mask.push_back(image.pixelColor(x, y) != kBackground);
        return mask;
    };
    auto overlap = [](const std::vector<bool>& a, const std::vector<bool>& b)
    {
        int both = 0, either = 0;
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        {
            both += a[i] && b[i];
            either += a[i] || b[i];
        }
        return either == 0 ? 1.0 : static_cast<double>(both) / either;
    };

    const std::vector<std::string> assets = {
        "characters/anna/assets/bag/bag_leather.png",
        "characters/anna/assets/backpack/preview.png",
        "characters/anna/assets/hat/preview.png",
        "characters/anna/assets/necklace/preview.png",
        "characters/anna/assets/bracelet/preview.png",
        "characters/anna/assets/scarf/preview.png",
        "global_assets/sunglasses/preview.png",
        "global_assets/watch/gold.png",
        "ben/assets/cap/red.png",
        "ben/assets/beanie/preview.png",
        "ben/assets/phone/preview.png",
    };
    std::vector<std::vector<bool>> masks;
    for (const std::string& asset : assets)
    {
        const QImage image = Picture(asset);
        ASSERT_EQ(image.size(), QSize(150, 150)) << asset;
        masks.push_back(drawn(image, 30));
    }
    for (std::size_t i = 0; i < masks.size(); ++i)
        for (std::size_t j = i + 1; j < masks.size(); ++j)
            EXPECT_LT(overlap(masks[i], masks[j]), 0.85) << assets[i] << " and " << assets[j];

    // Two materials of one asset: the same drawing in another colour.
    EXPECT_GT(overlap(drawn(Picture("global_assets/watch/gold.png"), 30),
                      drawn(Picture("global_assets/watch/silver.png"), 30)),
              0.95);
    // The poses of one outfit differ; standing, the figure fills the picture's height.
    const QImage standing = Picture("characters/anna/previews/anna_dress_stand.png");
    ASSERT_EQ(standing.size(), QSize(100, 300));
    for (const char* pose : {"walk", "sit", "wave"})
        EXPECT_LT(
            overlap(drawn(standing, 40),
                    drawn(Picture(std::string("characters/anna/previews/anna_dress_") + pose + ".png"), 40)),
            0.8)
            << pose;
    int rows = 0;
    for (int y = 0; y < 260; ++y)
    {
        bool any = false;
        for (int x = 0; x < 100 && !any; ++x)
            any = standing.pixelColor(x, y) != kBackground;
        rows += any;
    }
    EXPECT_GT(rows, 160);
}
} // namespace
