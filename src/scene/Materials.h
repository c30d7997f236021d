#pragma once
// Materials of built nodes, found by name: first among the scene's materials, then in a fixed row
// of repository libraries. A material taken from a library has its bitmaps re-pointed into the
// repository's maps folder.

#include "scene/Builder.h"

#include "hostsdk/INode.h"
#include "hostsdk/Material.h"

namespace ZANRET::Builder
{
// Searches the scene, then libraryPath, then the character's materials.mat and props.mat
// (characterFolder of the context). Only libraries below the context's repositoryPath are loaded.
void AssignMaterial(const wchar_t* materialName, const wchar_t* mapsFolder, const wchar_t* libraryPath,
                    INode* node, const BuildContext* context);
// As AssignMaterial, with the repository's global_assets\materials.mat as the only fallback
// (repositoryPath of the context).
void AssignGlobalMaterial(const wchar_t* materialName, const wchar_t* mapsFolder, const wchar_t* libraryPath,
                          INode* node, const BuildContext* context);
// The library's own material of that name with its bitmaps re-pointed, or null.
Mtl* UpdateMaterial(const wchar_t* materialName, MtlBaseList* library, const wchar_t* mapsFolder);
} // namespace ZANRET::Builder
