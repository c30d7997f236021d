#pragma once
// The walk over a material's sub-materials, maps and parameters that re-points every bitmap into
// a maps folder and scales the unit-scaled class for the system unit.

#include "hostsdk/Material.h"

#include <string>
#include <string_view>

namespace ZANRET::Builder
{
void RelinkTextures(Mtl* material, const wchar_t* mapsFolder);
void RelinkBitmap(Texmap* map, const wchar_t* mapsFolder);

// The file name and extension of a path, without drive and folder ("\" and "/" both separate).
std::wstring FileNameWithExtension(std::wstring_view path);
} // namespace ZANRET::Builder
