// A large, uniform repository for benchmarks: the shape of the default sample's first character,
// repeated. Every folder, picture and mesh is present, so a load has full work to do.

#include "SampleRepository.h"

#include <cstdio>

namespace ZANRET::Samples
{
namespace
{
constexpr int kGlobalAssets = 10;
constexpr int kCategories = 4;
const std::string kShop = "https://example.com/shop/";

std::string Numbered(const char* prefix, int number)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%03d", prefix, number);
    return buffer;
}

MaterialDefinition Material(const std::string& name, int kindIndex, const std::string& texture)
{
    static const MaterialKind kinds[] = {MaterialKind::Plain, MaterialKind::NestedBitmap,
                                         MaterialKind::UnitScaled, MaterialKind::Multi};
    MaterialDefinition material{.name = name, .kind = kinds[kindIndex % 4], .textures = {texture}};
    if (material.kind == MaterialKind::Multi)
        material.textures.push_back("large_trim.png");
    material.colour = {60 + kindIndex * 37 % 180, 60 + kindIndex * 53 % 180, 60 + kindIndex * 71 % 180};
    return material;
}

Character MakeCharacter(int index, const LargeSampleCounts& counts)
{
    const std::string id = Numbered("c", index);
    Character c{.id = id, .name = "Character " + std::to_string(index), .folder = "characters\\" + id};
    c.url = kShop + id;
    c.skinsName = "Skin";
    c.clothName = "Cloth Material";
    c.posesName = "Poses";

    MaterialLibrary skinLibrary{.path = "skin\\skin.mat"};
    for (int s = 0; s < 3; ++s)
    {
        const std::string name = id + " Skin " + std::to_string(s);
        c.skins.push_back({.id = Numbered("skin", s),
                           .name = "Skin " + std::to_string(s),
                           .preview = Numbered("skin", s) + ".png",
                           .material = name});
        skinLibrary.materials.push_back(Material(name, s, "large_skin.jpg"));
    }
    c.libraries.push_back(skinLibrary);

    for (int p = 0; p < counts.poses; ++p)
    {
        const std::string poseId = Numbered("pose", p);
        c.poses.push_back({.id = poseId,
                           .name = "Pose " + std::to_string(p),
                           .folder = "poses\\" + poseId,
                           .url = kShop + "buy?pose=" + id + "_" + poseId});
    }

    for (int k = 0; k < kCategories; ++k)
    {
        c.categories.push_back({.id = Numbered("cat", k),
                                .name = "Category " + std::to_string(k),
                                .selection = k == 1 ? "multiple" : "single",
                                .required = k == 0 ? "true" : "false"});
    }

    for (int a = 0; a < counts.assets; ++a)
    {
        const std::string assetId = Numbered("asset", a);
        Asset asset{.id = assetId,
                    .name = "Asset " + std::to_string(a),
                    .category = Numbered("cat", a % kCategories)};
        if (a % 10 == 8)
        {
            asset.type = "global";
            asset.globalId = Numbered("global", a / 10 % kGlobalAssets);
        }
        else
        {
            asset.folder = "assets\\" + assetId;
            asset.material = id + " " + asset.name;
            if (a % 10 == 9)
            {
                asset.type = "specific";
                asset.offset = {24, 0, 86};
            }
            if (a % 3 == 0)
            {
                for (int m = 0; m < 2; ++m)
                {
                    asset.materials.push_back({.id = assetId + "_m" + std::to_string(m),
                                               .name = "Style " + std::to_string(m),
                                               .preview = "style" + std::to_string(m) + ".png",
                                               .material = asset.material + " " + std::to_string(m)});
                }
            }
            MaterialLibrary library{.path = asset.folder + "\\materials.mat"};
            library.materials.push_back(Material(asset.material, a, "large_asset.jpg"));
            for (const AssetMaterial& m : asset.materials)
                library.materials.push_back(Material(m.material, a + 1, "large_asset.jpg"));
            c.libraries.push_back(library);
        }
        if (asset.type != "specific")
        {
            for (const Pose& pose : c.poses)
                c.matrix.push_back({.poseId = pose.id, .assetId = assetId, .position = {0, 0, 100}});
        }
        c.assets.push_back(asset);
    }

    for (int o = 0; o < counts.outfits; ++o)
    {
        const std::string clothId = id + "_" + Numbered("outfit", o);
        Cloth cloth{.id = clothId,
                    .name = "Outfit " + std::to_string(o),
                    .folder = "outfits\\" + Numbered("outfit", o),
                    .url = kShop + clothId};
        MaterialLibrary library{.path = cloth.folder + "\\materials.mat"};
        for (int m = 0; m < 2; ++m)
        {
            const std::string name = clothId + " Style " + std::to_string(m);
            cloth.materials.push_back({.id = clothId + "_s" + std::to_string(m),
                                       .name = "Style " + std::to_string(m),
                                       .preview = "style" + std::to_string(m) + ".png",
                                       .material = name});
            library.materials.push_back(Material(name, o + m, "large_cloth.jpg"));
        }
        if (counts.assets > 1)
            cloth.excludes.push_back(Numbered("asset", 1));
        if (counts.assets > 0)
            cloth.selects.push_back(
                {.assetId = Numbered("asset", 0), .materialId = Numbered("asset", 0) + "_m1"});
        c.cloths.push_back(cloth);
        c.libraries.push_back(library);
    }
    return c;
}
} // namespace

Repository LargeSample(const LargeSampleCounts& counts)
{
    Repository repository;
    repository.modelling = Modelling::Boxes;
    repository.characters.reserve(static_cast<std::size_t>(counts.characters));
    for (int i = 0; i < counts.characters; ++i)
        repository.characters.push_back(MakeCharacter(i, counts));

    MaterialLibrary shared{.path = "global_assets\\materials.mat"};
    for (int g = 0; g < kGlobalAssets; ++g)
    {
        const std::string id = Numbered("global", g);
        Asset asset{.id = id,
                    .name = "Global " + std::to_string(g),
                    .type = "global",
                    .folder = id,
                    .material = "Global " + std::to_string(g)};
        shared.materials.push_back(Material(asset.material, g, "large_global.jpg"));
        repository.globalAssets.push_back(asset);
    }
    repository.libraries.push_back(shared);
    return repository;
}
} // namespace ZANRET::Samples
