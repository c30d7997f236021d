#pragma once
// The diffuse colours of a repository's materials, found the way the builder finds a material: in
// the element's own library first, then in the fallback libraries. The previews of an element are
// drawn in the colour of the material it builds with, so that what is built looks like what was
// chosen.

#include "SampleRepository.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ZANRET::Samples
{
// The colour of anything without a material (an outfit with no cloth material).
inline constexpr Colour kNoMaterialColour{200, 200, 200};

class MaterialColours
{
public:
    explicit MaterialColours(const Repository& repository);

    // The colour of the first of the libraries (paths below the repository folder, with
    // backslashes) that holds the material; kNoMaterialColour when none does.
    Colour Of(const std::string& material, const std::vector<std::string>& libraries) const;

    // The search of a character's material whose own library is the given one (relative to the
    // character folder).
    static std::vector<std::string> CharacterSearch(const Character& character, const std::string& own);
    // The search of a global asset's material.
    static std::vector<std::string> GlobalSearch(const Asset& globalAsset);

private:
    std::map<std::pair<std::string, std::string>, Colour> m_colours; // (library, name) -> colour
};
} // namespace ZANRET::Samples
