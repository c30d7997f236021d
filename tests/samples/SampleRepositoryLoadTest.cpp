// The default sample read by the plug-in's own reader and validated against the disk: each case the
// sample is meant to hold comes out as the repository model and the window will see it.

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Parser2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"

#include "ModelText.h"
#include "TempFolder.h"
#include "win32/fileapi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
using Ids = std::vector<std::wstring>;

Ids IdsOf(const CharacterData* character, CharacterData::CONTAINER which)
{
    Ids ids;
    for (std::int32_t i = 0; i < character->GetCount(which); ++i)
        ids.push_back(Field(character->GetContainerElement(which, i), L"id"));
    return ids;
}

// The ids of the elements whose fast flag 0 ("available") is clear.
Ids Unavailable(const CharacterData* character, CharacterData::CONTAINER which)
{
    Ids ids;
    for (std::int32_t i = 0; i < character->GetCount(which); ++i)
    {
        const DataContainer* element = character->GetContainerElement(which, i);
        if (!element->GetFastFlag(DataContainer::AVAILABLE))
            ids.push_back(Field(element, L"id"));
    }
    return ids;
}

class SampleRepositoryLoadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* samples = std::getenv("ZANRET_SAMPLES");
        ASSERT_NE(samples, nullptr);
        setenv("LOCALAPPDATA", m_settings.Path().c_str(), 1);
        Data2::Reset();
        Selection2::Clear();
        Settings::LoadSettings();
        // As the file dialog stores it: the folder with a trailing backslash.
        const std::string folder = std::string(samples) + "\\";
        m_repository.assign(folder.begin(), folder.end());
        Settings::SetPath(m_repository.c_str());
        ASSERT_TRUE(Parser2::ParseRepository(m_repository.c_str()));
        Data2::SetValid(true);
    }
    void TearDown() override
    {
        Selection2::Clear();
        Data2::Reset();
        Settings::FreeSettings();
        unsetenv("LOCALAPPDATA");
    }

    static CharacterData* Character(const wchar_t* id)
    {
        CharacterData* character = Data2::GetCharacter(id);
        EXPECT_NE(character, nullptr) << "no character " << std::string(id, id + wcslen(id));
        return character;
    }

    // What the asset page of the category lists for the selected cloth and pose: the offered
    // assets that are available.
    static Ids Listed(const CharacterData* character, const wchar_t* categoryId)
    {
        std::vector<DataContainer*> offered;
        character->GetAssetsForCategory(&offered, character->GetCategoryById(categoryId));
        Ids ids;
        for (const DataContainer* asset : offered)
        {
            if (asset->GetFastFlag(DataContainer::AVAILABLE))
                ids.push_back(Field(asset, L"id"));
        }
        return ids;
    }

    static void Select(const wchar_t* character, const wchar_t* cloth, const wchar_t* pose)
    {
        Selection2::SetCharacter(character);
        Selection2::SetCloth(cloth);
        Selection2::SetPose(pose);
    }

    TempFolder m_settings;
    std::wstring m_repository;
};

TEST_F(SampleRepositoryLoadTest, CharactersOutfitsPosesAndAssetsComeOutAsIntended)
{
    // ghost (no folder) and nora (no skin folder) are left out.
    ASSERT_EQ(Data2::GetCharacterCount(), 4);
    for (std::int32_t i = 0; i < Data2::GetCharacterCount(); ++i)
        EXPECT_TRUE(Data2::GetCharacter(i)->GetFastFlag(DataContainer::AVAILABLE));

    CharacterData* anna = Character(L"anna");
    ASSERT_NE(anna, nullptr);
    // The gown has no preview and is dropped; the rest sorted by name.
    EXPECT_EQ(IdsOf(anna, CharacterData::CLOTH),
              (Ids{L"anna_jeans", L"anna_dress", L"anna_swim", L"anna_coat"}));
    EXPECT_EQ(Unavailable(anna, CharacterData::CLOTH), Ids{L"anna_coat"});
    EXPECT_EQ(Field(anna->GetCloth(L"anna_coat"), L"available"), L"notavailable");
    EXPECT_EQ(Field(anna->GetCloth(L"anna_jeans"), L"name"), L"Jeans & Shirt");
    EXPECT_EQ(Unavailable(anna, CharacterData::POSES), Ids{L"run"});
    EXPECT_EQ(Unavailable(anna, CharacterData::ASSETS), (Ids{L"umbrella", L"shawl", L"parasol"}));
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::POSES)), L"Poses");

    CharacterData* ben = Character(L"ben");
    ASSERT_NE(ben, nullptr);
    EXPECT_EQ(IdsOf(ben, CharacterData::CLOTH), (Ids{L"ben_suit", L"ben_casual", L"ben_tux"}));
    EXPECT_TRUE(Unavailable(ben, CharacterData::ASSETS).empty());

    CharacterData* kai = Character(L"kai");
    ASSERT_NE(kai, nullptr);
    EXPECT_EQ(Unavailable(kai, CharacterData::CLOTH), Ids{L"kai_jacket"});

    CharacterData* zoe = Character(L"zoe");
    ASSERT_NE(zoe, nullptr);
    EXPECT_EQ(Field(zoe, L"name"), L"Zo\u00eb");

    EXPECT_TRUE(Data2::GetGlobalAssetById(L"g_watch")->GetFastFlag(DataContainer::AVAILABLE));
    EXPECT_FALSE(Data2::GetGlobalAssetById(L"g_shawl")->GetFastFlag(DataContainer::AVAILABLE));
}

TEST_F(SampleRepositoryLoadTest, AssetPagesOfferWhatTheOutfitAndPoseAllow)
{
    CharacterData* anna = Character(L"anna");
    ASSERT_NE(anna, nullptr);

    Select(L"anna", L"anna_dress", L"stand");
    EXPECT_EQ(Listed(anna, L"bags"), Ids{L"bag"}); // backpack excluded by the dress
    EXPECT_EQ(Listed(anna, L"hats"), Ids{L"hat"});
    EXPECT_EQ(Listed(anna, L"jewellery"), (Ids{L"necklace", L"bracelet", L"g_watch"}));
    EXPECT_EQ(Listed(anna, L"extras"), (Ids{L"g_sunglasses", L"scarf"}));
    EXPECT_TRUE(CharacterData::CheckAssetStyleForClothSelection(anna, anna->GetAsset(L"hat"), nullptr));

    Select(L"anna", L"anna_jeans", L"stand");
    EXPECT_EQ(Listed(anna, L"bags"), (Ids{L"bag", L"backpack"}));
    EXPECT_EQ(Listed(anna, L"extras"), Ids{L"g_sunglasses"}); // scarf excluded by the jeans

    // No matrix entry for either bag in this pose: the Bags page is not made.
    Select(L"anna", L"anna_dress", L"wave");
    EXPECT_TRUE(Listed(anna, L"bags").empty());

    CharacterData* ben = Character(L"ben");
    ASSERT_NE(ben, nullptr);
    Select(L"ben", L"ben_casual", L"stand");
    // Two local assets stand for the same global asset.
    EXPECT_EQ(Listed(ben, L"eyewear"), (Ids{L"g_sunglasses", L"g_sunglasses"}));
    EXPECT_EQ(Listed(ben, L"headwear"), (Ids{L"cap", L"beanie"}));
    Select(L"ben", L"ben_casual", L"lean");
    EXPECT_EQ(Listed(ben, L"headwear"), Ids{L"cap"});
}

// The window's availability test: the selected cloth's mesh for the pose, formed with backslashes
// below the repository path as the plug-in forms it.
TEST_F(SampleRepositoryLoadTest, ClothMeshesExistExceptWhereMissingOnPurpose)
{
    const Ids missing = {L"anna_dress_sit", L"ben_suit_lean", L"ben_tux_stand", L"ben_tux_sit",
                         L"ben_tux_lean"};
    int checked = 0;
    for (std::int32_t c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        const CharacterData* character = Data2::GetCharacter(c);
        for (std::int32_t i = 0; i < character->GetCount(CharacterData::CLOTH); ++i)
        {
            const DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, i);
            if (!cloth->GetFastFlag(DataContainer::AVAILABLE))
                continue;
            for (std::int32_t p = 0; p < character->GetCount(CharacterData::POSES); ++p)
            {
                const DataContainer* pose = character->GetContainerElement(CharacterData::POSES, p);
                if (!pose->GetFastFlag(DataContainer::AVAILABLE))
                    continue;
                const std::wstring name = Field(cloth, L"id") + L"_" + Field(pose, L"id");
                const std::wstring path =
                    Field(character, L"folder") + L"\\" + Field(cloth, L"folder") + L"\\" + name + L".vrmesh";
                const bool exists = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
                const bool wanted = std::find(missing.begin(), missing.end(), name) == missing.end();
                EXPECT_EQ(exists, wanted) << std::string(name.begin(), name.end());
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 20);
}
} // namespace
