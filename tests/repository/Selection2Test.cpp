#include "repository/Selection2.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

using namespace ZANRET;

namespace
{
DataContainer* AddAsset(CharacterData* character, const wchar_t* id, const wchar_t* category)
{
    const int index = character->AddContainerElement(CharacterData::ASSETS);
    DataContainer* asset = character->GetContainerElement(CharacterData::ASSETS, index);
    asset->SetData(L"id", id);
    if (category)
        asset->SetData(L"category", category);
    return asset;
}

DataContainer* AddCategory(CharacterData* character, const wchar_t* id)
{
    const int index = character->AddContainerElement(CharacterData::CATEGORIES);
    DataContainer* category = character->GetContainerElement(CharacterData::CATEGORIES, index);
    category->SetData(L"id", id);
    return category;
}

std::vector<int> SelectedAssets()
{
    std::vector<int> assets;
    for (int i = 0; i < Selection2::GetAssetCount(); ++i)
        assets.push_back(Selection2::GetAsset(i));
    return assets;
}
} // namespace

TEST(Selection2, SlotsHoldCopiesAndEmptyMeansNothing)
{
    CleanModel clean;
    EXPECT_EQ(Selection2::GetCharacter(), nullptr);
    EXPECT_EQ(Selection2::GetCloth(), nullptr);
    EXPECT_EQ(Selection2::GetPose(), nullptr);
    EXPECT_EQ(Selection2::GetSkin(), nullptr);
    EXPECT_EQ(Selection2::GetStyle(), nullptr);

    std::wstring id = L"anna";
    Selection2::SetCharacter(id.c_str());
    id = L"changed";
    Selection2::SetCloth(L"jeans");
    Selection2::SetPose(L"standing");
    Selection2::SetSkin(L"pale");
    Selection2::SetStyle(L"blue");
    Selection2::AddAsset(1010);
    EXPECT_STREQ(Selection2::GetCharacter(), L"anna");
    EXPECT_STREQ(Selection2::GetCloth(), L"jeans");
    EXPECT_STREQ(Selection2::GetPose(), L"standing");
    EXPECT_STREQ(Selection2::GetSkin(), L"pale");
    EXPECT_STREQ(Selection2::GetStyle(), L"blue");

    Selection2::SetCloth(L"");
    EXPECT_EQ(Selection2::GetCloth(), nullptr);
    Selection2::SetPose(nullptr);
    EXPECT_EQ(Selection2::GetPose(), nullptr);

    Selection2::Clear();
    EXPECT_EQ(Selection2::GetCharacter(), nullptr);
    EXPECT_EQ(Selection2::GetSkin(), nullptr);
    EXPECT_EQ(Selection2::GetStyle(), nullptr);
    EXPECT_EQ(Selection2::GetAssetCount(), 0);
}

TEST(Selection2, AssetList)
{
    CleanModel clean;
    MessageLog log;
    Selection2::AddAsset(1010);
    Selection2::AddAsset(1020);
    Selection2::AddAsset(1010);
    EXPECT_EQ(SelectedAssets(), (std::vector<int>{1010, 1020, 1010}));
    Selection2::RemoveAsset(1010);
    EXPECT_EQ(SelectedAssets(), (std::vector<int>{1020, 1010}));
    EXPECT_TRUE(Selection2::CheckSelectedAsset(1010));
    Selection2::RemoveAsset(4040);
    EXPECT_EQ(Selection2::GetAssetCount(), 2);
    EXPECT_FALSE(Selection2::CheckSelectedAsset(4040));
    EXPECT_TRUE(log.Messages().empty());

    EXPECT_EQ(Selection2::GetAsset(2), 0);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Selection2::GetAsset: index out of range!"));
    log.Clear();
    EXPECT_EQ(Selection2::GetAsset(-1), 0);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Selection2::GetAsset: index out of range!"));
    Selection2::ClearAssets();
    EXPECT_EQ(Selection2::GetAssetCount(), 0);
}

TEST(Selection2, DeselectAndCountByCategory)
{
    CleanModel clean;
    CharacterData* character = Data2::GetCharacter(Data2::AddCharacter());
    DataContainer* a = AddCategory(character, L"A");
    DataContainer* b = AddCategory(character, L"B");
    DataContainer* a1 = AddAsset(character, L"a1", L"A");
    DataContainer* b1 = AddAsset(character, L"b1", L"B");
    AddAsset(character, L"a2", L"A");
    DataContainer* a2Material = character->AddMaterialToAsset(2);
    DataContainer* global = Data2::GetGlobalAsset(Data2::AddGlobalAsset());
    const int ua1 = Data2::GetUnique(a1);
    const int ub1 = Data2::GetUnique(b1);
    const int ua2 = Data2::GetUnique(a2Material);
    const int ug = Data2::GetUnique(global);

    for (int unique : {ua1, ug, ub1, ua2})
        Selection2::AddAsset(unique);
    EXPECT_EQ(Selection2::GetAssetCountOfCategory(a, character), 2);
    EXPECT_EQ(Selection2::GetAssetCountOfCategory(b, character), 1);
    EXPECT_EQ(Selection2::GetAssetCountOfCategory(nullptr, character), -1);
    EXPECT_EQ(Selection2::GetAssetCountOfCategory(a, nullptr), -1);

    Selection2::DeselectCategory(a, character);
    EXPECT_EQ(SelectedAssets(), (std::vector<int>{ub1}));
    EXPECT_EQ(Selection2::GetAssetCountOfCategory(a, character), 0);

    // An asset of the character without a category freezes the list, whatever the category.
    DataContainer* loose = AddAsset(character, L"loose", nullptr);
    const int uLoose = Data2::GetUnique(loose);
    Selection2::ClearAssets();
    for (int unique : {ua1, uLoose, ub1, ug})
        Selection2::AddAsset(unique);
    Selection2::DeselectCategory(a, character);
    EXPECT_EQ(SelectedAssets(), (std::vector<int>{ua1, uLoose, ub1, ug}));
    EXPECT_EQ(Selection2::GetAssetCountOfCategory(a, character), 1);
    Selection2::DeselectCategory(nullptr, character);
    Selection2::DeselectCategory(a, nullptr);
    EXPECT_EQ(Selection2::GetAssetCount(), 4);
}
