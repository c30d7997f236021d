#include "ui/MainWindowSkinTab.h"

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

void MainWindowSkinTab::SelectedElement(std::int32_t unique)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"selected a skin in the GUI");
    m_lastSelected = unique;
    Commands::SetSelectedSkin(unique, true);
}

void MainWindowSkinTab::UnselectElement(std::int32_t unique)
{
    // A skin cannot be un-chosen: the box the user cleared was the chosen one, so it is ticked again.
    // (The page's last choice may not be the chosen one: after a pose change the page is made anew
    // while the earlier choice stays.)
    SelectOnlyUnique(unique);
}

void MainWindowSkinTab::FillSkins(CharacterData* character)
{
    if (!character)
    {
        return;
    }
    const std::wstring characterFolder = Field(character, L"folder");
    const wchar_t* clothId = Selection2::GetCloth();
    bool chosen = false;
    ClothMeshTests meshes;
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::SKINS); ++i)
    {
        DataContainer* skin = character->GetContainerElement(CharacterData::SKINS, i);
        if (!skin)
        {
            continue;
        }
        const std::int32_t unique = Data2::GetUnique(skin);
        const std::wstring preview =
            RepositoryLayout::SkinPreviewFile(characterFolder, Field(skin, L"preview"));
        const DataContainer* cloth = character->GetCloth(clothId);
        if (!cloth)
        {
            continue;
        }
        const DataContainer* pose = character->GetPose(Selection2::GetPose());
        if (!pose)
        {
            continue;
        }
        const bool available = meshes.Exists(characterFolder, cloth, clothId, pose);
        const QString url = BuyLink(pose, clothId);
        if (!FileExists(preview))
        {
            continue;
        }
        AddChoice(std::make_unique<MainWindowGeneralElement>(), unique, preview,
                  ToQString(Field(skin, L"name")), available, url, &Commands::SetSelectedSkin, chosen);
    }
}
} // namespace ZANRET
