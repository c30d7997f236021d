#pragma once
// A small repository on disk for the builder's tests: a catalogue, the folders the reader asks for
// and the material libraries. Meshes are left out: the host gives a missing mesh a box.

#include "TempFolder.h"

namespace BuilderTestRepository
{
// anna: skins light (material "Skin Light") and bare (no material); outfit dress with styles red
// ("Dress Red", a multi material), plain (no material), props ("Props Only", only in props.mat)
// and shared ("Shared Name", in the dress library and in the character's materials.mat); poses
// stand (mandatory hair and the global reference glasses) and sit (no children); assets hair,
// bag (material canvas; turned 90 degrees about x and moved 10 along x in stand), bracelet
// (specific), glasses (global reference to g_glasses), lonely (no matrix entry), broken (its
// library is not a library). nameless: a character without a "name".
inline const char* Catalogue()
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<zanret>
  <character id="anna" name="Anna" folder="anna">
    <skins name="Skins">
      <skin id="light" name="Light" preview="light.png" material="Skin Light"/>
      <skin id="bare" name="Bare" preview="bare.png"/>
    </skins>
    <cloth name="Outfits">
      <clothing id="dress" name="Dress" folder="dress">
        <material id="red" name="Red" preview="red.png" material="Dress Red"/>
        <material id="plain" name="Plain" preview="plain.png"/>
        <material id="props" name="Props" preview="props.png" material="Props Only"/>
        <material id="shared" name="Shared" preview="shared.png" material="Shared Name"/>
      </clothing>
    </cloth>
    <poses name="Poses">
      <pose id="stand" name="Standing" folder="stand">
        <mandatory id="hair"/>
        <mandatory id="glasses"/>
      </pose>
      <pose id="sit" name="Sitting" folder="sit"/>
    </poses>
    <categories>
      <category id="bags" name="Bags"/>
    </categories>
    <assets>
      <asset id="hair" name="Hair" folder="hair" material="Hair"/>
      <asset id="bag" name="Bag" folder="bag" category="bags" material="Bag Plain">
        <material id="canvas" name="Canvas" preview="canvas.png" material="Bag Canvas"/>
      </asset>
      <asset id="bracelet" name="Bracelet" folder="bracelet" category="bags" type="specific" material="Bracelet"/>
      <asset id="glasses" name="Glasses" type="global" globalID="g_glasses" category="bags"/>
      <asset id="lonely" name="Lonely" folder="lonely" category="bags" material="Hair"/>
      <asset id="broken" name="Broken" folder="broken" category="bags" material="Bracelet"/>
    </assets>
    <AssetMatrix>
      <matrix poseID="stand" assetID="hair" xpos="0" ypos="0" zpos="160"/>
      <matrix poseID="stand" assetID="bag" xpos="10" ypos="0" zpos="0" xrot="90" yrot="0" zrot="0"/>
      <matrix poseID="sit" assetID="bag" xpos="0" ypos="5" zpos="0" xrot="90" zrot="90"/>
      <matrix poseID="stand" assetID="glasses" xpos="1" ypos="2" zpos="150"/>
      <matrix poseID="stand" assetID="broken" xpos="0" ypos="0" zpos="0"/>
    </AssetMatrix>
  </character>
  <character id="nameless" folder="nameless">
    <skins><skin id="light" material="Skin Light"/></skins>
    <cloth><clothing id="dress" name="Dress" folder="dress"><material id="red" material="Dress Red"/></clothing></cloth>
    <poses><pose id="stand" name="Standing" folder="stand"/></poses>
  </character>
  <globalAssets>
    <asset id="g_glasses" name="Sunglasses" folder="glasses" type="global" material="Glass Tint"/>
  </globalAssets>
</zanret>
)";
}

inline void Write(const TempFolder& repository)
{
    repository.WriteFile("zanret.xml", Catalogue());
    for (const char* character : {"anna", "nameless"})
    {
        const std::string folder = character;
        repository.MakeFolder(folder + "/previews");
        repository.WriteFile(folder + "/previews/preview_dress.png", "png");
        repository.MakeFolder(folder + "/dress");
        repository.MakeFolder(folder + "/stand");
    }
    repository.MakeFolder("anna/sit");
    for (const char* asset : {"hair", "bag", "bracelet", "lonely", "broken"})
        repository.MakeFolder(std::string("anna/") + asset);
    repository.MakeFolder("global_assets/glasses");
    repository.MakeFolder("maps");

    const std::string skin = R"(<materialLibrary>
  <material name="Skin Light"><slot index="1"><bitmap name="d" file="E:\old\tex\skin.jpg"/></slot></material>
</materialLibrary>)";
    repository.WriteFile("anna/skin/skin.mat", skin);
    repository.WriteFile("nameless/skin/skin.mat", skin);

    const std::string dress = R"(<materialLibrary>
  <material name="Dress Red" class="multi">
    <slot index="0"><bitmap name="own" file="E:\old\tex\multi_own.jpg"/></slot>
    <sub index="0"><material name="Red Fabric"><slot index="1"><bitmap name="d" file="D:\tex\red.jpg"/></slot></material></sub>
    <sub index="2"><material name="Red Lace"><slot index="3"><bitmap name="d" file="C:/work/lace.png"/></slot></material></sub>
  </material>
  <material name="Shared Name"><param id="10" type="float" value="1"/></material>
</materialLibrary>)";
    repository.WriteFile("anna/dress/materials.mat", dress);
    repository.WriteFile("nameless/dress/materials.mat", dress);

    repository.WriteFile("anna/materials.mat", R"(<materialLibrary>
  <material name="Shared Name"><param id="10" type="float" value="2"/></material>
  <material name="Hair" class="unitScaled">
    <param id="22" type="float" value="2.0"/>
    <param id="3" type="material">
      <material name="Hair Base"><slot index="1"><bitmap name="d" file="\\server\share\hair.png"/></slot></material>
    </param>
  </material>
</materialLibrary>)");
    repository.WriteFile("anna/props.mat", R"(<materialLibrary>
  <material name="Props Only">
    <param id="7" type="map">
      <map name="mix">
        <slot index="0"><bitmap name="unreached" file="E:\old\tex\slot.jpg"/></slot>
        <param id="2" type="map"><bitmap name="nested" file="textures\nested.tga"/></param>
      </map>
    </param>
  </material>
  <material name="Bracelet"><slot index="2"><bitmap name="d" file="E:\old\tex\bracelet.jpg"/></slot></material>
</materialLibrary>)");
    repository.WriteFile("anna/bag/materials.mat", R"(<materialLibrary>
  <material name="Bag Canvas"><slot index="1"><bitmap name="d" file="C:/work/maps/canvas.png"/></slot></material>
  <material name="Bag Plain"/>
</materialLibrary>)");
    repository.WriteFile("anna/broken/materials.mat", "this is not a library");
    repository.WriteFile("global_assets/glasses/materials.mat", R"(<materialLibrary>
  <material name="Glass Tint"><slot index="1"><bitmap name="d" file="E:\old\tex\tint.png"/></slot></material>
</materialLibrary>)");
    repository.WriteFile("global_assets/materials.mat", R"(<materialLibrary>
  <material name="Global Fallback"><slot index="1"><bitmap name="d" file="E:\old\tex\fallback.png"/></slot></material>
</materialLibrary>)");
}
} // namespace BuilderTestRepository
