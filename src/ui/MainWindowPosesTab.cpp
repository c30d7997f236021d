#include "ui/MainWindowPosesTab.h"

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

void MainWindowPosesTab::SelectedElement(std::int32_t unique)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"selected a pose in the GUI");
    m_lastSelected = unique;
    Commands::SetSelectedPose(unique, true);
}

void MainWindowPosesTab::UnselectElement(std::int32_t unique)
{
    SelectOnlyUnique(unique);
}

void MainWindowPosesTab::FillPoses(CharacterData* character)
{
    if (!character)
    {
        return;
    }
    const std::wstring characterFolder = Field(character, L"folder");
    const wchar_t* clothId = Selection2::GetCloth();
    bool chosen = false;
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::POSES); ++i)
    {
        DataContainer* pose = character->GetContainerElement(CharacterData::POSES, i);
        if (!pose || !pose->GetFastFlag(DataContainer::AVAILABLE))
        {
            continue;
        }
        const std::int32_t unique = Data2::GetUnique(pose);
        const std::wstring preview =
            RepositoryLayout::PosePreviewFile(characterFolder, clothId ? clothId : L"", Field(pose, L"id"));
        const DataContainer* cloth = character->GetCloth(clothId);
        if (!cloth)
        {
            continue;
        }
        const bool available = ClothMeshExists(characterFolder, cloth, clothId, pose);
        const QString url = BuyLink(pose, clothId);
        if (!FileExists(preview))
        {
            continue;
        }
        AddChoice(std::make_unique<MainWindowPosesElement>(), unique, preview,
                  ToQString(Field(pose, L"name")), available, url, &Commands::SetSelectedPose, chosen);
    }
    for (const auto& element : m_elements)
    {
        element->ShowElement();
    }
}
} // namespace ZANRET
