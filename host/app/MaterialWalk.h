#pragma once
// What a node's material is made of: every material and map it reaches (sub-materials, map slots,
// material and map parameters), each once, and the files of its bitmaps.

#include <hostsdk/Material.h>

#include <functional>
#include <string>
#include <vector>

namespace scenehost
{
// Visits root and everything below it, depth first, each material or map once.
void WalkMaterial(MtlBase* root, const std::function<void(MtlBase*)>& visit);

// The file paths of the bitmaps below root, in walk order, as the maps hold them.
std::vector<std::wstring> TexturePaths(MtlBase* root);
} // namespace scenehost
