#include "LargeRepository.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace ParserBench
{
namespace
{
void Touch(const std::filesystem::path& file)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << "x";
}

bool WriteOwnRepository(const std::filesystem::path& folder, const Counts& counts)
{
    namespace fs = std::filesystem;
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<zanret>\n";
    for (int c = 0; c < counts.characters; ++c)
    {
        const std::string id = "char" + std::to_string(c);
        const fs::path characterFolder = folder / id;
        fs::create_directories(characterFolder / "previews");
        fs::create_directories(characterFolder / "skin");
        xml += "  <character id=\"" + id + "\" name=\"Character " + std::to_string(c) + "\" folder=\"" + id +
               "\" url=\"https://shop.example/" + id + "\">\n    <skins name=\"Skin\">\n";
        for (int s = 0; s < 4; ++s)
            xml += "      <skin id=\"skin" + std::to_string(s) + "\" name=\"Skin " + std::to_string(s) +
                   "\" preview=\"skin" + std::to_string(s) + ".png\" material=\"skin_mat" +
                   std::to_string(s) + "\"/>\n";
        xml += "    </skins>\n    <cloth name=\"Outfits\">\n";
        for (int o = 0; o < counts.outfits; ++o)
        {
            const std::string outfit = "outfit" + std::to_string(o);
            fs::create_directories(characterFolder / outfit);
            Touch(characterFolder / "previews" / ("preview_" + outfit + ".png"));
            xml += "      <clothing id=\"" + outfit + "\" name=\"Outfit " +
                   std::to_string(counts.outfits - o) + "\" folder=\"" + outfit +
                   "\" url=\"https://shop.example/" + outfit + "\">\n";
            for (int m = 0; m < 3; ++m)
                xml += "        <material id=\"style" + std::to_string(m) + "\" name=\"Style " +
                       std::to_string(m) + "\" preview=\"style" + std::to_string(m) +
                       ".png\" material=\"cloth_mat" + std::to_string(m) + "\"/>\n";
            xml += "        <exclude id=\"asset1\"/>\n        <select asset_id=\"asset0\" "
                   "material_id=\"mat0\"/>\n"
                   "      </clothing>\n";
        }
        xml += "    </cloth>\n    <poses name=\"Poses\">\n";
        for (int p = 0; p < counts.poses; ++p)
        {
            const std::string pose = "pose" + std::to_string(p);
            fs::create_directories(characterFolder / pose);
            xml += "      <pose id=\"" + pose + "\" name=\"Pose " + std::to_string(p) + "\" folder=\"" +
                   pose + "\" url=\"https://shop.example/" + pose + "\"><mandatory id=\"asset0\"/></pose>\n";
        }
        xml += "    </poses>\n    <categories>\n"
               "      <category id=\"cat0\" name=\"Bags\" selection=\"single\" required=\"true\"/>\n"
               "      <category id=\"cat1\" name=\"Hats\" selection=\"multiple\" required=\"false\"/>\n"
               "    </categories>\n    <assets>\n";
        for (int a = 0; a < counts.assets; ++a)
        {
            const std::string asset = "asset" + std::to_string(a);
            fs::create_directories(characterFolder / asset);
            xml += "      <asset id=\"" + asset + "\" name=\"Asset " + std::to_string(a) + "\" folder=\"" +
                   asset + "\" category=\"cat" + std::to_string(a % 2) +
                   "\" material=\"asset_mat\">\n"
                   "        <material id=\"mat0\" name=\"Plain\" preview=\"mat0.png\" material=\"m0\"/>\n"
                   "        <material id=\"mat1\" name=\"Dark\" preview=\"mat1.png\" material=\"m1\"/>\n"
                   "      </asset>\n";
        }
        xml += "    </assets>\n    <AssetMatrix>\n";
        for (int p = 0; p < counts.poses; ++p)
            for (int a = 0; a < counts.assets; ++a)
                xml +=
                    "      <matrix poseID=\"pose" + std::to_string(p) + "\" assetID=\"asset" +
                    std::to_string(a) +
                    "\" xpos=\"1.25\" ypos=\"-3.5\" zpos=\"120.75\" xrot=\"0\" yrot=\"90\" zrot=\"12.5\"/>\n";
        xml += "    </AssetMatrix>\n  </character>\n";
    }
    xml += "  <globalAssets>\n";
    for (int g = 0; g < counts.assets; ++g)
    {
        const std::string asset = "global" + std::to_string(g);
        fs::create_directories(folder / "global_assets" / asset);
        xml += "    <asset id=\"" + asset + "\" name=\"Global " + std::to_string(g) + "\" folder=\"" + asset +
               "\" type=\"global\" material=\"g\"><material id=\"gm\" name=\"Plain\" "
               "preview=\"gm.png\"/></asset>\n";
    }
    xml += "  </globalAssets>\n</zanret>\n";
    std::ofstream out(folder / "zanret.xml", std::ios::binary);
    out << xml;
    return static_cast<bool>(out);
}
} // namespace

bool WriteLargeRepository(const std::filesystem::path& folder, const Counts& counts)
{
#ifdef ZANRET_SAMPLES_GENERATOR
    const auto Quoted = [](const std::filesystem::path& path)
    {
        std::string quoted(1, '\'');
        quoted += path.string();
        quoted += '\'';
        return quoted;
    };
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen ") + Quoted(ZANRET_SAMPLES_GENERATOR) +
                                " " + Quoted(folder) + " --characters " + std::to_string(counts.characters) +
                                " --outfits " + std::to_string(counts.outfits) + " --poses " +
                                std::to_string(counts.poses) + " --assets " + std::to_string(counts.assets) +
                                " >/dev/null";
    if (std::system(command.c_str()) == 0 && std::filesystem::is_regular_file(folder / "zanret.xml"))
        return true;
#endif
    return WriteOwnRepository(folder, counts);
}
} // namespace ParserBench
