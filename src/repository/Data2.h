#pragma once
// The repository store: every loaded character and global asset, the unique ids that identify
// elements to the window and the commands, and the check of the loaded data against the disk.
// Returned pointers are borrowed and stay valid until the next Reset.

#include "repository/CharacterData.h"
#include "repository/DataContainer.h"

#include <cstdint>

namespace ZANRET::Data2
{
// Building the store (the catalogue reader). Indices, or -1 when nothing could be made.
std::int32_t AddCharacter();
std::int32_t AddCharacterWithId(const wchar_t* name, const wchar_t* id, const wchar_t* url);
std::int32_t AddGlobalAsset();
DataContainer* AddMaterialToGlobalaAsset(DataContainer* asset);
void RegisterID(DataContainer* element);
// Destroys the last character or global asset: the reader's way out of one it could not finish.
void DiscardLastCharacter();
void DiscardLastGlobalAsset();

// Reading the store.
std::int32_t GetCharacterCount();
CharacterData* GetCharacter(std::int32_t index);
CharacterData* GetCharacter(const wchar_t* id);
std::int32_t GetGlobalAssetCount();
DataContainer* GetGlobalAsset(std::int32_t index);
DataContainer* GetGlobalAssetById(const wchar_t* id);
DataContainer* GetGlobalAssetOf(const DataContainer* element);
bool CheckAssetGlobal(const DataContainer* element);
// Outputs are left as they were when nothing matches.
bool GetGlobalAssetAndMaterial(std::int32_t unique, DataContainer** asset, DataContainer** material);

// Unique ids: 1010, 1020, ... from the last Reset on; 0 means none.
std::int32_t GetUnique(DataContainer* element);
const wchar_t* GetIdOfUnique(std::int32_t unique);
bool IsGlobalAssetUnique(std::int32_t unique);
std::int32_t NextUnique();
// Drops the unique id of an element that is being destroyed, so that no id leads to freed memory
// and a later element at the same address gets an id of its own. Called by ~DataContainer.
void ForgetElement(const DataContainer* element);

// Lifecycle and validation against the disk (needs the settings object). What validation cannot
// confirm, also for want of memory, it marks not available.
void Reset();
bool IsValid();
void SetValid(bool valid);
void Validate();
void ValidateGlobalAssets();
void ValidateCharacter(CharacterData* character);
bool ValidateElement(DataContainer* element, const wchar_t* characterFolder);
bool DirectoryExists(const wchar_t* path);
} // namespace ZANRET::Data2
