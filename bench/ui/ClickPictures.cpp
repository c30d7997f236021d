#include "ClickPictures.h"

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/RepositoryLayout.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "ui/MainWindowGeneralFill.h"

#include <win32/path.h>

#include <string>

using namespace ZANRET;
using MainWindowGeneralFill::Field;
using MainWindowGeneralFill::FileExists;

namespace UiBench
{
namespace
{
void AddPicture(std::vector<QString>& list, const std::wstring& path)
{
    if (FileExists(path))
    {
        list.push_back(QString::fromStdString(win32::NativePath(path)));
    }
}

// An element that cannot be chosen is shown under the overlay, which is read once more.
void AddOverlayWhenUnavailable(std::vector<QString>& list, bool anyUnavailable, const std::wstring& overlay)
{
    if (anyUnavailable)
    {
        AddPicture(list, overlay);
    }
}

const DataContainer* SelectedCloth(const CharacterData* character)
{
    return character->GetCloth(Selection2::GetCloth());
}

bool ChoosableForSelectedPose(CharacterData* character, const DataContainer* pose)
{
    return MainWindowGeneralFill::ClothMeshExists(Field(character, L"folder"), SelectedCloth(character),
                                                  Selection2::GetCloth(), pose);
}
} // namespace

std::vector<QString> CharacterClickPictures(CharacterData* character)
{
    std::vector<QString> pictures;
    const std::wstring folder = Field(character, L"folder");
    bool anyUnavailable = false;
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::CLOTH); ++i)
    {
        const DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, i);
        AddPicture(pictures, RepositoryLayout::ClothPreviewFile(folder, Field(cloth, L"id")));
        anyUnavailable = anyUnavailable || Field(cloth, L"available") != L"available";
    }
    AddOverlayWhenUnavailable(pictures, anyUnavailable,
                              RepositoryLayout::ClothOverlayFile(MainWindowGeneralFill::RepositoryPath()));
    return pictures;
}

std::vector<QString> PosesPagePictures(CharacterData* character)
{
    std::vector<QString> pictures;
    const std::wstring folder = Field(character, L"folder");
    const wchar_t* clothId = Selection2::GetCloth();
    bool anyUnavailable = false;
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::POSES); ++i)
    {
        const DataContainer* pose = character->GetContainerElement(CharacterData::POSES, i);
        if (pose->GetFastFlag(DataContainer::AVAILABLE))
        {
            AddPicture(pictures, RepositoryLayout::PosePreviewFile(folder, clothId, Field(pose, L"id")));
            anyUnavailable = anyUnavailable || !ChoosableForSelectedPose(character, pose);
        }
    }
    AddOverlayWhenUnavailable(pictures, anyUnavailable,
                              RepositoryLayout::ElementOverlayFile(MainWindowGeneralFill::RepositoryPath()));
    return pictures;
}

std::vector<QString> OtherPagesPictures(CharacterData* character)
{
    std::vector<QString> pictures;
    const std::wstring folder = Field(character, L"folder");
    const std::wstring repository = MainWindowGeneralFill::RepositoryPath();
    const DataContainer* cloth = SelectedCloth(character);
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::SKINS); ++i)
    {
        AddPicture(pictures,
                   RepositoryLayout::SkinPreviewFile(
                       folder, Field(character->GetContainerElement(CharacterData::SKINS, i), L"preview")));
    }
    const DataContainer* materials = cloth->GetChild(CharacterData::MATERIAL);
    for (std::int32_t i = 0; i < materials->GetChildCount(); ++i)
    {
        AddPicture(pictures, RepositoryLayout::ClothMaterialPreviewFile(
                                 folder, Field(cloth, L"folder"), Field(materials->GetChild(i), L"preview")));
    }
    for (std::int32_t c = 0; c < character->GetCount(CharacterData::CATEGORIES); ++c)
    {
        std::vector<DataContainer*> assets;
        character->GetAssetsForCategory(&assets,
                                        character->GetContainerElement(CharacterData::CATEGORIES, c));
        for (const DataContainer* asset : assets)
        {
            if (!asset->GetFastFlag(DataContainer::AVAILABLE))
            {
                continue;
            }
            const bool global = Data2::CheckAssetGlobal(asset);
            const std::wstring assetFolder = Field(asset, L"folder");
            if (asset->GetChildCount() == 0)
            {
                AddPicture(pictures, global
                                         ? RepositoryLayout::GlobalAssetPreviewFile(repository, assetFolder)
                                         : RepositoryLayout::AssetPreviewFile(folder, assetFolder));
            }
            for (std::int32_t m = 0; m < asset->GetChildCount(); ++m)
            {
                const std::wstring preview = Field(asset->GetChild(m), L"preview");
                AddPicture(pictures,
                           global ? RepositoryLayout::GlobalAssetMaterialPreviewFile(repository, assetFolder,
                                                                                     preview)
                                  : RepositoryLayout::AssetMaterialPreviewFile(folder, assetFolder, preview));
            }
        }
    }
    const DataContainer* pose = character->GetPose(Selection2::GetPose());
    AddOverlayWhenUnavailable(pictures, !ChoosableForSelectedPose(character, pose),
                              RepositoryLayout::ElementOverlayFile(repository));
    return pictures;
}
} // namespace UiBench
