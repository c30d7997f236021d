#include "ui/MainWindowGenericTab.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/RepositoryLayout.h"
#include "repository/Selection2.h"
#include "ui/MainWindowGeneralElement.h"
#include "ui/MainWindowGeneralFill.h"

namespace ZANRET
{
using namespace MainWindowGeneralFill;

void MainWindowGenericTab::SelectedElement(std::int32_t unique)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"selected an asset in the GUI");
    Commands::SetSelectedAsset(unique, true);
}

void MainWindowGenericTab::UnselectElement(std::int32_t unique)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"de-select an asset in the GUI");
    Commands::SetDeselectedAsset(unique, true);
}

void MainWindowGenericTab::SetCategoryInfo(bool multiple, bool required)
{
    m_multiple = multiple;
    m_required = required;
}

void MainWindowGenericTab::FillAssets(const std::vector<DataContainer*>* assets, CharacterData* character)
{
    if (!assets || !character)
    {
        return;
    }
    m_elementCount = 0;
    const std::wstring characterFolder = Field(character, L"folder");
    ClothMeshTests meshes;
    for (DataContainer* asset : *assets)
    {
        if (!asset || !asset->GetFastFlag(DataContainer::AVAILABLE))
        {
            continue;
        }
        const wchar_t* clothId = Selection2::GetCloth();
        const DataContainer* cloth = character->GetCloth(clothId);
        const DataContainer* pose = character->GetPose(Selection2::GetPose());
        if (!cloth || !pose)
        {
            continue;
        }
        const bool available = meshes.Exists(characterFolder, cloth, clothId, pose);
        const QString url = BuyLink(pose, clothId);
        if (asset->GetChildCount() > 0)
        {
            HandleAssetStyles(asset, character, available, url);
            continue;
        }
        const std::wstring folder = Field(asset, L"folder");
        const std::wstring preview = Data2::CheckAssetGlobal(asset)
                                         ? RepositoryLayout::GlobalAssetPreviewFile(RepositoryPath(), folder)
                                         : RepositoryLayout::AssetPreviewFile(characterFolder, folder);
        if (!FileExists(preview))
        {
            continue;
        }
        const std::int32_t unique = Data2::GetUnique(asset);
        MakeElement(preview, ToQString(Field(asset, L"name")), unique, available, url);
        if (CharacterData::CheckAssetStyleForClothSelection(character, asset, nullptr))
        {
            SelectElement(unique);
            Commands::SetSelectedAsset(unique, false);
        }
    }
}

void MainWindowGenericTab::HandleAssetStyles(DataContainer* asset, CharacterData* character, bool available,
                                             const QString& url)
{
    if (!asset || !character)
    {
        return;
    }
    const bool global = Data2::CheckAssetGlobal(asset);
    const std::wstring characterFolder = Field(character, L"folder");
    const std::wstring folder = Field(asset, L"folder");
    const QString assetName = ToQString(Field(asset, L"name"));
    for (std::int32_t i = 0; i < asset->GetChildCount(); ++i)
    {
        DataContainer* style = asset->GetChild(i);
        if (!style)
        {
            continue;
        }
        const std::wstring stylePreview = Field(style, L"preview");
        const std::wstring preview =
            global ? RepositoryLayout::GlobalAssetMaterialPreviewFile(RepositoryPath(), folder, stylePreview)
                   : RepositoryLayout::AssetMaterialPreviewFile(characterFolder, folder, stylePreview);
        const QString caption = assetName + QStringLiteral(" : ") + ToQString(Field(style, L"name"));
        if (!FileExists(preview))
        {
            continue;
        }
        const std::int32_t unique = Data2::GetUnique(style);
        MakeElement(preview, caption, unique, available, url);
        if (CharacterData::CheckAssetStyleForClothSelection(character, asset, style))
        {
            SelectElement(unique);
            Commands::SetSelectedAsset(unique, false);
        }
    }
}

void MainWindowGenericTab::MakeElement(const std::wstring& preview, const QString& text, std::int32_t unique,
                                       bool available, const QString& url)
{
    auto element = std::make_unique<MainWindowGeneralElement>();
    element->Create(m_page, unique, 0, 0, text, preview, this, available, url);
    MainWindowElementBase* made = Append(std::move(element));
    if (m_elementCount == 0 && m_required)
    {
        Commands::SetSelectedAsset(unique, false);
        made->SetSelected(true);
    }
    ++m_elementCount;
}
} // namespace ZANRET
