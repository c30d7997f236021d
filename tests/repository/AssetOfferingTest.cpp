#include "MessageLog.h"
#include "repository/CharacterData.h"

#include <gtest/gtest.h>

using namespace ZANRET;

namespace
{
const wchar_t* kNoMatrix = L"CharacterData::GetAssetsForCategory found no matrix for ";

// One character with hats: a placed hat, a specific hat, two references to one global hat, a
// reference that resolves to nothing, and a scarf of another category.
class AssetOffering : public ::testing::Test
{
protected:
    void SetUp() override
    {
        character = Data2::GetCharacter(Data2::AddCharacter());
        hats = AddCategory(L"hats");
        scarves = AddCategory(L"scarves");
        cap = AddAsset(L"cap", L"hats", nullptr);
        beanie = AddAsset(L"beanie", L"hats", L"specific");
        globalHat = Data2::GetGlobalAsset(Data2::AddGlobalAsset());
        globalHat->SetData(L"id", L"ghat");
        globalMaterial = Data2::AddMaterialToGlobalaAsset(globalHat);
        refOne = AddAsset(L"ref1", L"hats", L"global");
        refOne->SetData(L"globalID", L"ghat");
        dangling = AddAsset(L"ghost", L"hats", L"global");
        dangling->SetData(L"globalID", L"none");
        refTwo = AddAsset(L"ref2", L"hats", L"global");
        refTwo->SetData(L"globalID", L"ghat");
        scarf = AddAsset(L"scarf", L"scarves", nullptr);
        capRed = character->AddMaterialToAsset(0);
        capRed->SetData(L"id", L"red");
        capBlue = character->AddMaterialToAsset(0);
        capBlue->SetData(L"id", L"blue");

        const int clothIndex = character->AddContainerElement(CharacterData::CLOTH);
        jeans = character->GetContainerElement(CharacterData::CLOTH, clothIndex);
        jeans->SetData(L"id", L"jeans");
        const int poseIndex = character->AddContainerElement(CharacterData::POSES);
        character->GetContainerElement(CharacterData::POSES, poseIndex)->SetData(L"id", L"standing");
        character->AddAssetMatrixEntry(L"standing", L"cap", 0, 0, 1, 0, 0, 0);
        character->AddAssetMatrixEntry(L"standing", L"ref1", 0, 0, 1, 0, 0, 0);
        character->AddAssetMatrixEntry(L"sitting", L"ref2", 0, 0, 1, 0, 0, 0);
    }

    DataContainer* AddCategory(const wchar_t* id)
    {
        DataContainer* category = character->GetContainerElement(
            CharacterData::CATEGORIES, character->AddContainerElement(CharacterData::CATEGORIES));
        category->SetData(L"id", id);
        return category;
    }
    DataContainer* AddAsset(const wchar_t* id, const wchar_t* category, const wchar_t* type)
    {
        DataContainer* asset = character->GetContainerElement(
            CharacterData::ASSETS, character->AddContainerElement(CharacterData::ASSETS));
        asset->SetData(L"id", id);
        asset->SetData(L"category", category);
        if (type)
            asset->SetData(L"type", type);
        return asset;
    }
    DataContainer* AddClothEntry(CharacterData::CLOTH_CHILD which, const wchar_t* field, const wchar_t* value)
    {
        DataContainer* entry = character->AddChildToClothContainer(0, which);
        entry->SetData(field, value);
        return entry;
    }
    std::vector<DataContainer*> Offered(const DataContainer* category)
    {
        std::vector<DataContainer*> list;
        character->GetAssetsForCategory(&list, category);
        return list;
    }
    std::wstring LocalAssetId()
    {
        bool found = false;
        const wchar_t* value = globalHat->GetData(L"local_asset_id", &found);
        return found ? value : L"<none>";
    }

    CleanModel clean;
    CharacterData* character = nullptr;
    DataContainer *hats, *scarves, *cap, *beanie, *globalHat, *globalMaterial, *refOne, *dangling, *refTwo,
        *scarf, *capRed, *capBlue, *jeans;
};
} // namespace

TEST_F(AssetOffering, NoPoseSelectedOffersOnlyWhatNeedsNoMatrix)
{
    MessageLog log;
    EXPECT_EQ(Offered(hats), (std::vector<DataContainer*>{beanie, dangling}));
    // cap, ref1 and ref2 each need a matrix record.
    EXPECT_EQ(log.Count(DEBUG_INFO, kNoMatrix), 3);
    EXPECT_EQ(LocalAssetId(), L"ref2");
}

TEST_F(AssetOffering, MatrixRecordsAndGlobalReferences)
{
    Selection2::SetPose(L"standing");
    MessageLog log;
    EXPECT_EQ(Offered(hats), (std::vector<DataContainer*>{cap, beanie, globalHat, dangling}));
    // ref2 resolves but has no record for this pose: not offered, and still the last to write its id.
    EXPECT_EQ(log.Count(DEBUG_INFO, kNoMatrix), 1);
    EXPECT_EQ(LocalAssetId(), L"ref2");

    character->AddAssetMatrixEntry(L"standing", L"ref2", 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(Offered(hats), (std::vector<DataContainer*>{cap, beanie, globalHat, dangling, globalHat}));
    EXPECT_EQ(Offered(scarves), (std::vector<DataContainer*>{}));

    // The list is only appended to; bad arguments leave it alone.
    std::vector<DataContainer*> list{scarf};
    character->GetAssetsForCategory(&list, nullptr);
    character->GetAssetsForCategory(nullptr, hats);
    DataContainer noId;
    log.Clear();
    character->GetAssetsForCategory(&list, &noId);
    EXPECT_EQ(list, (std::vector<DataContainer*>{scarf}));
    EXPECT_EQ(log.Count(DEBUG_INFO, kNoMatrix), 0);
}

TEST_F(AssetOffering, ExclusionsUseTheLocalAsset)
{
    Selection2::SetPose(L"standing");
    character->AddAssetMatrixEntry(L"standing", L"ref2", 0, 0, 0, 0, 0, 0);
    AddClothEntry(CharacterData::EXCLUDE, L"id", L"beanie");
    AddClothEntry(CharacterData::EXCLUDE, L"id", L"ref1");
    AddClothEntry(CharacterData::EXCLUDE, L"id", L"ghat");
    // Nothing is excluded while no cloth is selected.
    EXPECT_EQ(Offered(hats).size(), 5u);
    Selection2::SetCloth(L"jeans");
    // ref1 is excluded by its own id; the entry naming the global asset's id excludes nothing, so
    // ref2 still offers the global hat.
    EXPECT_EQ(Offered(hats), (std::vector<DataContainer*>{cap, dangling, globalHat}));
    EXPECT_TRUE(CharacterData::IsExcludedByCloth(jeans, beanie));
    EXPECT_FALSE(CharacterData::IsExcludedByCloth(jeans, cap));
    EXPECT_FALSE(CharacterData::IsExcludedByCloth(nullptr, beanie));
    EXPECT_FALSE(CharacterData::IsExcludedByCloth(jeans, nullptr));
    DataContainer bare;
    EXPECT_FALSE(CharacterData::IsExcludedByCloth(&bare, beanie));
}

TEST_F(AssetOffering, PreselectionBySelectEntries)
{
    AddClothEntry(CharacterData::SELECT, L"asset_id", L"beanie");
    DataContainer* capEntry = AddClothEntry(CharacterData::SELECT, L"asset_id", L"cap");
    capEntry->SetData(L"material_id", L"blue");
    AddClothEntry(CharacterData::SELECT, L"asset_id", L"ref1");

    EXPECT_FALSE(CharacterData::CheckAssetStyleForClothSelection(character, beanie, nullptr));
    Selection2::SetCloth(L"jeans");
    EXPECT_TRUE(CharacterData::CheckAssetStyleForClothSelection(character, beanie, nullptr));
    EXPECT_TRUE(CharacterData::CheckAssetStyleForClothSelection(character, cap, nullptr));
    EXPECT_TRUE(CharacterData::CheckAssetStyleForClothSelection(character, cap, capBlue));
    EXPECT_FALSE(CharacterData::CheckAssetStyleForClothSelection(character, cap, capRed));
    DataContainer beanieMaterial;
    beanieMaterial.SetData(L"id", L"blue");
    EXPECT_FALSE(CharacterData::CheckAssetStyleForClothSelection(character, beanie, &beanieMaterial));
    EXPECT_FALSE(CharacterData::CheckAssetStyleForClothSelection(character, scarf, nullptr));
    EXPECT_FALSE(CharacterData::CheckAssetStyleForClothSelection(nullptr, cap, nullptr));
    EXPECT_FALSE(CharacterData::CheckAssetStyleForClothSelection(character, nullptr, nullptr));

    // A global asset answers under the id of the reference that offered it last.
    EXPECT_FALSE(CharacterData::CheckAssetStyleForClothSelection(character, globalHat, nullptr));
    Selection2::SetPose(L"standing");
    Offered(hats);
    EXPECT_EQ(LocalAssetId(), L"ref2");
    EXPECT_FALSE(CharacterData::CheckAssetStyleForClothSelection(character, globalHat, nullptr));
    globalHat->SetData(L"local_asset_id", L"ref1");
    EXPECT_TRUE(CharacterData::CheckAssetStyleForClothSelection(character, globalHat, nullptr));
}

TEST_F(AssetOffering, AssetAndMaterialByUnique)
{
    const int capUnique = Data2::GetUnique(cap);
    const int blueUnique = Data2::GetUnique(capBlue);
    const int globalUnique = Data2::GetUnique(globalHat);
    const int globalMaterialUnique = Data2::GetUnique(globalMaterial);
    DataContainer* asset = nullptr;
    DataContainer* material = scarf;
    EXPECT_TRUE(character->GetAssetAndMaterial(capUnique, &asset, &material));
    EXPECT_EQ(asset, cap);
    EXPECT_EQ(material, nullptr);
    EXPECT_TRUE(character->GetAssetAndMaterial(blueUnique, &asset, &material));
    EXPECT_EQ(asset, cap);
    EXPECT_EQ(material, capBlue);

    asset = scarf;
    material = scarf;
    EXPECT_FALSE(character->GetAssetAndMaterial(globalUnique, &asset, &material));
    EXPECT_FALSE(character->GetAssetAndMaterial(globalMaterialUnique, &asset, &material));
    EXPECT_FALSE(character->GetAssetAndMaterial(0, &asset, &material));
    EXPECT_EQ(asset, scarf);
    EXPECT_EQ(material, scarf);
}

TEST_F(AssetOffering, GlobalAssetsLeadBackToTheirReferences)
{
    EXPECT_EQ(character->GetLocalAssetForGlobal(globalHat), refOne);
    EXPECT_EQ(character->GetLocalAssetForGlobal(nullptr), nullptr);
    DataContainer unknown;
    EXPECT_EQ(character->GetLocalAssetForGlobal(&unknown), nullptr);
    unknown.SetData(L"id", L"unknown");
    EXPECT_EQ(character->GetCategoryForGlobalAsset(&unknown), nullptr);

    refTwo->SetData(L"category", L"scarves");
    EXPECT_EQ(character->GetCategoryForGlobalAsset(globalHat), hats);
    refOne->SetData(L"type", L"common");
    EXPECT_EQ(character->GetCategoryForGlobalAsset(globalHat), scarves);
    EXPECT_EQ(character->GetCategoryForGlobalAsset(nullptr), nullptr);

    DataContainer mandatory;
    EXPECT_EQ(character->ResolveAsset(&mandatory), nullptr);
    mandatory.SetData(L"id", L"ref2");
    EXPECT_EQ(character->ResolveAsset(&mandatory), globalHat);
    mandatory.SetData(L"id", L"cap");
    EXPECT_EQ(character->ResolveAsset(&mandatory), cap);
    mandatory.SetData(L"id", L"ghost");
    EXPECT_EQ(character->ResolveAsset(&mandatory), nullptr);
    mandatory.SetData(L"id", L"ghat");
    EXPECT_EQ(character->ResolveAsset(&mandatory), nullptr);
    EXPECT_EQ(character->ResolveAsset(nullptr), nullptr);
}
