// The info line spells out the selection exactly; "Create" builds it.

#include "WindowFixture.h"

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Selection2.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowPlacementWidget.h"
#include "ui/MainWindowSelectionInfo.h"

#include <hostsdk/Host.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace ZANRET;

class SelectionInfoTest : public WindowFixture
{
};

namespace
{
QString InfoText()
{
    return MainWindowClass::window->SelectionInfo()->Label()->text();
}

DataContainer* AssetMaterial(const CharacterData* character, const wchar_t* assetId,
                             const wchar_t* materialId)
{
    const DataContainer* asset = character->GetAsset(assetId);
    for (std::int32_t i = 0; asset && i < asset->GetChildCount(); ++i)
    {
        bool found = false;
        const wchar_t* id = asset->GetChild(i)->GetData(L"id", &found);
        if (found && std::wstring(id) == materialId)
            return asset->GetChild(i);
    }
    return nullptr;
}
} // namespace

TEST_F(SelectionInfoTest, InfoLineSpellsOutTheSelection)
{
    OpenOnSamples();
    CharacterData* anna = Data2::GetCharacter(L"anna");
    ASSERT_NE(anna, nullptr);

    Selection2::SetCharacter(L"anna");
    MainWindow::UpdateInfo();
    EXPECT_EQ(InfoText(), QStringLiteral("Character: \"Anna\""));

    // A pose without an outfit follows the character's quote directly.
    Selection2::SetPose(L"walk");
    MainWindow::UpdateInfo();
    EXPECT_EQ(InfoText(), QStringLiteral("Character: \"Anna\"Poses: \"Walking\""));

    Selection2::SetCloth(L"anna_dress");
    Selection2::SetSkin(L"anna_tan");
    Selection2::SetStyle(L"dress_blue");
    DataContainer* canvas = AssetMaterial(anna, L"bag", L"bag_canvas");
    ASSERT_NE(canvas, nullptr);
    Selection2::AddAsset(Data2::GetUnique(canvas));
    Selection2::AddAsset(Data2::GetUnique(anna->GetAsset(L"hat")));
    // A unique that names no asset is left out.
    Selection2::AddAsset(Data2::GetUnique(anna->GetPose(L"stand")));
    MainWindow::UpdateInfo();
    EXPECT_EQ(InfoText(), QStringLiteral("Character: \"Anna\", Outfit: \"Summer Dress\"\n"
                                         "Poses: \"Walking\", Skin: \"Tan\", Cloth Material: \"Blue\"\n"
                                         "\"Handbag:Canvas\", \"Sun Hat\", "));

    // Ids that name nothing in the character are left out; a missing character empties the line.
    Selection2::ClearAssets();
    Selection2::SetPose(L"nowhere");
    Selection2::SetSkin(L"ben_fair");
    MainWindow::UpdateInfo();
    EXPECT_EQ(InfoText(),
              QStringLiteral("Character: \"Anna\", Outfit: \"Summer Dress\"\n, Cloth Material: \"Blue\""));
    m_log.Clear();
    Selection2::SetCharacter(L"ghost");
    MainWindow::UpdateInfo();
    EXPECT_EQ(InfoText(), QString());
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"current char object is nullptr"), 1);
}

class CreateButtonTest : public WindowFixture
{
protected:
    void SetUp() override { Host::Reset(); }
    void TearDown() override
    {
        WindowFixture::TearDown();
        Host::Reset();
    }

    static void ClickCreate()
    {
        QPushButton* create = MainWindowClass::window->PlacementWidget()->Button();
        ASSERT_FALSE(create->isHidden());
        QTest::mouseClick(create, Qt::LeftButton);
        Flush();
    }
};

TEST_F(CreateButtonTest, CreateBuildsTheSelectionAndReportsAnIncompleteOne)
{
    OpenOnSamples();
    // Tuxedo has a mesh for no pose, so no pose is chosen with it; "Create" shows all the same.
    ClickNode(Node("Ben", "Tuxedo"));
    EXPECT_EQ(Selection2::GetPose(), nullptr);
    m_log.Clear();
    ClickCreate();
    EXPECT_EQ(m_log.Count(DEBUG_ERROR, L"Commands::CreateCharacter could not create character"), 1);
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_EQ(Host::ScriptLines().back(), MSTR(_M("animButtonState=false")));

    // The pages choose a pose, a skin and a material for the jeans: the character is built.
    ClickNode(Node("Anna", "Jeans & Shirt"));
    ASSERT_NE(Selection2::GetPose(), nullptr);
    m_log.Clear();
    ClickCreate();
    EXPECT_EQ(m_log.CountOfType(DEBUG_ERROR), 0);
    EXPECT_GT(Host::NodeCount(), 0);
    // The button stays as it is and the window is not redrawn.
    EXPECT_FALSE(Window()->PlacementWidget()->Button()->isHidden());
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"update gui width..."), 0);
}
