#pragma once
// Follows the builder's material search through a generated repository's libraries, read with
// libxml2, and lists the bitmaps that the builder's texture walk would re-point.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct FoundMaterial
{
    // The library it was found in, relative to the repository, with "/".
    std::string library;
    // The material's class attribute ("standard" when absent).
    std::string materialClass;
    // Every bitmap path the walk reaches, as the library records it.
    std::vector<std::string> bitmaps;
    // The walk passed a parameter 22 on a unit-scaled material.
    bool scaledParameter = false;
    // A bitmap was reached through a map held by a parameter of another map.
    bool nestedBitmap = false;
    // The float parameters 10, 11 and 12 (0 to 1) of the first material the walk reaches that has
    // them, as 0 to 255: the diffuse colour the host program draws it in without a picture.
    std::optional<std::array<int, 3>> diffuse;
};

// The first of the libraries (paths relative to root, with "/") that loads and holds a top-level
// material of that name.
std::optional<FoundMaterial> FindMaterial(const std::filesystem::path& root,
                                          const std::vector<std::string>& libraries, const std::string& name);

// The file name and extension of a recorded path, whatever its separators.
std::string FileNameOf(const std::string& path);
