#include "ui/MainWindowGeneralSelector.h"

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Selection2.h"
#include "ui/MainWindowClothMaterialsTab.h"
#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralFill.h"
#include "ui/MainWindowGenericTab.h"
#include "ui/MainWindowPosesTab.h"
#include "ui/MainWindowSkinTab.h"

#include <hostforms/MaxForm.h>

#include <QTabBar>

#include <algorithm>
#include <utility>

namespace ZANRET
{
using namespace MainWindowGeneralFill;

namespace
{
// Tabs drawn as buttons of one fixed size, 80 x 25 with their border (the sizes below are those
// of the inside).
const char* const TabButtonStyle =
    "QTabBar::tab { width: 78px; height: 23px; margin: 0 2px 2px 0; padding: 0;"
    " border: 1px solid #7a7a7a; border-radius: 2px; background: #e1e1e1;"
    " color: #000000; }"
    "QTabBar::tab:selected { background: #c4d8ee; border-color: #3c7fb1; }"
    "QTabBar::tab:hover:!selected { background: #e5f1fb; }";

CharacterData* SelectedCharacter()
{
    const wchar_t* id = Selection2::GetCharacter();
    return id ? Data2::GetCharacter(id) : nullptr;
}

QString ContainerTitle(const CharacterData* character, CharacterData::CONTAINER which)
{
    return ToQString(character->GetContainerName(which));
}
} // namespace

MainWindowGeneralSelector::MainWindowGeneralSelector() = default;

MainWindowGeneralSelector::~MainWindowGeneralSelector()
{
    DropPages(0);
    // Its handlers refer to this selector.
    delete m_control;
}

void MainWindowGeneralSelector::CreateWidget(hostforms::MaxForm* form)
{
    m_parent = form;
    m_control = new QTabWidget();
    m_control->setGeometry(185, 95, 735, 525);
    m_control->setDocumentMode(true);
    m_control->tabBar()->setExpanding(false);
    m_control->tabBar()->setElideMode(Qt::ElideRight);
    m_control->tabBar()->setUsesScrollButtons(true);
    m_control->tabBar()->setStyleSheet(QString::fromLatin1(TabButtonStyle));
    QObject::connect(m_control, &QTabWidget::currentChanged, [this](int index) { SelectTabControl(index); });
    if (form)
    {
        form->AddControl(m_control, hostforms::AllAnchors);
    }
}

void MainWindowGeneralSelector::Rebuild(hostforms::MaxForm* form)
{
    // The pages go with their control: nothing may keep pointing at them.
    DropPages(0);
    delete m_control;
    CreateWidget(form);
}

void MainWindowGeneralSelector::UpdateWidget(std::int32_t width, std::int32_t height)
{
    if (!m_control)
    {
        return;
    }
    const bool shown = Selection2::GetCharacter() && Selection2::GetCloth();
    m_control->setVisible(shown);
    if (!shown)
    {
        return;
    }
    Debug::AddDebugMessage(DEBUG_INFO, L"Show general selector...");
    DropPages(0);
    m_control->clear();
    m_control->resize(std::max(0, width - 217), std::max(0, height - 146));

    CharacterData* character = SelectedCharacter();
    if (!character)
    {
        return;
    }
    auto poses = std::make_unique<MainWindowPosesTab>();
    posesTab = poses.get();
    poses->SetSize(100, 300);
    poses->Create(m_control, width, ContainerTitle(character, CharacterData::POSES));
    poses->FillPoses(character);
    AppendPage(std::move(poses));

    BuildPages(character, width);
    UpdateWidth(width);
    UpdateSelection();

    m_control->setCurrentIndex(0);
    SelectTabControl(0);
}

void MainWindowGeneralSelector::RebuildExeptPoses(hostforms::MaxForm*, std::int32_t width)
{
    if (!m_control)
    {
        return;
    }
    DropPages(1);
    while (m_control->count() > 1)
    {
        m_control->removeTab(1);
    }
    CharacterData* character = SelectedCharacter();
    if (!character)
    {
        return;
    }
    BuildPages(character, width);
    UpdateWidthExeptPoses(width);
    UpdateSelection();
}

void MainWindowGeneralSelector::BuildPages(CharacterData* character, std::int32_t width)
{
    if (!character || !m_control)
    {
        return;
    }
    auto skins = std::make_unique<MainWindowSkinTab>();
    skinTab = skins.get();
    skins->SetSize(150, 150);
    skins->Create(m_control, width, ContainerTitle(character, CharacterData::SKINS));
    skins->FillSkins(character);
    AppendPage(std::move(skins));

    const wchar_t* clothId = Selection2::GetCloth();
    DataContainer* cloth = clothId ? character->GetCloth(clothId) : nullptr;
    if (cloth && cloth->GetChildCount() > 0)
    {
        auto materials = std::make_unique<MainWindowClothMaterialsTab>();
        clothMaterialTab = materials.get();
        materials->SetSize(100, 300);
        materials->Create(m_control, width, ContainerTitle(character, CharacterData::CLOTH));
        materials->FillMaterials(cloth, character);
        AppendPage(std::move(materials));
    }

    for (std::int32_t i = 0; i < character->GetCount(CharacterData::CATEGORIES); ++i)
    {
        const DataContainer* category = character->GetContainerElement(CharacterData::CATEGORIES, i);
        if (!category)
        {
            continue;
        }
        std::vector<DataContainer*> assets;
        character->GetAssetsForCategory(&assets, category);
        if (assets.empty())
        {
            continue;
        }
        const QString title = ToQString(Field(category, L"name"));
        const bool multiple = Field(category, L"selection") == L"multiple";
        if (multiple)
        {
            Debug::AddDebugMessage(DEBUG_INFO, L"set multiple true...");
        }
        const bool required = Field(category, L"required") == L"true";
        if (required)
        {
            Debug::AddDebugMessage(DEBUG_INFO, L"set required true...");
        }
        auto page = std::make_unique<MainWindowGenericTab>();
        page->SetSize(150, 150);
        page->SetCategoryInfo(multiple, required);
        page->Create(m_control, width, title);
        page->FillAssets(&assets, character);
        AppendPage(std::move(page));
    }
}

void MainWindowGeneralSelector::UpdateSelection()
{
    UpdatePoseSelection();
    UpdateSkinSelection();
    UpdateStyleSelection();
    for (const auto& page : m_pages)
    {
        const MainWindowGeneralPage* kept = page.get();
        if (kept != posesTab && kept != skinTab && kept != clothMaterialTab)
        {
            page->UpdateSelection();
        }
    }
}

void MainWindowGeneralSelector::UpdatePoseSelection()
{
    const wchar_t* poseId = Selection2::GetPose();
    if (!posesTab || !poseId)
    {
        return;
    }
    const CharacterData* character = SelectedCharacter();
    DataContainer* pose = character ? character->GetPose(poseId) : nullptr;
    if (pose)
    {
        posesTab->SelectOnlyUnique(Data2::GetUnique(pose));
    }
}

void MainWindowGeneralSelector::UpdateSkinSelection()
{
    const wchar_t* skinId = Selection2::GetSkin();
    if (!skinTab || !skinId)
    {
        return;
    }
    const CharacterData* character = SelectedCharacter();
    DataContainer* skin = character ? character->GetSkin(skinId) : nullptr;
    if (skin)
    {
        skinTab->SelectOnlyUnique(Data2::GetUnique(skin));
    }
}

void MainWindowGeneralSelector::UpdateStyleSelection()
{
    const wchar_t* styleId = Selection2::GetStyle();
    if (!clothMaterialTab || !styleId)
    {
        return;
    }
    const CharacterData* character = SelectedCharacter();
    DataContainer* style = character ? character->GetStyle(Selection2::GetCloth(), styleId) : nullptr;
    if (style)
    {
        clothMaterialTab->SelectOnlyUnique(Data2::GetUnique(style));
    }
}

void MainWindowGeneralSelector::UpdateWidth(std::int32_t width)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"update width...");
    for (const auto& page : m_pages)
    {
        page->SetWidth(width);
    }
}

void MainWindowGeneralSelector::UpdateWidthExeptPoses(std::int32_t width)
{
    for (std::size_t i = 1; i < m_pages.size(); ++i)
    {
        m_pages[i]->SetWidth(width);
    }
}

MainWindowGeneralPage* MainWindowGeneralSelector::GetPage(std::int32_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_pages.size())
    {
        return nullptr;
    }
    return m_pages[static_cast<std::size_t>(index)].get();
}

void MainWindowGeneralSelector::SelectTabControl(int tabPageIndex)
{
    if (m_pages.empty() || tabPageIndex == -1 || !m_control)
    {
        return;
    }
    // Tabs change while pages are made and dropped: only a page that stands at that tab counts.
    MainWindowGeneralPage* page = GetPage(tabPageIndex);
    if (!page || page->GetPageControl() != m_control->widget(tabPageIndex))
    {
        return;
    }
    if (QWidget* first = page->GetFirstControl())
    {
        first->setFocus();
    }
}

void MainWindowGeneralSelector::DropPages(std::size_t first)
{
    if (first >= m_pages.size())
    {
        return;
    }
    std::vector<std::unique_ptr<MainWindowGeneralPage>> dropped(
        std::make_move_iterator(m_pages.begin() + first), std::make_move_iterator(m_pages.end()));
    m_pages.erase(m_pages.begin() + static_cast<std::ptrdiff_t>(first), m_pages.end());
    for (const auto& page : dropped)
    {
        if (page.get() == posesTab)
        {
            posesTab = nullptr;
        }
        if (page.get() == skinTab)
        {
            skinTab = nullptr;
        }
        if (page.get() == clothMaterialTab)
        {
            clothMaterialTab = nullptr;
        }
    }
    // The shown page goes last, the others from the end: a tab control whose shown page goes shows
    // the next one, which would make every dropped page show (and decode) its pictures in turn.
    const QWidget* shown = m_control ? m_control->currentWidget() : nullptr;
    const auto shownPage =
        std::find_if(dropped.begin(), dropped.end(),
                     [shown](const auto& page) { return page->GetPageControl() == shown; });
    if (shownPage != dropped.end())
    {
        std::rotate(dropped.begin(), shownPage, shownPage + 1);
    }
    while (!dropped.empty())
    {
        dropped.pop_back();
    }
}

void MainWindowGeneralSelector::AppendPage(std::unique_ptr<MainWindowGeneralPage> page)
{
    m_pages.push_back(std::move(page));
}
} // namespace ZANRET
