#include "ui/MainWindowClothMaterialsTab.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/RepositoryLayout.h"
#include "repository/Selection2.h"
#include "ui/MainWindowGeneralFill.h"
#include "ui/MainWindowPosesElement.h"

namespace ZANRET
{
using namespace MainWindowGeneralFill;

void MainWindowClothMaterialsTab::SelectedElement(std::int32_t unique)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"selected a cloth material in the GUI");
    m_lastSelected = unique;
    Commands::SetSelectedStyle(unique, true);
}

void MainWindowClothMaterialsTab::UnselectElement(std::int32_t unique)
{
    // A material cannot be un-chosen: the box the user cleared was the chosen one, so it is ticked again.
    // (The page's last choice may not be the chosen one: after a pose change the page is made anew
    // while the earlier choice stays.)
    SelectOnlyUnique(unique);
}

void MainWindowClothMaterialsTab::FillMaterials(DataContainer* cloth, CharacterData* character)
{
    if (!cloth || !character)
    {
        return;
    }
    const DataContainer* materials = cloth->GetChild(CharacterData::MATERIAL);
    if (!materials)
    {
        return;
    }
    const std::wstring characterFolder = Field(character, L"folder");
    const std::wstring clothFolder = Field(cloth, L"folder");
    const wchar_t* clothId = Selection2::GetCloth();
    bool chosen = false;
    ClothMeshTests meshes;
    for (std::int32_t i = 0; i < materials->GetChildCount(); ++i)
    {
        DataContainer* material = materials->GetChild(i);
        if (!material)
        {
            continue;
        }
        const std::int32_t unique = Data2::GetUnique(material);
        const std::wstring preview = RepositoryLayout::ClothMaterialPreviewFile(characterFolder, clothFolder,
                                                                                Field(material, L"preview"));
        const DataContainer* selectedCloth = character->GetCloth(clothId);
        if (!selectedCloth)
        {
            Debug::AddDebugMessage(DEBUG_INFO, L"MainWindowSkinTab::FillMaterials clothDC not found");
            continue;
        }
        const DataContainer* pose = character->GetPose(Selection2::GetPose());
        if (!pose)
        {
            continue;
        }
        const bool available = meshes.Exists(characterFolder, selectedCloth, clothId, pose);
        const QString url = BuyLink(pose, clothId);
        if (!FileExists(preview))
        {
            continue;
        }
        AddChoice(std::make_unique<MainWindowPosesElement>(), unique, preview,
                  ToQString(Field(material, L"name")), available, url, &Commands::SetSelectedStyle, chosen);
    }
    for (const auto& element : m_elements)
    {
        element->ShowElement();
    }
}
} // namespace ZANRET
