#include "repository/CharacterData.h"
#include "MessageLog.h"
#include "TempFolder.h"
#include "repository/Data2.h"
#include "repository/Utf16Order.h"

#include <clocale>
#include <gtest/gtest.h>

using namespace ZANRET;

namespace
{
DataContainer* AddElement(CharacterData& character, CharacterData::CONTAINER which, const wchar_t* id)
{
    const int index = character.AddContainerElement(which);
    DataContainer* element = character.GetContainerElement(which, index);
    element->SetData(L"id", id);
    return element;
}

DataContainer* AddCloth(CharacterData& character, const wchar_t* id, const wchar_t* name)
{
    DataContainer* cloth = AddElement(character, CharacterData::CLOTH, id);
    cloth->SetData(L"name", name);
    return cloth;
}

std::wstring ClothNames(const CharacterData& character)
{
    std::wstring names;
    for (int i = 0; i < character.GetCount(CharacterData::CLOTH); ++i)
    {
        bool found = false;
        names += character.GetContainerElement(CharacterData::CLOTH, i)->GetData(L"name", &found);
        names += L";";
    }
    return names;
}
} // namespace

TEST(CharacterData, AddContainerElement)
{
    CharacterData character;
    EXPECT_EQ(character.AddContainerElement(CharacterData::CLOTH), 0);
    DataContainer* cloth = character.GetContainerElement(CharacterData::CLOTH, 0);
    ASSERT_NE(cloth, nullptr);
    ASSERT_EQ(cloth->GetChildCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(cloth->GetChild(i)->GetChildCount(), 0);
    EXPECT_EQ(character.AddContainerElement(CharacterData::POSES), 0);
    EXPECT_EQ(character.AddContainerElement(CharacterData::POSES), 1);
    EXPECT_EQ(character.GetContainerElement(CharacterData::POSES, 1)->GetChildCount(), 0);

    EXPECT_EQ(character.AddContainerElement(static_cast<CharacterData::CONTAINER>(5)), -1);
    EXPECT_EQ(character.AddContainerElement(static_cast<CharacterData::CONTAINER>(-1)), -1);
    EXPECT_EQ(character.GetCount(static_cast<CharacterData::CONTAINER>(5)), 0);
    EXPECT_EQ(character.GetContainerElement(static_cast<CharacterData::CONTAINER>(5), 0), nullptr);
    int total = 0;
    for (int c = 0; c < 5; ++c)
        total += character.GetCount(static_cast<CharacterData::CONTAINER>(c));
    EXPECT_EQ(total, 3);
}

TEST(CharacterData, IndexCheckedAddersReportEachStep)
{
    CleanModel clean;
    CharacterData character;
    character.AddContainerElement(CharacterData::POSES);
    character.AddContainerElement(CharacterData::ASSETS);
    character.AddContainerElement(CharacterData::CLOTH);
    character.AddCloth(L"bare", L"Bare", L"bare", L"");
    MessageLog log;

    EXPECT_EQ(character.AddMandatoryElement(-1), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::AddMandatoryElement: could not get pose element"));
    log.Clear();
    EXPECT_EQ(character.AddMandatoryElement(1), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::AddMandatoryElement: index out of range"));
    log.Clear();
    ASSERT_NE(character.AddMandatoryElement(0), nullptr);
    EXPECT_EQ(character.GetContainerElement(CharacterData::POSES, 0)->GetChildCount(), 1);

    EXPECT_EQ(character.AddMaterialToAsset(1), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::AddMaterialToAsset: index out of range"));
    log.Clear();
    EXPECT_EQ(character.AddMaterialToAsset(-3), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::AddMaterialToAsset: could not get asset element"));
    log.Clear();

    EXPECT_EQ(character.AddChildToClothContainer(2, CharacterData::EXCLUDE), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::AddChildToClothContainer: index out of range"));
    log.Clear();
    EXPECT_EQ(character.AddChildToClothContainer(-1, CharacterData::EXCLUDE), nullptr);
    EXPECT_TRUE(
        log.Only(DEBUG_ERROR, L"CharacterData::AddChildToClothContainer: could not get cloth element"));
    log.Clear();
    // The cloth made by AddCloth has no sub-containers.
    EXPECT_EQ(character.AddChildToClothContainer(1, CharacterData::EXCLUDE), nullptr);
    EXPECT_EQ(
        log.Count(DEBUG_ERROR, L"CharacterData::AddChildToClothContainer: could not get subContainerDC"), 1);
    log.Clear();
    EXPECT_EQ(character.AddMaterialToCloth(1), nullptr);
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"CharacterData::AddMaterialToCloth: could not get materials element"),
              1);
    log.Clear();
    EXPECT_EQ(character.AddMaterialToCloth(5), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::AddMaterialToCloth: index out of range"));
    log.Clear();
    EXPECT_EQ(character.AddMaterialToCloth(-1), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::AddMaterialToCloth: could not get cloth element"));
    log.Clear();

    ASSERT_NE(character.AddMaterialToCloth(0), nullptr);
    DataContainer* exclude = character.AddChildToClothContainer(0, CharacterData::EXCLUDE);
    ASSERT_NE(exclude, nullptr);
    EXPECT_EQ(character.GetClothChildCount(0, CharacterData::MATERIAL), 1);
    EXPECT_EQ(character.GetClothChildCount(0, CharacterData::EXCLUDE), 1);
    EXPECT_EQ(character.GetClothChildCount(0, CharacterData::SELECT), 0);
    EXPECT_EQ(character.GetClothChildElement(0, CharacterData::EXCLUDE, 0), exclude);
    EXPECT_TRUE(log.Messages().empty());
    EXPECT_EQ(character.GetClothChildElement(0, CharacterData::EXCLUDE, 1), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::GetClothChildElement: index out of range"));
    log.Clear();
    EXPECT_EQ(character.GetClothChildElement(0, CharacterData::EXCLUDE, -1), nullptr);
    EXPECT_TRUE(log.Messages().empty());
    EXPECT_EQ(character.GetClothChildElement(2, CharacterData::EXCLUDE, 0), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::GetClothChildElement: clothIndex out of range"));
    log.Clear();
    EXPECT_EQ(character.GetClothChildCount(2, CharacterData::SELECT), -1);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::GetClothChildCount: index out of range"));
    log.Clear();
    EXPECT_EQ(character.GetClothChildCount(-1, CharacterData::SELECT), -1);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CharacterData::GetClothChildCount: could not get cloth element"));
    log.Clear();
    EXPECT_EQ(character.GetClothChildCount(1, CharacterData::SELECT), -1);
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"CharacterData::GetClothChildCount: could not get subContainerDC"), 1);
    log.Clear();
    EXPECT_EQ(character.GetClothChildElement(1, CharacterData::SELECT, 0), nullptr);
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"CharacterData::GetClothChildElement: could not get subContainerDC"),
              1);
}

TEST(CharacterData, LookupsTakeTheFirstExactMatch)
{
    CleanModel clean;
    CharacterData character;
    DataContainer* first = AddElement(character, CharacterData::SKINS, L"s1");
    AddElement(character, CharacterData::SKINS, L"s1");
    DataContainer* upper = AddElement(character, CharacterData::SKINS, L"S2");
    // A skin without an id is passed over.
    character.AddContainerElement(CharacterData::SKINS);
    DataContainer* empty = AddElement(character, CharacterData::SKINS, L"");
    EXPECT_EQ(character.GetSkin(L"s1"), first);
    EXPECT_EQ(character.GetSkin(L"S2"), upper);
    EXPECT_EQ(character.GetSkin(L"s2"), nullptr);
    EXPECT_EQ(character.GetSkin(L"s1 "), nullptr);
    EXPECT_EQ(character.GetSkin(L""), empty);
    EXPECT_EQ(character.GetSkin(nullptr), nullptr);
    EXPECT_EQ(CharacterData::FindById(nullptr, L"s1"), nullptr);

    DataContainer* cloth = AddCloth(character, L"c1", L"Jeans");
    DataContainer* style = character.AddChildToClothContainer(0, CharacterData::MATERIAL);
    style->SetData(L"id", L"blue");
    EXPECT_EQ(character.GetCloth(L"c1"), cloth);
    EXPECT_EQ(character.GetStyle(L"c1", L"blue"), style);
    EXPECT_EQ(character.GetStyle(L"c1", L"red"), nullptr);
    EXPECT_EQ(character.GetStyle(L"c2", L"blue"), nullptr);
    EXPECT_EQ(character.GetStyle(nullptr, L"blue"), nullptr);
    EXPECT_EQ(character.GetStyle(L"c1", nullptr), nullptr);

    DataContainer* pose = AddElement(character, CharacterData::POSES, L"p1");
    EXPECT_EQ(character.GetPose(L"p1"), pose);
    DataContainer* category = AddElement(character, CharacterData::CATEGORIES, L"hats");
    EXPECT_EQ(character.GetCategoryById(L"hats"), category);
    DataContainer* asset = AddElement(character, CharacterData::ASSETS, L"cap");
    EXPECT_EQ(character.GetAsset(L"cap"), asset);

    MessageLog log;
    EXPECT_EQ(character.GetCategory(nullptr), nullptr);
    EXPECT_TRUE(log.Messages().empty());
    EXPECT_EQ(character.GetCategory(asset), nullptr);
    EXPECT_EQ(log.Count(DEBUG_WARNING, L"CharacterData::GetCategory: invalid asset"), 1);
    log.Clear();
    asset->SetData(L"category", L"shoes");
    EXPECT_EQ(character.GetCategory(asset), nullptr);
    EXPECT_TRUE(log.Messages().empty());
    asset->SetData(L"category", L"hats");
    EXPECT_EQ(character.GetCategory(asset), category);
}

TEST(CharacterData, ClassifiersCompareWholeValues)
{
    CleanModel clean;
    DataContainer element;
    EXPECT_FALSE(CharacterData::IsSpecificAsset(nullptr));
    EXPECT_FALSE(CharacterData::IsSpecificAsset(&element));
    element.SetData(L"type", L"specific");
    element.SetData(L"selection", L"multiple");
    element.SetData(L"required", L"true");
    EXPECT_TRUE(CharacterData::IsSpecificAsset(&element));
    EXPECT_TRUE(CharacterData::IsMultipleSelection(&element));
    EXPECT_TRUE(CharacterData::IsRequired(&element));
    element.SetData(L"type", L"Specific");
    element.SetData(L"selection", L"multiple ");
    element.SetData(L"required", L"TRUE");
    EXPECT_FALSE(CharacterData::IsSpecificAsset(&element));
    EXPECT_FALSE(CharacterData::IsMultipleSelection(&element));
    EXPECT_FALSE(CharacterData::IsRequired(&element));
}

TEST(CharacterData, ContainerNamesAppendUnderTheirOwnValue)
{
    CharacterData character;
    character.SetContainerName(CharacterData::CLOTH, L"Outfits");
    character.SetContainerName(CharacterData::POSES, L"Poses");
    character.SetContainerName(CharacterData::SKINS, L"Skin");
    character.SetContainerName(CharacterData::SKINS, L"s");
    character.SetContainerName(CharacterData::ASSETS, L"ignored");
    character.SetContainerName(CharacterData::SKINS, nullptr);
    EXPECT_STREQ(character.GetContainerName(CharacterData::CLOTH), L"Outfits");
    EXPECT_STREQ(character.GetContainerName(CharacterData::POSES), L"Poses");
    EXPECT_STREQ(character.GetContainerName(CharacterData::SKINS), L"Skins");
    EXPECT_EQ(character.GetContainerName(CharacterData::CATEGORIES), nullptr);
    EXPECT_EQ(character.GetContainerName(CharacterData::ASSETS), nullptr);
    character.ClearContainerName(CharacterData::SKINS);
    character.SetContainerName(CharacterData::SKINS, L"Looks");
    EXPECT_STREQ(character.GetContainerName(CharacterData::SKINS), L"Looks");
    EXPECT_STREQ(character.GetContainerName(CharacterData::CLOTH), L"Outfits");
}

TEST(CharacterData, AssetMatrixRecords)
{
    CleanModel clean;
    CharacterData character;
    MessageLog log;
    character.AddAssetMatrixElement(nullptr);
    EXPECT_TRUE(log.Messages().empty());

    DataContainer source;
    source.SetData(L"poseID", L"p1");
    character.AddAssetMatrixElement(&source);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"add asset matrix element..."), 1);
    EXPECT_EQ(character.FindAssetMatrixElement(L"p1", L""), nullptr);

    // Numbers read with a decimal point whatever the process locale says.
    const char* oldLocale = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = oldLocale ? oldLocale : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    source.SetData(L"assetID", L"hat");
    source.SetData(L"xpos", L"1.5");
    source.SetData(L"ypos", L"-2.25cm");
    source.SetData(L"zpos", L"3");
    source.SetData(L"xrot", L"ninety");
    source.SetData(L"zrot", L"45.5");
    character.AddAssetMatrixElement(&source);
    std::setlocale(LC_NUMERIC, saved.c_str());
    source.SetData(L"xpos", L"9");
    character.AddAssetMatrixElement(&source);

    const AssetMatrixElement* record = character.FindAssetMatrixElement(L"p1", L"hat");
    ASSERT_NE(record, nullptr);
    EXPECT_FLOAT_EQ(record->xpos, 1.5f);
    EXPECT_FLOAT_EQ(record->ypos, -2.25f);
    EXPECT_FLOAT_EQ(record->zpos, 3.0f);
    EXPECT_FLOAT_EQ(record->xrot, 0.0f);
    EXPECT_FLOAT_EQ(record->yrot, 0.0f);
    EXPECT_FLOAT_EQ(record->zrot, 45.5f);
    EXPECT_EQ(character.FindAssetMatrixElement(L"p2", L"hat"), nullptr);
    EXPECT_EQ(character.FindAssetMatrixElement(L"hat", L"p1"), nullptr);
    EXPECT_EQ(character.FindAssetMatrixElement(nullptr, L"hat"), nullptr);

    character.AddAssetMatrixEntry(L"p2", L"hat", 1, 2, 3, 4, 5, 6);
    character.AddAssetMatrixEntry(nullptr, nullptr, 0, 0, 0, 0, 0, 0);
    record = character.FindAssetMatrixElement(L"p2", L"hat");
    ASSERT_NE(record, nullptr);
    EXPECT_FLOAT_EQ(record->zrot, 6.0f);

    EXPECT_FLOAT_EQ(CharacterData::GetFloatData(nullptr, &source), 0.0f);
    EXPECT_FLOAT_EQ(CharacterData::GetFloatData(L"missing", &source), 0.0f);
    EXPECT_FLOAT_EQ(CharacterData::GetFloatData(L"xpos", nullptr), 0.0f);
}

TEST(CharacterData, SortClothsByUtf16Order)
{
    CleanModel clean;
    CharacterData character;
    AddCloth(character, L"1", L"b");
    AddCloth(character, L"2", L"a");
    AddCloth(character, L"3", L"B");
    character.SortClothsAlphabetically();
    EXPECT_EQ(ClothNames(character), L"B;a;b;");

    CharacterData equal;
    DataContainer* first = AddCloth(equal, L"first", L"same");
    AddCloth(equal, L"z", L"Zeta");
    DataContainer* second = AddCloth(equal, L"second", L"same");
    AddCloth(equal, L"longer", L"samer");
    AddCloth(equal, L"umlaut", L"\u00e4");
    equal.SortClothsAlphabetically();
    EXPECT_EQ(ClothNames(equal), L"Zeta;same;same;samer;\u00e4;");
    EXPECT_EQ(equal.GetContainerElement(CharacterData::CLOTH, 1), first);
    EXPECT_EQ(equal.GetContainerElement(CharacterData::CLOTH, 2), second);

    // Characters beyond U+FFFF sort as their surrogate pairs would: before U+E000..U+FFFF.
    CharacterData wide;
    AddCloth(wide, L"1", L"\uFF21");
    AddCloth(wide, L"2", L"\U0001F600");
    AddCloth(wide, L"3", L"\uD7FF");
    wide.SortClothsAlphabetically();
    EXPECT_EQ(ClothNames(wide), L"\uD7FF;\U0001F600;\uFF21;");

    // A cloth without a name sorts as an empty name; nothing fails.
    CharacterData unnamed;
    AddCloth(unnamed, L"1", L"a");
    unnamed.AddContainerElement(CharacterData::CLOTH);
    unnamed.SortClothsAlphabetically();
    EXPECT_FALSE(unnamed.GetContainerElement(CharacterData::CLOTH, 0)->CheckDatafield(L"name"));
}

TEST(Utf16Order, ComparesCodeUnits)
{
    EXPECT_LT(CompareUtf16(L"Zeta", L"alpha"), 0);
    EXPECT_LT(CompareUtf16(L"abc", L"abcd"), 0);
    EXPECT_GT(CompareUtf16(L"abcd", L"abc"), 0);
    EXPECT_EQ(CompareUtf16(L"", L""), 0);
    EXPECT_LT(CompareUtf16(L"\U00010000", L"\uE000"), 0);
    EXPECT_GT(CompareUtf16(L"\U00010000", L"\uD7FF"), 0);
    EXPECT_LT(CompareUtf16(L"\U00010000", L"\U00010001"), 0);
    EXPECT_TRUE(Utf16Less()(L"\U0001F600", L"\uFFFF"));
    EXPECT_FALSE(Utf16Less()(L"\uFFFF", L"\U0001F600"));
}

TEST(CharacterData, ValidateClothsDropsClothsWithoutPreview)
{
    CleanModel clean;
    TempFolder temp;
    temp.MakeFolder("anna/previews/preview_c1.png");
    temp.WriteFile("anna/previews/preview_c2.png", "png");
    temp.WriteFile("anna/previews/preview_c4.png", "png");
    CharacterData character;
    character.SetData(L"folder", (temp.WidePath() + L"\\anna").c_str());
    character.ValidateCloths();
    EXPECT_EQ(character.GetCount(CharacterData::CLOTH), 0);

    DataContainer* directory = AddCloth(character, L"c1", L"a");
    DataContainer* present = AddCloth(character, L"c2", L"b");
    AddCloth(character, L"c3", L"c");
    character.AddContainerElement(CharacterData::CLOTH);
    DataContainer* last = AddCloth(character, L"c4", L"d");
    AddElement(character, CharacterData::POSES, L"p1");
    // Ids taken before validation; the removed cloths' ids must lead nowhere afterwards.
    const int directoryUnique = Data2::GetUnique(directory);
    const int materialUnique = Data2::GetUnique(directory->GetChild(0));
    const int presentUnique = Data2::GetUnique(present);
    character.ValidateCloths();
    ASSERT_EQ(character.GetCount(CharacterData::CLOTH), 2);
    EXPECT_EQ(character.GetContainerElement(CharacterData::CLOTH, 0), present);
    EXPECT_EQ(character.GetContainerElement(CharacterData::CLOTH, 1), last);
    EXPECT_EQ(character.GetCount(CharacterData::POSES), 1);
    EXPECT_EQ(Data2::GetIdOfUnique(directoryUnique), nullptr);
    EXPECT_EQ(Data2::GetIdOfUnique(materialUnique), nullptr);
    EXPECT_STREQ(Data2::GetIdOfUnique(presentUnique), L"c2");
    EXPECT_EQ(Data2::GetUnique(present), presentUnique);

    // A character without a folder keeps none of its cloths, and nothing fails.
    CharacterData homeless;
    AddCloth(homeless, L"c2", L"b");
    homeless.ValidateCloths();
    EXPECT_EQ(homeless.GetCount(CharacterData::CLOTH), 0);
}
