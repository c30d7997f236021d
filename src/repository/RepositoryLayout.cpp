#include "repository/RepositoryLayout.h"

#include "repository/PathSegments.h"

#include <initializer_list>

namespace ZANRET::RepositoryLayout
{
namespace
{
std::wstring Join(std::initializer_list<std::wstring_view> pieces)
{
    std::wstring path;
    for (std::wstring_view piece : pieces)
        path.append(piece);
    return path;
}

bool IsParent(std::wstring_view segment)
{
    return segment == L"..";
}

// Whether the path begins with the repository path's own text up to a separator, as nearly every
// path does, and what follows.
bool BeginsWithSameText(std::wstring_view repositoryPath, std::wstring_view path, std::wstring_view& rest)
{
    if (!path.starts_with(repositoryPath))
        return false;
    rest = path.substr(repositoryPath.size());
    return IsPathSeparator(repositoryPath.back()) || rest.empty() || IsPathSeparator(rest.front());
}

// Whether the path begins with the repository path's segments as they are written, and what follows.
bool BeginsAsWritten(std::wstring_view repositoryPath, std::wstring_view path, std::wstring_view& rest)
{
    PathSegments repository(repositoryPath);
    PathSegments segments(path);
    std::wstring_view theirs;
    std::wstring_view ours;
    while (repository.Next(theirs))
    {
        if (!segments.Next(ours) || ours != theirs)
            return false;
    }
    rest = segments.Rest();
    return true;
}

// Whether the path begins with the repository path's segments once each ".." in the repository path
// has taken back the segment before it, and what follows. The path's own segments up to there are
// taken as written: a path that climbs before it reaches the repository is not let in.
bool BeginsAsResolved(std::wstring_view repositoryPath, std::wstring_view path, std::wstring_view& rest)
{
    // The resolved repository: names, after the ".." that had nothing before them to take back.
    std::size_t names = 0;
    std::size_t leadingParents = 0;
    bool climbs = false;
    PathSegments forward(repositoryPath);
    std::wstring_view segment;
    while (forward.Next(segment))
    {
        if (!IsParent(segment))
        {
            ++names;
            continue;
        }
        climbs = true;
        if (names > 0)
            --names;
        else
            ++leadingParents;
    }
    if (!climbs)
        return false;

    PathSegments segments(path);
    for (std::size_t i = 0; i < names + leadingParents; ++i)
    {
        if (!segments.Next(segment))
            return false;
    }
    rest = segments.Rest();

    // Compared from the back, where a ".." only has to count the names it takes back.
    PathSegments theirs(repositoryPath);
    auto previousName = [&theirs, takenBack = std::size_t{0}](std::wstring_view& name) mutable
    {
        while (theirs.Previous(name))
        {
            if (IsParent(name))
                ++takenBack;
            else if (takenBack > 0)
                --takenBack;
            else
                return true;
        }
        return false;
    };
    PathSegments ours(path.substr(0, path.size() - rest.size()));
    std::wstring_view name;
    for (std::size_t i = 0; i < names; ++i)
    {
        if (!previousName(name) || !ours.Previous(segment) || segment != name)
            return false;
    }
    while (ours.Previous(segment))
    {
        if (!IsParent(segment))
            return false;
    }
    return true;
}

// Whether no ".." in what follows the repository takes the path above it, even for a while.
bool NeverClimbsAbove(std::wstring_view rest)
{
    // Only a ".." segment climbs, and most paths hold none.
    if (rest.find(L"..") == std::wstring_view::npos)
        return true;
    std::size_t depth = 0;
    PathSegments segments(rest);
    std::wstring_view segment;
    while (segments.Next(segment))
    {
        if (!IsParent(segment))
            ++depth;
        else if (depth-- == 0)
            return false;
    }
    return true;
}
} // namespace

bool StaysInRepository(std::wstring_view repositoryPath, std::wstring_view path)
{
    if (repositoryPath.empty() || path.empty() ||
        IsPathSeparator(repositoryPath.front()) != IsPathSeparator(path.front()))
        return false;
    std::wstring_view rest;
    if (!BeginsWithSameText(repositoryPath, path, rest) && !BeginsAsWritten(repositoryPath, path, rest) &&
        !BeginsAsResolved(repositoryPath, path, rest))
        return false;
    return NeverClimbsAbove(rest);
}

std::wstring CatalogueFile(std::wstring_view repositoryPath)
{
    return Join({repositoryPath, L"\\zanret.xml"});
}

std::wstring CharacterFolder(std::wstring_view repositoryPath, std::wstring_view folderAttribute)
{
    return Join({repositoryPath, L"\\", folderAttribute});
}

std::wstring CharacterPreviewsFolder(std::wstring_view repositoryPath, std::wstring_view folderAttribute)
{
    return Join({repositoryPath, L"\\", folderAttribute, L"\\previews"});
}

std::wstring CharacterSkinFolder(std::wstring_view repositoryPath, std::wstring_view folderAttribute)
{
    return Join({repositoryPath, L"\\", folderAttribute, L"\\skin"});
}

std::wstring ElementFolder(std::wstring_view characterFolder, std::wstring_view elementFolder)
{
    return Join({characterFolder, L"\\", elementFolder});
}

std::wstring ClothPreviewFile(std::wstring_view characterFolder, std::wstring_view clothId)
{
    return Join({characterFolder, L"\\previews\\preview_", clothId, L".png"});
}

std::wstring GlobalAssetFolder(std::wstring_view repositoryPath, std::wstring_view globalAssetFolder)
{
    return Join({repositoryPath, L"\\global_assets\\", globalAssetFolder});
}

std::wstring GeneralTextureFolder(std::wstring_view characterFolder)
{
    return Join({characterFolder, L"\\maps\\"});
}

std::wstring GlobalMapsFolder(std::wstring_view repositoryPath)
{
    // The one join with no separator of its own: a path kept without its trailing backslash (a
    // hand-written settings file) would otherwise name a sibling folder "<repository>maps".
    const bool endsWithSeparator = !repositoryPath.empty() && IsPathSeparator(repositoryPath.back());
    return Join({repositoryPath, endsWithSeparator ? L"maps\\" : L"\\maps\\"});
}

std::wstring PoseMeshFile(std::wstring_view characterFolder, std::wstring_view poseFolder)
{
    return Join({characterFolder, L"\\", poseFolder, L"\\pose.vrmesh"});
}

std::wstring ClothMeshFile(std::wstring_view characterFolder, std::wstring_view clothFolder,
                           std::wstring_view clothId, std::wstring_view poseId)
{
    return Join({characterFolder, L"\\", clothFolder, L"\\", clothId, L"_", poseId, L".vrmesh"});
}

std::wstring AssetMeshFile(std::wstring_view characterFolder, std::wstring_view assetFolder)
{
    return Join({characterFolder, L"\\", assetFolder, L"\\asset.vrmesh"});
}

std::wstring SpecificAssetMeshFile(std::wstring_view characterFolder, std::wstring_view assetFolder,
                                   std::wstring_view poseId)
{
    return Join({characterFolder, L"\\", assetFolder, L"\\", poseId, L".vrmesh"});
}

std::wstring GlobalAssetMeshFile(std::wstring_view repositoryPath, std::wstring_view globalAssetFolder)
{
    return Join({repositoryPath, L"\\global_assets\\", globalAssetFolder, L"\\asset.vrmesh"});
}

std::wstring SkinLibraryFile(std::wstring_view characterFolder)
{
    return Join({characterFolder, L"\\skin\\skin.mat"});
}

std::wstring ClothLibraryFile(std::wstring_view characterFolder, std::wstring_view clothFolder)
{
    return Join({characterFolder, L"\\", clothFolder, L"\\materials.mat"});
}

std::wstring AssetLibraryFile(std::wstring_view characterFolder, std::wstring_view assetFolder)
{
    return Join({characterFolder, L"\\", assetFolder, L"\\materials.mat"});
}

std::wstring GlobalAssetLibraryFile(std::wstring_view repositoryPath, std::wstring_view globalAssetFolder)
{
    return Join({repositoryPath, L"\\global_assets\\", globalAssetFolder, L"\\materials.mat"});
}

std::wstring CharacterMaterialsLibraryFile(std::wstring_view characterFolder)
{
    return Join({characterFolder, L"\\materials.mat"});
}

std::wstring CharacterPropsLibraryFile(std::wstring_view characterFolder)
{
    return Join({characterFolder, L"\\props.mat"});
}

std::wstring GlobalAssetsLibraryFile(std::wstring_view repositoryPath)
{
    return Join({repositoryPath, L"\\global_assets\\materials.mat"});
}

std::wstring RepointedTextureFile(std::wstring_view globalMaps, std::wstring_view fileName,
                                  std::wstring_view extension)
{
    return Join({globalMaps, fileName, extension});
}

std::wstring ClothOverlayFile(std::wstring_view repositoryPath)
{
    return Join({repositoryPath, L"\\overlay110x330.png"});
}

std::wstring ElementOverlayFile(std::wstring_view repositoryPath)
{
    return Join({repositoryPath, L"\\overlay100x300.png"});
}

std::wstring PosePreviewFile(std::wstring_view characterFolder, std::wstring_view clothId,
                             std::wstring_view poseId)
{
    return Join({characterFolder, L"\\previews\\", clothId, L"_", poseId, L".png"});
}

std::wstring SkinPreviewFile(std::wstring_view characterFolder, std::wstring_view skinPreview)
{
    return Join({characterFolder, L"\\skin\\", skinPreview});
}

std::wstring ClothMaterialPreviewFile(std::wstring_view characterFolder, std::wstring_view clothFolder,
                                      std::wstring_view materialPreview)
{
    return Join({characterFolder, L"\\", clothFolder, L"\\", materialPreview});
}

std::wstring AssetPreviewFile(std::wstring_view characterFolder, std::wstring_view assetFolder)
{
    return Join({characterFolder, L"\\", assetFolder, L"\\preview.png"});
}

std::wstring GlobalAssetPreviewFile(std::wstring_view repositoryPath, std::wstring_view globalAssetFolder)
{
    return Join({repositoryPath, L"\\global_assets\\", globalAssetFolder, L"\\preview.png"});
}

std::wstring AssetMaterialPreviewFile(std::wstring_view characterFolder, std::wstring_view assetFolder,
                                      std::wstring_view materialPreview)
{
    return Join({characterFolder, L"\\", assetFolder, L"\\", materialPreview});
}

std::wstring GlobalAssetMaterialPreviewFile(std::wstring_view repositoryPath,
                                            std::wstring_view globalAssetFolder,
                                            std::wstring_view materialPreview)
{
    return Join({repositoryPath, L"\\global_assets\\", globalAssetFolder, L"\\", materialPreview});
}
} // namespace ZANRET::RepositoryLayout
