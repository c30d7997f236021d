#include "MaterialColours.h"

namespace ZANRET::Samples
{
MaterialColours::MaterialColours(const Repository& repository)
{
    auto add = [this](const std::string& base, const std::vector<MaterialLibrary>& libraries)
    {
        for (const MaterialLibrary& library : libraries)
        {
            for (const MaterialDefinition& material : library.materials)
                m_colours.emplace(std::make_pair(base + library.path, material.name), material.colour);
        }
    };
    add(std::string(), repository.libraries);
    for (const Character& character : repository.characters)
        add(character.folder + "\\", character.libraries);
}

Colour MaterialColours::Of(const std::string& material, const std::vector<std::string>& libraries) const
{
    for (const std::string& library : libraries)
    {
        const auto found = m_colours.find(std::make_pair(library, material));
        if (found != m_colours.end())
            return found->second;
    }
    return kNoMaterialColour;
}

std::vector<std::string> MaterialColours::CharacterSearch(const Character& character, const std::string& own)
{
    const std::string folder = character.folder + "\\";
    return {folder + own, folder + "materials.mat", folder + "props.mat"};
}

std::vector<std::string> MaterialColours::GlobalSearch(const Asset& globalAsset)
{
    return {"global_assets\\" + globalAsset.folder + "\\materials.mat", "global_assets\\materials.mat"};
}
} // namespace ZANRET::Samples
