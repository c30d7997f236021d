#include "repository/xml/NetXMLParser2.h"

#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/RepositoryLayout.h"
#include "repository/xml/XmlDocument.h"
#include "win32/fileapi.h"

#include <string>

namespace ZANRET
{
namespace
{
bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The field's text, or empty when the element lacks it (without the missing-field warnings).
std::wstring FieldOrEmpty(const DataContainer* element, const wchar_t* field)
{
    bool found = false;
    const wchar_t* value = element->CheckDatafield(field) ? element->GetData(field, &found) : nullptr;
    return found && value ? std::wstring(value) : std::wstring();
}

// Calls read(child) for every child element of the node with exactly that name.
template <typename Read> void ForEachChildNamed(const XmlNode* node, const char* name, Read read)
{
    for (const XmlNode* child = Xml::FirstChildElement(node); child; child = Xml::NextSiblingElement(child))
    {
        if (Xml::HasName(child, name))
            read(child);
    }
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

    const std::wstring path = RepositoryLayout::CatalogueFile(folder);
    if (!FileExists(path))
    {
        Debug::AddDebugMessage(DEBUG_INFO,
                               L"ParseRepositoryXML: XML file \"zanret.xml\" does not exist in this folder:");
        Debug::AddDebugMessage(DEBUG_INFO, folder);
        return false;
    }
    // A file that cannot be read is answered like a malformed one.
    XmlDocument document;
    if (!document.LoadFile(path.c_str()))
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
    for (const XmlNode* child = Xml::FirstChildElement(root); child; child = Xml::NextSiblingElement(child))
        ParseRepositoryElement(child, folder);
    return true;
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
    CopyAllAttributes(asset, node);
    for (const XmlNode* child = Xml::FirstChildElement(node); child; child = Xml::NextSiblingElement(child))
    {
        if (DataContainer* material = Data2::AddMaterialToGlobalaAsset(asset))
            CopyAllAttributes(material, child);
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
    if (!Data2::DirectoryExists(RepositoryLayout::CharacterPreviewsFolder(folder, relativeFolder).c_str()))
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"ParseCharacter: subfolder \"previews\" does not exist");
        return false;
    }
    if (!Data2::DirectoryExists(RepositoryLayout::CharacterSkinFolder(folder, relativeFolder).c_str()))
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
    // The character takes its unique id before any of its elements.
    CopyAllAttributes(character, node);
    character->SetData(L"folder", RepositoryLayout::CharacterFolder(folder, relativeFolder).c_str());
    for (const XmlNode* child = Xml::FirstChildElement(node); child; child = Xml::NextSiblingElement(child))
        ParseXmlElement(child, character);
    character->ValidateCloths();
    character->SortClothsAlphabetically();
    return true;
}

void NetXMLParser2::CopyAttributes(DataContainer* element, const XmlNode* node)
{
    Xml::ForEachAttribute(node, [element](const wchar_t* name, const wchar_t* value)
                          { element->SetData(name, value); });
}

void NetXMLParser2::CopyAllAttributes(DataContainer* element, const XmlNode* node)
{
    if (!element)
        return;
    CopyAttributes(element, node);
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
    ForEachChildNamed(node, "skin",
                      [character](const XmlNode* child)
                      {
                          const std::int32_t index = character->AddContainerElement(CharacterData::SKINS);
                          CopyAllAttributes(character->GetContainerElement(CharacterData::SKINS, index),
                                            child);
                      });
}

void NetXMLParser2::HandleCloth(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    SetBaseCategoryName(node, character, CharacterData::CLOTH);
    ForEachChildNamed(node, "clothing",
                      [character](const XmlNode* child)
                      {
                          const std::int32_t index = character->AddContainerElement(CharacterData::CLOTH);
                          DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, index);
                          if (!cloth)
                              return;
                          CopyAllAttributes(cloth, child);
                          SetClothAvailability(cloth, character);
                          static const struct
                          {
                              const char* name;
                              CharacterData::CLOTH_CHILD list;
                          } lists[] = {
                              {"material", CharacterData::MATERIAL},
                              {"exclude", CharacterData::EXCLUDE},
                              {"select", CharacterData::SELECT},
                          };
                          for (const XmlNode* entry = Xml::FirstChildElement(child); entry;
                               entry = Xml::NextSiblingElement(entry))
                          {
                              for (const auto& list : lists)
                              {
                                  if (Xml::HasName(entry, list.name))
                                  {
                                      CopyAllAttributes(character->AddChildToClothContainer(index, list.list),
                                                        entry);
                                      break;
                                  }
                              }
                          }
                      });
}

void NetXMLParser2::SetClothAvailability(DataContainer* cloth, const CharacterData* character)
{
    // A cloth without a folder has nothing on disk to find.
    bool available = false;
    if (cloth->CheckDatafield(L"folder"))
    {
        const std::wstring path = RepositoryLayout::ElementFolder(FieldOrEmpty(character, L"folder"),
                                                                  FieldOrEmpty(cloth, L"folder"));
        available = Data2::DirectoryExists(path.c_str());
    }
    cloth->SetData(L"available", available ? L"available" : L"notavailable");
}

void NetXMLParser2::HandlePoses(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    SetBaseCategoryName(node, character, CharacterData::POSES);
    ForEachChildNamed(node, "pose",
                      [character](const XmlNode* child)
                      {
                          const std::int32_t index = character->AddContainerElement(CharacterData::POSES);
                          DataContainer* pose = character->GetContainerElement(CharacterData::POSES, index);
                          if (!pose)
                              return;
                          CopyAllAttributes(pose, child);
                          for (const XmlNode* entry = Xml::FirstChildElement(child); entry;
                               entry = Xml::NextSiblingElement(entry))
                              CopyAllAttributes(character->AddMandatoryElement(index), entry);
                      });
}

void NetXMLParser2::HandleCategories(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    ForEachChildNamed(
        node, "category",
        [character](const XmlNode* child)
        {
            const std::int32_t index = character->AddContainerElement(CharacterData::CATEGORIES);
            CopyAllAttributes(character->GetContainerElement(CharacterData::CATEGORIES, index), child);
        });
}

void NetXMLParser2::HandleAssets(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    ForEachChildNamed(node, "asset",
                      [character](const XmlNode* child)
                      {
                          const std::int32_t index = character->AddContainerElement(CharacterData::ASSETS);
                          DataContainer* asset = character->GetContainerElement(CharacterData::ASSETS, index);
                          if (!asset)
                              return;
                          CopyAllAttributes(asset, child);
                          for (const XmlNode* entry = Xml::FirstChildElement(child); entry;
                               entry = Xml::NextSiblingElement(entry))
                              CopyAllAttributes(character->AddMaterialToAsset(index), entry);
                      });
}

void NetXMLParser2::HandleAssetMatrix(const XmlNode* node, CharacterData* character)
{
    if (!node || !character)
        return;
    ForEachChildNamed(node, "matrix",
                      [character](const XmlNode* child)
                      {
                          // Only the record is kept; the element itself takes no unique id.
                          DataContainer record;
                          CopyAttributes(&record, child);
                          character->AddAssetMatrixElement(&record);
                      });
}
} // namespace ZANRET
