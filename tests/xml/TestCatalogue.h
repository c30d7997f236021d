#pragma once
// A full catalogue and the repository folders it needs, written by the tests of the reader.

#include "TempFolder.h"

#include <iconv.h>

#include <string>

namespace TestCatalogue
{
// Two characters (anna with every section, ben with skins only) and one global asset. In document
// order the registered elements are: anna, light, dark, summer, red, blue, exclude, select, autumn,
// brown, stand, mandatory, sit, bags, hats, bag, leather, hat, glasses, ben, pale, g_glasses, tinted.
inline const char* Full()
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<zanret version="2">
  <!-- characters -->
  <character id="anna" name="Anna" folder="anna" url="https://shop/anna">
    <skins name="Skin">
      <skin id="light" name="Light" preview="light.png" material="skin_light"/>
      <skin id="dark" name="Dark" preview="dark.png" material="skin_dark"/>
    </skins>
    <cloth name="Outfits">
      <clothing id="summer" name="Summer" folder="summer" url="https://shop/summer">
        <material id="red" name="Red" preview="red.png" material="cloth_red"/>
        <material id="blue" name="Blue" preview="blue.png" material="cloth_blue"/>
        <exclude id="hat"/>
        <select asset_id="bag" material_id="leather"/>
      </clothing>
      <clothing id="autumn" name="Autumn" folder="autumn">
        <material id="brown" name="Brown" preview="brown.png" material="cloth_brown"/>
      </clothing>
    </cloth>
    <poses name="Poses">
      <pose id="stand" name="Standing" folder="stand" url="https://shop/stand">
        <mandatory id="bag"/>
      </pose>
      <pose id="sit" name="Sitting" folder="sit"/>
    </poses>
    <categories>
      <category id="bags" name="Bags" selection="single" required="true"/>
      <category id="hats" name="Hats" selection="multiple"/>
    </categories>
    <assets>
      <asset id="bag" name="Bag" folder="bag" category="bags" material="bag_mat">
        <material id="leather" name="Leather" preview="leather.png" material="bag_leather"/>
      </asset>
      <asset id="hat" name="Hat" folder="hat" category="hats" type="specific"/>
      <asset id="glasses" name="Glasses" type="global" globalID="g_glasses" category="hats"/>
    </assets>
    <AssetMatrix>
      <matrix poseID="stand" assetID="bag" xpos="1.5" ypos="-2" zpos="3" xrot="90" yrot="0" zrot="45"/>
      <matrix poseID="sit" assetID="bag" xpos="0.25"/>
    </AssetMatrix>
  </character>
  <character id="ben" name="Ben" folder="ben">
    <skins><skin id="pale" name="Pale"/></skins>
  </character>
  <globalAssets>
    <asset id="g_glasses" name="Glasses" folder="glasses" type="global" material="glass">
      <material id="tinted" name="Tinted" preview="tinted.png"/>
    </asset>
  </globalAssets>
</zanret>
)";
}

// A character folder with the two subfolders the reader asks for.
inline void WriteCharacterFolder(const TempFolder& repository, const std::string& folder)
{
    repository.MakeFolder(folder + "/previews");
    repository.MakeFolder(folder + "/skin");
}

// The folders and pictures of Full(): anna's "summer" folder exists, "autumn" does not.
inline void WriteFolders(const TempFolder& repository)
{
    WriteCharacterFolder(repository, "anna");
    WriteCharacterFolder(repository, "ben");
    repository.WriteFile("anna/previews/preview_summer.png", "png");
    repository.WriteFile("anna/previews/preview_autumn.png", "png");
    repository.MakeFolder("anna/summer");
    repository.MakeFolder("global_assets/glasses");
}

// The UTF-8 text in another encoding, by the C library's converters; empty when it has none.
inline std::string Encoded(const std::string& utf8, const char* encoding)
{
    iconv_t converter = iconv_open(encoding, "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string out(4 * utf8.size() + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const bool done = iconv(converter, &in, &inLeft, &next, &outLeft) != static_cast<std::size_t>(-1) &&
                      iconv(converter, nullptr, nullptr, &next, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    out.resize(done ? out.size() - outLeft : 0);
    return out;
}

// The text in UTF-16 with its byte-order mark.
inline std::string Utf16(const std::u16string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text)
    {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
} // namespace TestCatalogue
