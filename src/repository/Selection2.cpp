#include "repository/Selection2.h"

#include "repository/Debug.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ZANRET::Selection2
{
namespace
{
struct Selection
{
    std::wstring character;
    std::wstring cloth;
    std::wstring pose;
    std::wstring skin;
    std::wstring style;
    std::vector<std::int32_t> assets;
};

Selection& S()
{
    static Selection selection;
    return selection;
}

const wchar_t* Slot(const std::wstring& slot)
{
    return slot.empty() ? nullptr : slot.c_str();
}

void SetSlot(std::wstring& slot, const wchar_t* id)
{
    slot.clear();
    if (id)
        slot = id;
}

// The category of the character's asset (or asset material) that the unique id names. found is
// false when the id names nothing of the character's own.
const DataContainer* CategoryOf(std::int32_t unique, const CharacterData* character, bool& found)
{
    DataContainer* asset = nullptr;
    DataContainer* material = nullptr;
    found = character->GetAssetAndMaterial(unique, &asset, &material);
    return found ? character->GetCategory(asset) : nullptr;
}
} // namespace

const wchar_t* GetCharacter()
{
    return Slot(S().character);
}

const wchar_t* GetCloth()
{
    return Slot(S().cloth);
}

const wchar_t* GetPose()
{
    return Slot(S().pose);
}

const wchar_t* GetSkin()
{
    return Slot(S().skin);
}

const wchar_t* GetStyle()
{
    return Slot(S().style);
}

void SetCharacter(const wchar_t* id)
{
    SetSlot(S().character, id);
}

void SetCloth(const wchar_t* id)
{
    SetSlot(S().cloth, id);
}

void SetPose(const wchar_t* id)
{
    SetSlot(S().pose, id);
}

void SetSkin(const wchar_t* id)
{
    SetSlot(S().skin, id);
}

void SetStyle(const wchar_t* id)
{
    SetSlot(S().style, id);
}

void AddAsset(std::int32_t unique)
{
    S().assets.push_back(unique);
}

void RemoveAsset(std::int32_t unique)
{
    auto& assets = S().assets;
    if (const auto it = std::find(assets.begin(), assets.end(), unique); it != assets.end())
        assets.erase(it);
}

bool CheckSelectedAsset(std::int32_t unique)
{
    const auto& assets = S().assets;
    return std::find(assets.begin(), assets.end(), unique) != assets.end();
}

void ClearAssets()
{
    S().assets.clear();
}

std::int32_t GetAssetCount()
{
    return static_cast<std::int32_t>(S().assets.size());
}

std::int32_t GetAsset(std::int32_t index)
{
    if (index < 0 || index >= GetAssetCount())
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Selection2::GetAsset: index out of range!");
        return 0;
    }
    return S().assets[static_cast<std::size_t>(index)];
}

void Clear()
{
    S() = Selection();
}

void DeselectCategory(const DataContainer* category, const CharacterData* character)
{
    if (!category || !character)
        return;
    std::vector<std::int32_t> keep;
    for (const std::int32_t unique : S().assets)
    {
        bool found = false;
        const DataContainer* assetCategory = CategoryOf(unique, character, found);
        if (!found || assetCategory == category)
            continue;
        // An asset of the character without a category: leave the whole selection as it is.
        if (!assetCategory)
            return;
        keep.push_back(unique);
    }
    S().assets = std::move(keep);
}

std::int32_t GetAssetCountOfCategory(const DataContainer* category, const CharacterData* character)
{
    if (!category || !character)
        return -1;
    std::int32_t count = 0;
    for (const std::int32_t unique : S().assets)
    {
        bool found = false;
        if (CategoryOf(unique, character, found) == category && found)
            ++count;
    }
    return count;
}
} // namespace ZANRET::Selection2
