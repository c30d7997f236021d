// The operations of CharacterData that look beyond the character: global assets of the store and
// the selected cloth and pose.

#include "repository/CharacterData.h"

#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Fields.h"
#include "repository/Selection2.h"

namespace ZANRET
{
DataContainer* CharacterData::SelectedCloth() const
{
    return GetCloth(Selection2::GetCloth());
}

void CharacterData::GetAssetsForCategory(std::vector<DataContainer*>* list,
                                         const DataContainer* category) const
{
    if (!list || !category)
        return;
    bool found = false;
    const wchar_t* categoryId = category->GetData(L"id", &found);
    if (!found)
        return;
    const DataContainer* selectedCloth = SelectedCloth();
    for (std::int32_t i = 0; i < assets.GetChildCount(); ++i)
    {
        DataContainer* asset = assets.GetChild(i);
        if (!asset || !asset->CheckDatafield(L"category") ||
            !Fields::Same(Fields::Value(asset, L"category"), categoryId))
            continue;
        DataContainer* candidate = asset;
        bool offered = true;
        bool matrixTest = true;
        const wchar_t* assetId = Fields::Value(asset, L"id");
        if (Data2::CheckAssetGlobal(asset))
        {
            DataContainer* globalAsset = Data2::GetGlobalAssetOf(asset);
            if (globalAsset)
            {
                // Lets the preselection find the reference that offered the global asset.
                if (assetId)
                    globalAsset->SetData(L"local_asset_id", assetId);
                candidate = globalAsset;
            }
            else
            {
                matrixTest = false;
            }
        }
        else if (IsSpecificAsset(asset))
        {
            matrixTest = false;
        }
        if (matrixTest && !FindAssetMatrixElement(Selection2::GetPose(), assetId))
        {
            Debug::AddDebugMessage(DEBUG_INFO, L"CharacterData::GetAssetsForCategory found no matrix for ");
            offered = false;
        }
        if (selectedCloth && IsExcludedByCloth(selectedCloth, asset))
            offered = false;
        if (offered)
            list->push_back(candidate);
    }
}

bool CharacterData::IsExcludedByCloth(const DataContainer* cloth, const DataContainer* asset)
{
    if (!cloth || !asset)
        return false;
    const wchar_t* assetId = Fields::Value(asset, L"id");
    if (!assetId || cloth->GetChildCount() <= EXCLUDE)
        return false;
    const DataContainer* excludes = cloth->GetChild(EXCLUDE);
    if (!excludes)
        return false;
    for (std::int32_t i = 0; i < excludes->GetChildCount(); ++i)
    {
        const DataContainer* entry = excludes->GetChild(i);
        if (entry && Fields::Same(Fields::Value(entry, L"id"), assetId))
            return true;
    }
    return false;
}

bool CharacterData::CheckAssetStyleForClothSelection(const CharacterData* character,
                                                     const DataContainer* asset,
                                                     const DataContainer* material)
{
    if (!character || !asset)
        return false;
    const wchar_t* key = asset->CheckDatafield(L"local_asset_id") ? Fields::Value(asset, L"local_asset_id")
                                                                  : Fields::Value(asset, L"id");
    if (!key)
        return false;
    const wchar_t* materialId = material ? Fields::Value(material, L"id") : nullptr;
    // A material without an id matches no entry.
    if (material && !materialId)
        return false;
    const DataContainer* selectedCloth = character->SelectedCloth();
    if (!selectedCloth || selectedCloth->GetChildCount() <= SELECT)
        return false;
    const DataContainer* selects = selectedCloth->GetChild(SELECT);
    if (!selects)
        return false;
    for (std::int32_t i = 0; i < selects->GetChildCount(); ++i)
    {
        const DataContainer* entry = selects->GetChild(i);
        if (!entry || !Fields::Same(Fields::Value(entry, L"asset_id"), key))
            continue;
        if (!material)
            return true;
        if (entry->CheckDatafield(L"material_id") &&
            Fields::Same(Fields::Value(entry, L"material_id"), materialId))
            return true;
    }
    return false;
}

bool CharacterData::GetAssetAndMaterial(std::int32_t unique, DataContainer** asset,
                                        DataContainer** material) const
{
    for (std::int32_t i = 0; i < assets.GetChildCount(); ++i)
    {
        DataContainer* localAsset = assets.GetChild(i);
        if (!localAsset)
            continue;
        if (Data2::GetUnique(localAsset) == unique)
        {
            if (asset)
                *asset = localAsset;
            if (material)
                *material = nullptr;
            return true;
        }
        for (std::int32_t m = 0; m < localAsset->GetChildCount(); ++m)
        {
            DataContainer* child = localAsset->GetChild(m);
            if (child && Data2::GetUnique(child) == unique)
            {
                if (asset)
                    *asset = localAsset;
                if (material)
                    *material = child;
                return true;
            }
        }
    }
    return false;
}

DataContainer* CharacterData::GetLocalAssetForGlobal(const DataContainer* globalAsset) const
{
    if (!globalAsset || !globalAsset->CheckDatafield(L"id"))
        return nullptr;
    const wchar_t* globalId = Fields::Value(globalAsset, L"id");
    for (std::int32_t i = 0; i < assets.GetChildCount(); ++i)
    {
        DataContainer* asset = assets.GetChild(i);
        if (asset && Data2::CheckAssetGlobal(asset) &&
            Fields::Same(Fields::Value(asset, L"globalID"), globalId))
            return asset;
    }
    return nullptr;
}

DataContainer* CharacterData::GetCategoryForGlobalAsset(const DataContainer* globalAsset) const
{
    if (!globalAsset)
        return nullptr;
    return GetCategory(GetLocalAssetForGlobal(globalAsset));
}

DataContainer* CharacterData::ResolveAsset(const DataContainer* element) const
{
    if (!element || !element->CheckDatafield(L"id"))
        return nullptr;
    DataContainer* asset = FindById(&assets, Fields::Value(element, L"id"));
    if (asset && Data2::CheckAssetGlobal(asset))
        return Data2::GetGlobalAssetOf(asset);
    return asset;
}
} // namespace ZANRET
