#pragma once
// What a node's material is made of: every material and map it reaches (sub-materials, map slots,
// material and map parameters), each once, the files of its bitmaps and its diffuse colour.

#include <hostsdk/Material.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace scenehost
{
// Visits root and everything below it, depth first, each material or map once.
void WalkMaterial(MtlBase* root, const std::function<void(MtlBase*)>& visit);

// The file paths of the bitmaps below root, in walk order, as the maps hold them.
std::vector<std::wstring> TexturePaths(MtlBase* root);

// The diffuse colour (red, green, blue, 0 to 1): the float parameters 10, 11 and 12 of the first
// material or map in walk order that has all three. None when nothing below root has them.
std::optional<std::array<float, 3>> DiffuseColour(MtlBase* root);
} // namespace scenehost
