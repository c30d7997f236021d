// Turning window picks into the selection, and the guard while the tabs rebuild.

#include "CommandsFixture.h"

using namespace ZANRET;

namespace
{
std::int32_t UniqueOf(DataContainer* element)
{
    return element ? Data2::GetUnique(element) : 0;
}

CharacterData* Anna()
{
    return Data2::GetCharacter(L"anna");
}

std::int32_t AssetUnique(const wchar_t* character, const wchar_t* asset)
{
    return UniqueOf(Data2::GetCharacter(character)->GetAsset(asset));
}

std::vector<std::int32_t> SelectedAssets()
{
    std::vector<std::int32_t> list;
    for (std::int32_t i = 0; i < Selection2::GetAssetCount(); ++i)
        list.push_back(Selection2::GetAsset(i));
    return list;
}
} // namespace

class SelectionCommandsTest : public CommandsTest
{
protected:
    void SetUp() override
    {
        CommandsTest::SetUp();
        OpenSamples();
        window.Clear();
        log.Clear();
    }
    // Character anna in her dress, standing, light skin, green dress.
    void SelectAnna()
    {
        Commands::SetSelectedClothUnique(UniqueOf(Anna()), UniqueOf(Anna()->GetCloth(L"anna_dress")), false);
        Commands::SetSelectedPose(UniqueOf(Anna()->GetPose(L"stand")), false);
        Commands::SetSelectedSkin(UniqueOf(Anna()->GetSkin(L"anna_light")), false);
        Commands::SetSelectedStyle(UniqueOf(Anna()->GetStyle(L"anna_dress", L"dress_red")), false);
    }
};

TEST_F(SelectionCommandsTest, CharacterPickClearsEverythingElse)
{
    SelectAnna();
    Selection2::AddAsset(AssetUnique(L"anna", L"hat"));
    Commands::SetSelectedCharacterUnique(UniqueOf(Data2::GetCharacter(L"ben")), true);
    EXPECT_STREQ(Selection2::GetCharacter(), L"ben");
    EXPECT_EQ(Selection2::GetCloth(), nullptr);
    EXPECT_EQ(Selection2::GetPose(), nullptr);
    EXPECT_EQ(Selection2::GetSkin(), nullptr);
    EXPECT_EQ(Selection2::GetStyle(), nullptr);
    EXPECT_EQ(Selection2::GetAssetCount(), 0);
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"UpdateCharacterSelectionFromGUI"});

    // 0 is refused with an error and the window is left alone.
    window.Clear();
    Commands::SetSelectedCharacterUnique(0, true);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Commands::SetSelectedCharacterUnique: invalid unqiue"));
    EXPECT_TRUE(window.Calls().empty());
    EXPECT_STREQ(Selection2::GetCharacter(), L"ben");

    // An unknown unique changes nothing, but the window is still told.
    Commands::SetSelectedCharacterUnique(7, true);
    EXPECT_STREQ(Selection2::GetCharacter(), L"ben");
    EXPECT_EQ(window.Count("UpdateCharacterSelectionFromGUI"), 1);
}

TEST_F(SelectionCommandsTest, OutfitPickKeepsTheSkinAndClearsPoseStyleAndAssets)
{
    SelectAnna();
    Selection2::AddAsset(AssetUnique(L"anna", L"hat"));
    Commands::SetSelectedClothUnique(UniqueOf(Anna()), UniqueOf(Anna()->GetCloth(L"anna_jeans")), true);
    EXPECT_STREQ(Selection2::GetCharacter(), L"anna");
    EXPECT_STREQ(Selection2::GetCloth(), L"anna_jeans");
    EXPECT_STREQ(Selection2::GetSkin(), L"anna_light");
    EXPECT_EQ(Selection2::GetPose(), nullptr);
    EXPECT_EQ(Selection2::GetStyle(), nullptr);
    EXPECT_EQ(Selection2::GetAssetCount(), 0);
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"UpdateCharacterSelectionFromGUI"});

    // Without a known cloth only the character changes.
    Commands::SetSelectedPose(UniqueOf(Anna()->GetPose(L"walk")), false);
    Commands::SetSelectedClothUnique(UniqueOf(Data2::GetCharacter(L"ben")), 0, false);
    EXPECT_STREQ(Selection2::GetCharacter(), L"ben");
    EXPECT_STREQ(Selection2::GetCloth(), L"anna_jeans");
    EXPECT_STREQ(Selection2::GetPose(), L"walk");
    EXPECT_EQ(window.Count("UpdateCharacterSelectionFromGUI"), 1);
}

TEST_F(SelectionCommandsTest, PoseSkinAndStylePicksStoreIdsAndZeroClears)
{
    SelectAnna();
    EXPECT_STREQ(Selection2::GetPose(), L"stand");
    EXPECT_STREQ(Selection2::GetSkin(), L"anna_light");
    EXPECT_STREQ(Selection2::GetStyle(), L"dress_red");
    EXPECT_TRUE(window.Calls().empty());

    Commands::SetSelectedSkin(UniqueOf(Anna()->GetSkin(L"anna_tan")), true);
    EXPECT_STREQ(Selection2::GetSkin(), L"anna_tan");
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"UpdateElementSelection"});

    Commands::SetSelectedPose(0, false);
    Commands::SetSelectedSkin(0, false);
    Commands::SetSelectedStyle(12345, false);
    EXPECT_EQ(Selection2::GetPose(), nullptr);
    EXPECT_EQ(Selection2::GetSkin(), nullptr);
    EXPECT_EQ(Selection2::GetStyle(), nullptr);
}

TEST_F(SelectionCommandsTest, PosePickRebuildsTabsWhileTheirPreselectionsAreIgnored)
{
    SelectAnna();
    const std::int32_t hat = AssetUnique(L"anna", L"hat");
    const std::int32_t bag = AssetUnique(L"anna", L"bag");
    const std::int32_t backpack = AssetUnique(L"anna", L"backpack");
    Selection2::AddAsset(bag);
    Selection2::AddAsset(backpack);
    bool flagDuringRebuild = false;
    window.OnCall("RebuildTabs",
                  [&]
                  {
                      flagDuringRebuild = Commands::IsRebuildingTabs();
                      // What the tabs try while they refill.
                      Commands::SetSelectedSkin(UniqueOf(Anna()->GetSkin(L"anna_tan")), false);
                      Commands::SetSelectedStyle(0, false);
                      Commands::SetSelectedAsset(hat, false);
                      Commands::SetSelectedPose(UniqueOf(Anna()->GetPose(L"sit")), true);
                      // Un-ticking still acts.
                      Commands::SetDeselectedAsset(bag, false);
                  });
    Commands::SetSelectedPose(UniqueOf(Anna()->GetPose(L"walk")), true);

    EXPECT_TRUE(flagDuringRebuild);
    EXPECT_FALSE(Commands::IsRebuildingTabs());
    EXPECT_STREQ(Selection2::GetPose(), L"walk");
    EXPECT_STREQ(Selection2::GetSkin(), L"anna_light");
    EXPECT_STREQ(Selection2::GetStyle(), L"dress_red");
    EXPECT_EQ(SelectedAssets(), std::vector<std::int32_t>{backpack});
    EXPECT_EQ(window.Calls(), (std::vector<std::string>{"RebuildTabs", "UpdateElementSelection"}));

    // Without a window update nothing is rebuilt.
    window.Clear();
    Commands::SetSelectedPose(UniqueOf(Anna()->GetPose(L"stand")), false);
    EXPECT_TRUE(window.Calls().empty());
}

TEST_F(SelectionCommandsTest, SingleCategoryReplacesMultipleCategoryAdds)
{
    SelectAnna();
    const std::int32_t bag = AssetUnique(L"anna", L"bag");
    const std::int32_t backpack = AssetUnique(L"anna", L"backpack");
    const std::int32_t necklace = AssetUnique(L"anna", L"necklace");
    const std::int32_t bracelet = AssetUnique(L"anna", L"bracelet");

    Commands::SetSelectedAsset(bag, true);
    Commands::SetSelectedAsset(necklace, false);
    Commands::SetSelectedAsset(backpack, false);
    Commands::SetSelectedAsset(bracelet, false);
    Commands::SetSelectedAsset(bracelet, false);
    EXPECT_EQ(SelectedAssets(), (std::vector<std::int32_t>{necklace, backpack, bracelet, bracelet}));
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"UpdateElementSelection"});

    // A material of an asset stands for it; a category without "selection" allows one.
    const std::int32_t leather = UniqueOf(Anna()->GetAsset(L"bag")->GetChild(0));
    ASSERT_NE(leather, 0);
    Commands::SetSelectedAsset(leather, false);
    EXPECT_EQ(SelectedAssets(), (std::vector<std::int32_t>{necklace, bracelet, bracelet, leather}));
}

TEST_F(SelectionCommandsTest, GlobalAssetsCountInTheCategoryOfTheCharactersReference)
{
    SelectAnna();
    const std::int32_t watch = UniqueOf(Data2::GetGlobalAssetById(L"g_watch"));
    const std::int32_t necklace = AssetUnique(L"anna", L"necklace");
    Commands::SetSelectedAsset(necklace, false);
    Commands::SetSelectedAsset(watch, true);
    EXPECT_EQ(SelectedAssets(), (std::vector<std::int32_t>{necklace, watch}));

    // Ben has no asset that refers to the watch: it can be neither selected nor deselected.
    Commands::SetSelectedCharacterUnique(UniqueOf(Data2::GetCharacter(L"ben")), false);
    window.Clear();
    Selection2::AddAsset(watch);
    Commands::SetSelectedAsset(watch, true);
    Commands::SetDeselectedAsset(watch, true);
    EXPECT_EQ(SelectedAssets(), std::vector<std::int32_t>{watch});
    EXPECT_TRUE(window.Calls().empty());
}

TEST_F(SelectionCommandsTest, RequiredCategoryKeepsItsLastAsset)
{
    SelectAnna();
    const std::int32_t bag = AssetUnique(L"anna", L"bag");
    const std::int32_t scarf = AssetUnique(L"anna", L"scarf");
    const std::int32_t parasol = AssetUnique(L"anna", L"parasol");
    const std::int32_t sunglasses = UniqueOf(Data2::GetGlobalAssetById(L"g_sunglasses"));
    Commands::SetSelectedAsset(bag, false);
    Commands::SetSelectedAsset(scarf, false);
    Commands::SetSelectedAsset(parasol, false);
    Commands::SetSelectedAsset(sunglasses, false);

    // "extras" is required and multiple: of its own assets one may go, the last stays.
    Commands::SetDeselectedAsset(scarf, true);
    EXPECT_EQ(SelectedAssets(), (std::vector<std::int32_t>{bag, parasol, sunglasses}));
    Commands::SetDeselectedAsset(parasol, true);
    Commands::SetDeselectedAsset(bag, true);
    EXPECT_EQ(SelectedAssets(), (std::vector<std::int32_t>{bag, parasol, sunglasses}));
    // The window is redrawn each time, so that it shows a refused un-tick ticked again.
    EXPECT_EQ(window.Count("UpdateElementSelection"), 3);
    // Global assets are not counted: with one asset of its own left, the category keeps them too.
    Commands::SetDeselectedAsset(sunglasses, false);
    EXPECT_EQ(SelectedAssets(), (std::vector<std::int32_t>{bag, parasol, sunglasses}));

    // "jewellery" is not required.
    const std::int32_t necklace = AssetUnique(L"anna", L"necklace");
    Commands::SetSelectedAsset(necklace, false);
    Commands::SetDeselectedAsset(necklace, false);
    EXPECT_EQ(SelectedAssets(), (std::vector<std::int32_t>{bag, parasol, sunglasses}));
}

TEST_F(SelectionCommandsTest, AssetsWithoutCategoryOrCharacterAreIgnored)
{
    // No character selected.
    const std::int32_t bag = AssetUnique(L"anna", L"bag");
    Commands::SetSelectedAsset(bag, true);
    EXPECT_EQ(Selection2::GetAssetCount(), 0);

    SelectAnna();
    // "hair" is in no category; 0 is nothing.
    const std::int32_t hair = AssetUnique(L"anna", L"hair");
    Commands::SetSelectedAsset(hair, true);
    Commands::SetSelectedAsset(0, true);
    Commands::SetDeselectedAsset(0, true);
    Selection2::AddAsset(hair);
    Commands::SetDeselectedAsset(hair, true);
    EXPECT_EQ(SelectedAssets(), std::vector<std::int32_t>{hair});
    EXPECT_TRUE(window.Calls().empty());
}
