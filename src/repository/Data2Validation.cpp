// The store's check of its elements against the folders on disk. It writes only the availability
// flags; what it cannot confirm, also for want of memory, is not available.

#include "repository/Data2.h"

#include "repository/Debug.h"
#include "repository/Fields.h"
#include "repository/FolderCheck.h"
#include "repository/RepositoryFiles.h"
#include "repository/RepositoryLayout.h"
#include "repository/Settings.h"

#include "win32/fileapi.h"

#include <new>

namespace ZANRET::Data2
{
namespace
{
// The folder rule for one element of a character.
bool ElementAvailable(DataContainer* element, FolderCheck& folders)
{
    if (!element)
        return false;
    const wchar_t* folder = Fields::Value(element, L"folder");
    const bool available = folder && folders.Exists(Settings::GetPath(), folder);
    if (!available)
        Debug::AddDebugMessage(DEBUG_INFO, L"set element invalid...");
    element->SetFastFlag(DataContainer::AVAILABLE, available);
    return available;
}

template <typename Visit>
void ForEachElement(CharacterData* character, CharacterData::CONTAINER list, Visit visit)
{
    for (std::int32_t i = 0; i < character->GetCount(list); ++i)
        visit(character->GetContainerElement(list, i));
}

void CheckCharacter(CharacterData* character)
{
    const wchar_t* characterFolder = Fields::Value(character, L"folder");
    if (!characterFolder || !RepositoryFiles::FolderExists(Settings::GetPath(), characterFolder))
    {
        character->SetFastFlag(DataContainer::AVAILABLE, false);
        return;
    }
    character->SetFastFlag(DataContainer::AVAILABLE, true);
    // Every element's folder is tested through one path, reused.
    FolderCheck folders(RepositoryLayout::ElementFolder(characterFolder, L""));
    const auto validate = [&folders](DataContainer* element) { ElementAvailable(element, folders); };
    ForEachElement(character, CharacterData::CLOTH, validate);
    ForEachElement(character, CharacterData::POSES, validate);
    ForEachElement(character, CharacterData::ASSETS,
                   [&folders](DataContainer* asset)
                   {
                       if (!CheckAssetGlobal(asset))
                           ElementAvailable(asset, folders);
                       // An unresolved reference keeps the flag it has.
                       else if (const DataContainer* globalAsset = GetGlobalAssetOf(asset))
                           asset->SetFastFlag(DataContainer::AVAILABLE,
                                              globalAsset->GetFastFlag(DataContainer::AVAILABLE));
                   });
}
} // namespace

void Validate()
{
    Debug::AddDebugMessage(DEBUG_INFO, L"validate data...");
    // The characters' references copy the flags of the global assets: these come first.
    ValidateGlobalAssets();
    for (std::int32_t i = 0; i < GetCharacterCount(); ++i)
        ValidateCharacter(GetCharacter(i));
}

void ValidateGlobalAssets()
{
    for (std::int32_t i = 0; i < GetGlobalAssetCount(); ++i)
    {
        DataContainer* asset = GetGlobalAsset(i);
        bool available = false;
        try
        {
            const wchar_t* folder = Fields::Value(asset, L"folder");
            const wchar_t* repositoryPath = folder ? Settings::GetPath() : nullptr;
            available = repositoryPath &&
                        RepositoryFiles::FolderExists(
                            repositoryPath, RepositoryLayout::GlobalAssetFolder(repositoryPath, folder));
        }
        catch (const std::bad_alloc&)
        {
        }
        if (!available)
            Debug::AddDebugMessage(DEBUG_INFO, L"set global asset invalid...");
        asset->SetFastFlag(DataContainer::AVAILABLE, available);
    }
}

void ValidateCharacter(CharacterData* character)
{
    if (!character)
        return;
    try
    {
        CheckCharacter(character);
    }
    catch (const std::bad_alloc&)
    {
        // Its elements are not offered while the character is not.
        character->SetFastFlag(DataContainer::AVAILABLE, false);
    }
}

bool ValidateElement(DataContainer* element, const wchar_t* characterFolder)
{
    if (!element || !characterFolder)
        return false;
    try
    {
        FolderCheck folders(RepositoryLayout::ElementFolder(characterFolder, L""));
        return ElementAvailable(element, folders);
    }
    catch (const std::bad_alloc&)
    {
        element->SetFastFlag(DataContainer::AVAILABLE, false);
        return false;
    }
}

bool DirectoryExists(const wchar_t* path)
{
    if (!path)
        return false;
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
} // namespace ZANRET::Data2
