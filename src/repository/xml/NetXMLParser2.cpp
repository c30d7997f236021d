#include "repository/xml/NetXMLParser2.h"

#include "repository/AssetMatrixFields.h"
#include "repository/AssetMatrixIds.h"
#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/RepositoryFiles.h"
#include "repository/RepositoryLayout.h"
#include "repository/xml/XmlAttributeFields.h"
#include "repository/xml/XmlDocument.h"
#include "win32/text.h"

#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace ZANRET
{
namespace
{
// The "matrix" elements of a character's "AssetMatrix" are many: the document keeps them as records
// of the fields an entry takes.
constexpr const char* kMatrixPath[] = {"zanret", "character", "AssetMatrix", "matrix"};
constexpr XmlRecordRule kMatrixRecords{kMatrixPath, AssetMatrixFields::kNames};

// The field's text, or empty when the element lacks it (without the missing-field warnings).
std::wstring FieldOrEmpty(const DataContainer* element, const wchar_t* field)
{
    bool found = false;
    const wchar_t* value = element->CheckDatafield(field) ? element->GetData(field, &found) : nullptr;
    return found && value ? std::wstring(value) : std::wstring();
}

const XmlNode* NextElementNamed(const XmlNode* node, const char* name)
{
    while (node && !Xml::HasName(node, name))
        node = Xml::NextSiblingElement(node);
    return node;
}

// The child elements of a node that have exactly this name, in document order.
const XmlNode* FirstChildNamed(const XmlNode* node, const char* name)
{
    return NextElementNamed(Xml::FirstChildElement(node), name);
}

const XmlNode* NextSiblingNamed(const XmlNode* node, const char* name)
{
    return NextElementNamed(Xml::NextSiblingElement(node), name);
}

// Appends a new element with the node's attributes to a list; its index, or -1 when none was made.
std::int32_t AddListElement(CharacterData* character, CharacterData::CONTAINER list, const XmlNode* node)
{
    const std::int32_t index = character->AddContainerElement(list);
    DataContainer* element = character->GetContainerElement(list, index);
    if (!element)
        return -1;
    NetXMLParser2::CopyAllAttributes(element, node);
    return index;
}

// The sub-list of a cloth that an element below "clothing" goes to; -1 for any other name.
int ClothChildOf(const XmlNode* entry)
{
    if (Xml::HasName(entry, "material"))
        return CharacterData::MATERIAL;
    if (Xml::HasName(entry, "exclude"))
        return CharacterData::EXCLUDE;
    if (Xml::HasName(entry, "select"))
        return CharacterData::SELECT;
    return -1;
}
} // namespace

bool NetXMLParser2::ParseRepositoryXML(const wchar_t* folder)
{
    if (!folder)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"ParseRepositoryXML: invalid argument");
        return false;
    }
    Debug::AddDebugMessage(DEBUG_INFO, L"Parse Folder:");
    Debug::AddDebugMessage(DEBUG_INFO, folder);
    // Without memory the call ends here; an element it was making is not left half-made.
    try
    {
        const std::wstring path = RepositoryLayout::CatalogueFile(folder);
        if (!RepositoryFiles::FileExists(path))
        {
            Debug::AddDebugMessage(
                DEBUG_INFO, L"ParseRepositoryXML: XML file \"zanret.xml\" does not exist in this folder:");
            Debug::AddDebugMessage(DEBUG_INFO, folder);
            return false;
        }
        // The whole document is parsed before anything is taken over. A file that cannot be read
        // is answered like a malformed one.
        XmlDocument document;
        if (!document.LoadFile(path.c_str(), &kMatrixRecords))
        {
            Debug::AddDebugMessage(DEBUG_INFO, L"ParseRepositoryXML: invalid character.xml");
            return false;
        }
        const XmlNode* root = document.SelectRoot("zanret");
        if (!root)
        {
            Debug::AddDebugMessage(DEBUG_INFO, L"ParseRepositoryXML: invalid XML structure (zanret)");
            return false;
        }
        for (const XmlNode* child = Xml::FirstChildElement(root); child;
             child = Xml::NextSiblingElement(child))
            ParseRepositoryElement(child, folder);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"ParseRepositoryXML: could not get memory");
        return false;
    }
}

bool NetXMLParser2::ParseRepositoryElement(const XmlNode* node, const wchar_t* folder)
{
    if (!node || !folder)
        return false;
    if (Xml::HasName(node, "character"))
        return ParseCharacter(node, folder);
    if (Xml::HasName(node, "globalAssets"))
        return ParseGlobalAssets(node);
    return false;
}

bool NetXMLParser2::ParseGlobalAssets(const XmlNode* node)
{
    if (!node)
        return false;
    for (const XmlNode* child = Xml::FirstChildElement(node); child; child = Xml::NextSiblingElement(child))
        ParseGlobalAsset(child);
    return true;
}

bool NetXMLParser2::ParseGlobalAsset(const XmlNode* node)
{
    if (!node)
        return false;
    if (!Xml::HasName(node, "asset"))
        return true;
    const std::int32_t index = Data2::AddGlobalAsset();
    if (index == -1)
        return false;
    DataContainer* asset = Data2::GetGlobalAsset(index);
    if (!asset)
        return false;
    try
    {
        CopyAllAttributes(asset, node);
        for (const XmlNode* child = Xml::FirstChildElement(node); child;
             child = Xml::NextSiblingElement(child))
        {
            if (DataContainer* material = Data2::AddMaterialToGlobalaAsset(asset))
                CopyAllAttributes(material, child);
        }
    }
    catch (const std::bad_alloc&)
    {
        Data2::DiscardLastGlobalAsset();
        throw;
    }
    return true;
}

bool NetXMLParser2::ParseCharacter(const XmlNode* node, const wchar_t* folder)
{
    if (!node || !folder || !Xml::IsElement(node) || !Xml::HasName(node, "character"))
        return false;
    std::wstring relativeFolder;
    if (!Xml::GetAttribute(node, "folder", relativeFolder))
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"ParseCharacter: invalid XML structure (folder)");
        return false;
    }
    if (!RepositoryFiles::FolderExists(folder,
                                       RepositoryLayout::CharacterPreviewsFolder(folder, relativeFolder)))
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"ParseCharacter: subfolder \"previews\" does not exist");
        return false;
    }
    if (!RepositoryFiles::FolderExists(folder, RepositoryLayout::CharacterSkinFolder(folder, relativeFolder)))
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"ParseCharacter: subfolder \"skin\" does not exist");
        return false;
    }
    const std::int32_t index = Data2::AddCharacter();
    if (index == -1)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"ParseCharacter: could not get new CharacterData");
        return false;
    }
    CharacterData* character = Data2::GetCharacter(index);
    if (!character)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"ParseXML: could not get new CharacterData (2)");
        return false;
    }
    try
    {
        // The character takes its unique id before any of its elements.
        CopyAllAttributes(character, node);
        character->SetData(L"folder", RepositoryLayout::CharacterFolder(folder, relativeFolder).c_str());
        for (const XmlNode* child = Xml::FirstChildElement(node); child;
             child = Xml::NextSiblingElement(child))
            ParseXmlElement(child, character);
        SetClothAvailability(character, folder);
        character->ValidateCloths();
        character->SortClothsAlphabetically();
    }
    catch (const std::bad_alloc&)
    {
        Data2::DiscardLastCharacter();
        throw;
    }
    return true;
}

void NetXMLParser2::CopyAllAttributes(DataContainer* element, const XmlNode* node)
{
    if (!element)
        return;
    const XmlAttributeFields attributes(node);
    element->SetData(attributes.Fields(), attributes.Count());
    Data2::RegisterID(element);
}

void NetXMLParser2::SetBaseCategoryName(const XmlNode* node, CharacterData* character,
                                        CharacterData::CONTAINER list)
{
    if (!node || !character)
        return;
    if (list != CharacterData::SKINS && list != CharacterData::CLOTH && list != CharacterData::POSES)
        return;
    std::wstring name;
    if (!Xml::GetAttribute(node, "name", name))
        return;
    // A repeated section replaces the caption rather than running two names together.
    character->ClearContainerName(list);
    character->SetContainerName(list, name.c_str());
}

void NetXMLParser2::ParseXmlElement(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    struct Section
    {
        const char* name;
        const wchar_t* message;
        void (*handle)(const XmlNode*, CharacterData*);
    };
    static const Section sections[] = {
        {"skins", L"handle skins", &HandleSkins},
        {"cloth", L"handle cloth", &HandleCloth},
        {"poses", L"handle poses", &HandlePoses},
        {"categories", L"handle categories", &HandleCategories},
        {"assets", L"handle assets", &HandleAssets},
        {"AssetMatrix", L"handle AssetMatrix", &HandleAssetMatrix},
    };
    for (const Section& section : sections)
    {
        if (Xml::HasName(node, section.name))
        {
            Debug::AddDebugMessage(DEBUG_INFO, section.message);
            section.handle(node, character);
            return;
        }
    }
}

void NetXMLParser2::HandleSkins(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    SetBaseCategoryName(node, character, CharacterData::SKINS);
    for (const XmlNode* skin = FirstChildNamed(node, "skin"); skin; skin = NextSiblingNamed(skin, "skin"))
        AddListElement(character, CharacterData::SKINS, skin);
}

void NetXMLParser2::HandleCloth(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    SetBaseCategoryName(node, character, CharacterData::CLOTH);
    for (const XmlNode* clothing = FirstChildNamed(node, "clothing"); clothing;
         clothing = NextSiblingNamed(clothing, "clothing"))
    {
        const std::int32_t index = AddListElement(character, CharacterData::CLOTH, clothing);
        if (index < 0)
            continue;
        for (const XmlNode* entry = Xml::FirstChildElement(clothing); entry;
             entry = Xml::NextSiblingElement(entry))
        {
            const int list = ClothChildOf(entry);
            if (list < 0)
                continue;
            const auto which = static_cast<CharacterData::CLOTH_CHILD>(list);
            CopyAllAttributes(character->AddChildToClothContainer(index, which), entry);
        }
    }
}

void NetXMLParser2::SetClothAvailability(CharacterData* character, const wchar_t* folder)
{
    // After all sections, as only the character knows the repository folder. A cloth without a
    // folder has nothing on disk to find; one whose folder climbs out of the repository is not there.
    const std::wstring characterFolder = FieldOrEmpty(character, L"folder");
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::CLOTH); ++i)
    {
        DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, i);
        const bool available =
            cloth->CheckDatafield(L"folder") &&
            RepositoryFiles::FolderExists(
                folder, RepositoryLayout::ElementFolder(characterFolder, FieldOrEmpty(cloth, L"folder")));
        cloth->SetData(L"available", available ? L"available" : L"notavailable");
    }
}

void NetXMLParser2::HandlePoses(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    SetBaseCategoryName(node, character, CharacterData::POSES);
    for (const XmlNode* pose = FirstChildNamed(node, "pose"); pose; pose = NextSiblingNamed(pose, "pose"))
    {
        const std::int32_t index = AddListElement(character, CharacterData::POSES, pose);
        if (index < 0)
            continue;
        for (const XmlNode* entry = Xml::FirstChildElement(pose); entry;
             entry = Xml::NextSiblingElement(entry))
            CopyAllAttributes(character->AddMandatoryElement(index), entry);
    }
}

void NetXMLParser2::HandleCategories(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    for (const XmlNode* category = FirstChildNamed(node, "category"); category;
         category = NextSiblingNamed(category, "category"))
        AddListElement(character, CharacterData::CATEGORIES, category);
}

void NetXMLParser2::HandleAssets(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    for (const XmlNode* asset = FirstChildNamed(node, "asset"); asset;
         asset = NextSiblingNamed(asset, "asset"))
    {
        const std::int32_t index = AddListElement(character, CharacterData::ASSETS, asset);
        if (index < 0)
            continue;
        for (const XmlNode* entry = Xml::FirstChildElement(asset); entry;
             entry = Xml::NextSiblingElement(entry))
            CopyAllAttributes(character->AddMaterialToAsset(index), entry);
    }
}

void NetXMLParser2::HandleAssetMatrix(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    // Each record goes straight into its entry; its ids are converted once per section.
    using namespace AssetMatrixFields;
    AssetMatrixIds places;
    std::vector<AssetMatrixRecord> entries;
    // Records come in runs of one asset.
    std::string_view asset;
    std::uint32_t assetPlace = 0;
    for (const XmlRecord* record = Xml::FirstRecord(node); record; record = record->next)
    {
        bool given[FIELD_COUNT];
        for (int field = 0; field < FIELD_COUNT; ++field)
            given[field] = record->Given(field);
        if (!Announce(given))
            continue;
        if (entries.empty() || record->Text(ASSET_ID) != asset)
        {
            asset = record->Text(ASSET_ID);
            assetPlace = places.Place(asset);
        }
        AssetMatrixRecord entry{places.Place(record->Text(POSE_ID)), assetPlace, {}};
        for (int i = 0; i < kValueCount; ++i)
        {
            if (given[XPOS + i])
                entry.values[i] = Number(record->Text(XPOS + i));
        }
        entries.push_back(entry);
    }
    std::vector<std::wstring> ids;
    ids.reserve(places.Texts().size());
    for (const std::string_view text : places.Texts())
        ids.push_back(win32::Utf8ToWide(text));
    character->AddAssetMatrixEntries(ids, entries);
}
} // namespace ZANRET
