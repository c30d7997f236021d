#pragma once
// The current selection: character, cloth, pose, skin and style as element ids, assets (or asset
// materials) as unique ids in the order selected. Returned texts stay valid until their slot changes.

#include "repository/CharacterData.h"
#include "repository/DataContainer.h"

#include <cstdint>

namespace ZANRET::Selection2
{
// Null when nothing is selected in the slot.
const wchar_t* GetCharacter();
const wchar_t* GetCloth();
const wchar_t* GetPose();
const wchar_t* GetSkin();
const wchar_t* GetStyle();

// Null or an empty text empties the slot.
void SetCharacter(const wchar_t* id);
void SetCloth(const wchar_t* id);
void SetPose(const wchar_t* id);
void SetSkin(const wchar_t* id);
void SetStyle(const wchar_t* id);

void AddAsset(std::int32_t unique);
void RemoveAsset(std::int32_t unique);
bool CheckSelectedAsset(std::int32_t unique);
void ClearAssets();
std::int32_t GetAssetCount();
// 0 (and an error) for an index outside the list.
std::int32_t GetAsset(std::int32_t index);

void Clear();

// Drops the selected assets of the category (and those that are not the character's own).
void DeselectCategory(const DataContainer* category, const CharacterData* character);
// The number of selected assets of the category; -1 for a null argument.
std::int32_t GetAssetCountOfCategory(const DataContainer* category, const CharacterData* character);
} // namespace ZANRET::Selection2
