#include "repository/Data2.h"

#include "repository/Debug.h"
#include "repository/Fields.h"
#include "repository/FolderCheck.h"
#include "repository/ParallelValidation.h"
#include "repository/RepositoryLayout.h"
#include "repository/Settings.h"

#include "win32/fileapi.h"

#include <cstddef>
#include <limits>
#include <new>
#include <vector>

namespace ZANRET::Data2
{
namespace
{
constexpr std::int32_t kFirstCounter = 1000;
constexpr std::int32_t kUniqueStep = 10;

struct Store
{
    std::vector<CharacterData*> characters;
    std::vector<DataContainer*> globalAssets;
    // The element of each unique id handed out since the last Reset, null once it is forgotten;
    // every element knows its own id (DataContainer::Registration).
    std::vector<DataContainer*> uniqueToElement;
    std::uint32_t generation = 1;
    std::int32_t uniqueCounter = kFirstCounter;
    bool dataValid = false;

    ~Store();
};

// Elements may outlive the store at process exit (a static element, say); they must not touch it then.
bool storeDestroyed = false;

Store::~Store()
{
    storeDestroyed = true;
    // Normally Reset has emptied the store already (the plug-in's stop runs it).
    for (CharacterData* character : characters)
        delete character;
    for (DataContainer* asset : globalAssets)
        delete asset;
}

Store& S()
{
    static Store store;
    return store;
}

// Where a unique id's element is kept, or -1 for a number that is no unique id.
std::ptrdiff_t SlotOf(std::int32_t unique)
{
    if (unique <= kFirstCounter || (unique - kFirstCounter) % kUniqueStep != 0)
        return -1;
    const auto slot = static_cast<std::size_t>((unique - kFirstCounter) / kUniqueStep - 1);
    return slot < S().uniqueToElement.size() ? static_cast<std::ptrdiff_t>(slot) : -1;
}

DataContainer* ElementOfUnique(std::int32_t unique)
{
    const std::ptrdiff_t slot = SlotOf(unique);
    return slot < 0 ? nullptr : S().uniqueToElement[static_cast<std::size_t>(slot)];
}

// Characters and global assets are looked up alike; only the messages differ.
template <typename Element>
Element* ElementAt(const std::vector<Element*>& elements, std::int32_t index, const wchar_t* outOfRange)
{
    if (index < 0 || index >= static_cast<std::int32_t>(elements.size()))
    {
        Debug::AddDebugMessage(DEBUG_ERROR, outOfRange);
        return nullptr;
    }
    return elements[static_cast<std::size_t>(index)];
}

template <typename Element>
Element* ElementWithId(const std::vector<Element*>& elements, const wchar_t* id,
                       const wchar_t* invalidArgument, Debug::MessageList* kept)
{
    if (!id)
    {
        Debug::AddDebugMessage(kept, DEBUG_ERROR, invalidArgument);
        return nullptr;
    }
    for (Element* element : elements)
    {
        if (Fields::Same(Fields::Value(element, L"id", kept), id))
            return element;
    }
    return nullptr;
}
} // namespace

std::int32_t AddCharacter()
{
    auto* character = new (std::nothrow) CharacterData();
    if (!character)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Could not get memory for CharacterData!");
        return -1;
    }
    S().characters.push_back(character);
    return static_cast<std::int32_t>(S().characters.size()) - 1;
}

std::int32_t AddCharacterWithId(const wchar_t* name, const wchar_t* id, const wchar_t* url)
{
    auto* character = new (std::nothrow) CharacterData();
    if (!character)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Could not get memory for CharacterData!");
        return -1;
    }
    character->SetData(L"id", id);
    character->SetData(L"name", name);
    character->SetData(L"url", url);
    S().characters.push_back(character);
    GetUnique(character);
    return static_cast<std::int32_t>(S().characters.size()) - 1;
}

std::int32_t AddGlobalAsset()
{
    auto* asset = new (std::nothrow) DataContainer();
    if (!asset)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Could not get memory for GlobalAsset!");
        return -1;
    }
    S().globalAssets.push_back(asset);
    return static_cast<std::int32_t>(S().globalAssets.size()) - 1;
}

DataContainer* AddMaterialToGlobalaAsset(DataContainer* asset)
{
    if (!asset)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Data2::AddMaterialToGlobalaAsset: could not get asset element");
        return nullptr;
    }
    auto* material = new DataContainer();
    asset->AddChild(material);
    return material;
}

void RegisterID(DataContainer* element)
{
    if (!element)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Data2::RegisterID: invalid argument");
        return;
    }
    GetUnique(element);
}

StoreMark MarkStore()
{
    const Store& store = S();
    return {store.characters.size(), store.globalAssets.size(), store.uniqueToElement.size(),
            store.uniqueCounter, store.generation};
}

void RollBackTo(const StoreMark& mark)
{
    Store& store = S();
    if (store.generation != mark.generation)
        return;
    // Taken out of the store first, as Reset does.
    std::vector<CharacterData*> characters(
        store.characters.begin() + static_cast<std::ptrdiff_t>(mark.characters), store.characters.end());
    store.characters.resize(mark.characters);
    for (CharacterData* character : characters)
        delete character;
    std::vector<DataContainer*> globalAssets(store.globalAssets.begin() +
                                                 static_cast<std::ptrdiff_t>(mark.globalAssets),
                                             store.globalAssets.end());
    store.globalAssets.resize(mark.globalAssets);
    for (DataContainer* asset : globalAssets)
        delete asset;
    store.uniqueToElement.resize(mark.uniques);
    store.uniqueCounter = mark.uniqueCounter;
}

std::int32_t GetCharacterCount()
{
    return static_cast<std::int32_t>(S().characters.size());
}

CharacterData* GetCharacter(std::int32_t index)
{
    return ElementAt(S().characters, index, L"Data2::GetCharacter: index out of range");
}

CharacterData* GetCharacter(const wchar_t* id)
{
    return ElementWithId(S().characters, id, L"Data2::GetCharacter: invalid argument", nullptr);
}

std::int32_t GetGlobalAssetCount()
{
    return static_cast<std::int32_t>(S().globalAssets.size());
}

DataContainer* GetGlobalAsset(std::int32_t index)
{
    return ElementAt(S().globalAssets, index, L"Data2::GetGlobalAsset: index out of range");
}

DataContainer* GetGlobalAssetById(const wchar_t* id, Debug::MessageList* kept)
{
    return ElementWithId(S().globalAssets, id, L"Data2::GetGlobalAssetById: invalid argument", kept);
}

DataContainer* GetGlobalAssetOf(const DataContainer* element, Debug::MessageList* kept)
{
    if (!element)
        return nullptr;
    const wchar_t* globalId = Fields::Value(element, L"globalID", kept);
    return globalId ? GetGlobalAssetById(globalId, kept) : nullptr;
}

bool CheckAssetGlobal(const DataContainer* element, Debug::MessageList* kept)
{
    return element && Fields::Same(Fields::Value(element, L"type", kept), L"global");
}

bool GetGlobalAssetAndMaterial(std::int32_t unique, DataContainer** asset, DataContainer** material)
{
    for (DataContainer* globalAsset : S().globalAssets)
    {
        if (GetUnique(globalAsset) == unique)
        {
            if (asset)
                *asset = globalAsset;
            if (material)
                *material = nullptr;
            return true;
        }
        for (std::int32_t i = 0; i < globalAsset->GetChildCount(); ++i)
        {
            DataContainer* child = globalAsset->GetChild(i);
            if (GetUnique(child) == unique)
            {
                if (asset)
                    *asset = globalAsset;
                if (material)
                    *material = child;
                return true;
            }
        }
    }
    return false;
}

std::int32_t GetUnique(DataContainer* element)
{
    if (!element)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Data2::GetUnique: invalid argument");
        return 0;
    }
    Store& store = S();
    DataContainer::Registration& registration = element->registration;
    if (registration.generation == store.generation)
        return registration.unique;
    if (store.uniqueCounter > std::numeric_limits<std::int32_t>::max() - kUniqueStep)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Data2::GetUnique: no unique id left");
        return 0;
    }
    const std::int32_t unique = store.uniqueCounter + kUniqueStep;
    // Ids that NextUnique handed out name no element.
    store.uniqueToElement.resize(static_cast<std::size_t>((unique - kFirstCounter) / kUniqueStep - 1),
                                 nullptr);
    store.uniqueToElement.push_back(element);
    store.uniqueCounter = unique;
    registration = {unique, store.generation};
    return unique;
}

const wchar_t* GetIdOfUnique(std::int32_t unique)
{
    const DataContainer* element = ElementOfUnique(unique);
    return element ? Fields::Value(element, L"id") : nullptr;
}

bool IsGlobalAssetUnique(std::int32_t unique)
{
    const DataContainer* element = ElementOfUnique(unique);
    if (!element)
        return false;
    for (const DataContainer* asset : S().globalAssets)
    {
        if (asset == element)
            return true;
    }
    return false;
}

std::int32_t NextUnique()
{
    if (S().uniqueCounter > std::numeric_limits<std::int32_t>::max() - kUniqueStep)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Data2::NextUnique: no unique id left");
        return 0;
    }
    S().uniqueCounter += kUniqueStep;
    return S().uniqueCounter;
}

void ForgetElement(const DataContainer* element)
{
    if (storeDestroyed || !element)
        return;
    Store& store = S();
    if (element->registration.generation != store.generation)
        return;
    const std::ptrdiff_t slot = SlotOf(element->registration.unique);
    if (slot >= 0)
        store.uniqueToElement[static_cast<std::size_t>(slot)] = nullptr;
    element->registration = {};
}

void Reset()
{
    Store& store = S();
    // Taken out of the store first, so that the destructors see a consistent store.
    std::vector<CharacterData*> characters;
    characters.swap(store.characters);
    for (CharacterData* character : characters)
        delete character;
    std::vector<DataContainer*> globalAssets;
    globalAssets.swap(store.globalAssets);
    for (DataContainer* asset : globalAssets)
        delete asset;
    store.uniqueToElement.clear();
    ++store.generation;
    store.uniqueCounter = kFirstCounter;
    store.dataValid = false;
}

namespace
{
// A folder outside the repository is not there for validation, whatever the disk holds: a
// catalogue must not make the system look elsewhere.
bool RepositoryFolderExists(const wchar_t* repositoryPath, const std::wstring& path)
{
    return repositoryPath && RepositoryLayout::StaysInRepository(repositoryPath, path) &&
           DirectoryExists(path.c_str());
}

// Visits the elements of a list in order. Validation waits for the file system at each element,
// and meanwhile the processor fetches what the next one needs: the model is cold by then, and
// fetching it on demand costs as much again as the rest of the work.
template <typename Visit>
void ForEachElement(const CharacterData* character, CharacterData::CONTAINER list, Visit visit)
{
    const std::int32_t count = character->GetCount(list);
    for (std::int32_t i = 0; i < count; ++i)
    {
        if (i + 2 < count)
            __builtin_prefetch(character->GetContainerElement(list, i + 2));
        if (i + 1 < count)
            character->GetContainerElement(list, i + 1)->PrefetchData();
        visit(character->GetContainerElement(list, i));
    }
}

// The folder rule for one element of a character.
bool ElementAvailable(DataContainer* element, FolderCheck& folders, Debug::MessageList* kept)
{
    if (!element)
        return false;
    const wchar_t* folder = Fields::Value(element, L"folder", kept);
    const bool available = folder && folders.Exists(Settings::GetPath(kept), folder);
    if (!available)
        Debug::AddDebugMessage(kept, DEBUG_INFO, L"set element invalid...");
    element->SetFastFlag(DataContainer::AVAILABLE, available);
    return available;
}

// A character and its elements against the disk. It only reads the store and the settings and
// writes the flags of its own elements, so that characters can be checked on several threads at
// once, each with a list for its messages.
void CheckCharacter(CharacterData* character, Debug::MessageList* kept)
{
    if (!character)
        return;
    const wchar_t* characterFolder = Fields::Value(character, L"folder", kept);
    if (!characterFolder || !RepositoryFolderExists(Settings::GetPath(kept), characterFolder))
    {
        character->SetFastFlag(DataContainer::AVAILABLE, false);
        return;
    }
    character->SetFastFlag(DataContainer::AVAILABLE, true);
    FolderCheck folders(RepositoryLayout::ElementFolder(characterFolder, L""));
    const auto validate = [&folders, kept](DataContainer* element)
    { ElementAvailable(element, folders, kept); };
    ForEachElement(character, CharacterData::CLOTH, validate);
    ForEachElement(character, CharacterData::POSES, validate);
    ForEachElement(character, CharacterData::ASSETS,
                   [&folders, kept](DataContainer* asset)
                   {
                       if (CheckAssetGlobal(asset, kept))
                       {
                           // An unresolved reference keeps the flag it has.
                           if (const DataContainer* globalAsset = GetGlobalAssetOf(asset, kept))
                               asset->SetFastFlag(DataContainer::AVAILABLE,
                                                  globalAsset->GetFastFlag(DataContainer::AVAILABLE));
                       }
                       else
                       {
                           ElementAvailable(asset, folders, kept);
                       }
                   });
}
} // namespace

bool IsValid()
{
    return S().dataValid;
}

void SetValid(bool valid)
{
    if (valid)
        Validate();
    S().dataValid = valid;
}

void Validate()
{
    ValidateOnThreads(ParallelValidation::ThreadsFor(S().characters.size()));
}

void ValidateOnThreads(unsigned threads)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"validate data...");
    // The characters' references copy the flags of the global assets: these come first.
    ValidateGlobalAssets();
    ParallelValidation::CheckCharacters(S().characters, threads, CheckCharacter);
}

void ValidateGlobalAssets()
{
    for (DataContainer* asset : S().globalAssets)
    {
        const wchar_t* folder = Fields::Value(asset, L"folder");
        const wchar_t* repositoryPath = folder ? Settings::GetPath() : nullptr;
        const std::wstring path =
            repositoryPath ? RepositoryLayout::GlobalAssetFolder(repositoryPath, folder) : std::wstring();
        const bool available = RepositoryFolderExists(repositoryPath, path);
        if (!available)
            Debug::AddDebugMessage(DEBUG_INFO, L"set global asset invalid...");
        asset->SetFastFlag(DataContainer::AVAILABLE, available);
    }
}

void ValidateCharacter(CharacterData* character)
{
    CheckCharacter(character, nullptr);
}

bool ValidateElement(DataContainer* element, const wchar_t* characterFolder)
{
    if (!element || !characterFolder)
        return false;
    FolderCheck folders(RepositoryLayout::ElementFolder(characterFolder, L""));
    return ElementAvailable(element, folders, nullptr);
}

bool DirectoryExists(const wchar_t* path)
{
    if (!path)
        return false;
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
} // namespace ZANRET::Data2
