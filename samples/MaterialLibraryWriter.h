#pragma once
// Material libraries (.mat) in the stand-in host's XML format. Each material class that the
// builder's material walk tells apart gets the shape that walk expects: bitmaps in map slots, in
// sub-materials of a multi material, and inside maps held by parameters.

#include "SampleRepository.h"

#include <string>

namespace ZANRET::Samples
{
std::string LibraryText(const MaterialLibrary& library);

// The colour of a material's texture (by its index in textures), and of the sub-material that holds
// it in a multi material.
Colour TextureColour(const MaterialDefinition& material, std::size_t texture);

// The path a library records for a texture: a folder somewhere else, as on the machine the
// library was made on. The builder keeps only the file name and extension.
std::string RecordedTexturePath(const std::string& texture);
} // namespace ZANRET::Samples
