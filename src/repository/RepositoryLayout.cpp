#include "repository/RepositoryLayout.h"

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

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}
} // namespace

bool StaysInRepository(std::wstring_view repositoryPath, std::wstring_view path)
{
    if (!path.starts_with(repositoryPath))
        return false;
    std::wstring_view rest = path.substr(repositoryPath.size());
    // C:\rep does not hold C:\rep2.
    if (!repositoryPath.empty() && !IsSeparator(repositoryPath.back()) && !rest.empty() &&
        !IsSeparator(rest.front()))
        return false;
    // Only a ".." segment climbs, and most paths hold none.
    if (rest.find(L"..") == std::wstring_view::npos)
        return true;
    int depth = 0;
    while (!rest.empty())
    {
        const std::size_t end = rest.find_first_of(L"\\/");
        const std::wstring_view segment = rest.substr(0, end);
        if (segment == L"..")
        {
            if (--depth < 0)
                return false;
        }
        else if (!segment.empty() && segment != L".")
        {
            ++depth;
        }
        rest.remove_prefix(end == std::wstring_view::npos ? rest.size() : end + 1);
    }
    return true;
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
    const bool endsWithSeparator = !repositoryPath.empty() && IsSeparator(repositoryPath.back());
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
