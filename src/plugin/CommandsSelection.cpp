// Turning the window's element picks into the current selection.

#include "plugin/Commands.h"

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Selection2.h"
#include "ui/MainWindow.h"

namespace ZANRET
{
namespace Commands
{
namespace
{
// Set while the window refills its tabs after a pose change: the preselections that the tabs try
// then must not replace what the user has chosen.
bool rebuildingTabs = false;

struct AssetInCategory
{
    CharacterData* character = nullptr;
    DataContainer* asset = nullptr;
    DataContainer* category = nullptr;
};

// The asset (or asset material) of the unique and its category for the selected character. False
// when either cannot be found.
bool FindAssetAndCategory(std::int32_t unique, AssetInCategory& found)
{
    const wchar_t* characterId = Selection2::GetCharacter();
    if (!characterId)
        return false;
    found.character = Data2::GetCharacter(characterId);
    if (!found.character)
        return false;
    DataContainer* asset = nullptr;
    DataContainer* material = nullptr;
    if (Data2::GetGlobalAssetAndMaterial(unique, &asset, &material))
    {
        found.category = found.character->GetCategoryForGlobalAsset(asset);
    }
    else
    {
        found.character->GetAssetAndMaterial(unique, &asset, &material);
        found.category = found.character->GetCategory(asset);
    }
    found.asset = asset;
    return found.asset && found.category;
}
} // namespace

bool IsRebuildingTabs()
{
    return rebuildingTabs;
}

void SetSelectedCharacterUnique(std::int32_t characterUnique, bool updateGui)
{
    if (characterUnique == 0)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Commands::SetSelectedCharacterUnique: invalid unqiue");
        return;
    }
    if (const wchar_t* id = Data2::GetIdOfUnique(characterUnique))
    {
        Selection2::SetCharacter(id);
        Selection2::SetCloth(nullptr);
        Selection2::SetPose(nullptr);
        Selection2::SetStyle(nullptr);
        Selection2::SetSkin(nullptr);
        Selection2::ClearAssets();
    }
    if (updateGui)
        MainWindow::UpdateCharacterSelectionFromGUI();
}

void SetSelectedClothUnique(std::int32_t characterUnique, std::int32_t clothUnique, bool updateGui)
{
    if (const wchar_t* id = Data2::GetIdOfUnique(characterUnique))
        Selection2::SetCharacter(id);
    if (const wchar_t* id = Data2::GetIdOfUnique(clothUnique))
    {
        // The skin belongs to the character, not to the outfit: it stays.
        Selection2::SetCloth(id);
        Selection2::SetPose(nullptr);
        Selection2::SetStyle(nullptr);
        Selection2::ClearAssets();
    }
    if (updateGui)
        MainWindow::UpdateCharacterSelectionFromGUI();
}

void SetSelectedPose(std::int32_t poseUnique, bool updateGui)
{
    if (rebuildingTabs)
        return;
    Selection2::SetPose(Data2::GetIdOfUnique(poseUnique));
    if (!updateGui)
        return;
    rebuildingTabs = true;
    MainWindow::RebuildTabs();
    rebuildingTabs = false;
    MainWindow::UpdateElementSelection();
}

void SetSelectedSkin(std::int32_t skinUnique, bool updateGui)
{
    if (rebuildingTabs)
        return;
    Selection2::SetSkin(Data2::GetIdOfUnique(skinUnique));
    if (updateGui)
        MainWindow::UpdateElementSelection();
}

void SetSelectedStyle(std::int32_t styleUnique, bool updateGui)
{
    if (rebuildingTabs)
        return;
    Selection2::SetStyle(Data2::GetIdOfUnique(styleUnique));
    if (updateGui)
        MainWindow::UpdateElementSelection();
}

void SetSelectedAsset(std::int32_t unique, bool updateGui)
{
    if (rebuildingTabs || unique == 0)
        return;
    AssetInCategory found;
    if (!FindAssetAndCategory(unique, found))
        return;
    if (!CharacterData::IsMultipleSelection(found.category))
        Selection2::DeselectCategory(found.category, found.character);
    Selection2::AddAsset(unique);
    if (updateGui)
        MainWindow::UpdateElementSelection();
}

void SetDeselectedAsset(std::int32_t unique, bool updateGui)
{
    if (unique == 0)
        return;
    AssetInCategory found;
    if (!FindAssetAndCategory(unique, found))
        return;
    // A required category keeps its last selected asset.
    const bool keepLast = CharacterData::IsRequired(found.category) &&
                          Selection2::GetAssetCountOfCategory(found.category, found.character) <= 1;
    if (!keepLast)
        Selection2::RemoveAsset(unique);
    // Also after a refusal, so that the window shows the asset ticked again.
    if (updateGui)
        MainWindow::UpdateElementSelection();
}
} // namespace Commands
} // namespace ZANRET
