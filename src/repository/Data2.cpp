#include "repository/Data2.h"

#include "repository/Debug.h"
#include "repository/Fields.h"

#include <cstddef>
#include <limits>
#include <memory>
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

// Appends an element the store then owns; its index.
template <typename Element>
std::int32_t Append(std::vector<Element*>& elements, std::unique_ptr<Element> element)
{
    elements.push_back(element.get());
    element.release();
    return static_cast<std::int32_t>(elements.size()) - 1;
}

// Taken out of the store before it is destroyed, as Reset does.
template <typename Element> void DiscardLast(std::vector<Element*>& elements)
{
    if (elements.empty())
        return;
    Element* last = elements.back();
    elements.pop_back();
    delete last;
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
                       const wchar_t* invalidArgument)
{
    if (!id)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, invalidArgument);
        return nullptr;
    }
    for (Element* element : elements)
    {
        if (Fields::Same(Fields::Value(element, L"id"), id))
            return element;
    }
    return nullptr;
}
} // namespace

std::int32_t AddCharacter()
{
    std::unique_ptr<CharacterData> character(new (std::nothrow) CharacterData());
    if (!character)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Could not get memory for CharacterData!");
        return -1;
    }
    return Append(S().characters, std::move(character));
}

std::int32_t AddCharacterWithId(const wchar_t* name, const wchar_t* id, const wchar_t* url)
{
    std::unique_ptr<CharacterData> character(new (std::nothrow) CharacterData());
    if (!character)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Could not get memory for CharacterData!");
        return -1;
    }
    character->SetData(L"id", id);
    character->SetData(L"name", name);
    character->SetData(L"url", url);
    CharacterData* added = character.get();
    const std::int32_t index = Append(S().characters, std::move(character));
    GetUnique(added);
    return index;
}

std::int32_t AddGlobalAsset()
{
    std::unique_ptr<DataContainer> asset(new (std::nothrow) DataContainer());
    if (!asset)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Could not get memory for GlobalAsset!");
        return -1;
    }
    return Append(S().globalAssets, std::move(asset));
}

void DiscardLastCharacter()
{
    DiscardLast(S().characters);
}

void DiscardLastGlobalAsset()
{
    DiscardLast(S().globalAssets);
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
    return ElementWithId(S().characters, id, L"Data2::GetCharacter: invalid argument");
}

std::int32_t GetGlobalAssetCount()
{
    return static_cast<std::int32_t>(S().globalAssets.size());
}

DataContainer* GetGlobalAsset(std::int32_t index)
{
    return ElementAt(S().globalAssets, index, L"Data2::GetGlobalAsset: index out of range");
}

DataContainer* GetGlobalAssetById(const wchar_t* id)
{
    return ElementWithId(S().globalAssets, id, L"Data2::GetGlobalAssetById: invalid argument");
}

DataContainer* GetGlobalAssetOf(const DataContainer* element)
{
    if (!element)
        return nullptr;
    const wchar_t* globalId = Fields::Value(element, L"globalID");
    return globalId ? GetGlobalAssetById(globalId) : nullptr;
}

bool CheckAssetGlobal(const DataContainer* element)
{
    return element && Fields::Same(Fields::Value(element, L"type"), L"global");
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
} // namespace ZANRET::Data2
