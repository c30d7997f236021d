#pragma once
// The catalogue reader: turns <repository>\zanret.xml into characters and global assets of the
// repository store. It holds no state and owns nothing it makes: every element goes straight into
// the store, which owns it from then on. The whole catalogue is parsed before anything is taken
// over, so a malformed one adds nothing.

#include "repository/CharacterData.h"
#include "repository/DataContainer.h"
#include "repository/xml/XmlNode.h"

namespace ZANRET
{
class NetXMLParser2
{
public:
    NetXMLParser2() = default;

    // Loads the catalogue and reads each child of its root "zanret". True once the root is found,
    // whatever was read below it.
    static bool ParseRepositoryXML(const wchar_t* folder);
    // A child of the root: "character" or "globalAssets"; false for anything else.
    static bool ParseRepositoryElement(const XmlNode* node, const wchar_t* folder);
    static bool ParseGlobalAssets(const XmlNode* node);
    static bool ParseGlobalAsset(const XmlNode* node);
    static bool ParseCharacter(const XmlNode* node, const wchar_t* folder);

    // Every attribute becomes a data field under its full name; then the element gets its unique id.
    static void CopyAllAttributes(DataContainer* element, const XmlNode* node);
    static void SetBaseCategoryName(const XmlNode* node, CharacterData* character,
                                    CharacterData::CONTAINER list);
    // A section of a character, by name.
    static void ParseXmlElement(const XmlNode* node, CharacterData* character);

    static void HandleSkins(const XmlNode* node, CharacterData* character);
    static void HandleCloth(const XmlNode* node, CharacterData* character);
    static void HandlePoses(const XmlNode* node, CharacterData* character);
    static void HandleCategories(const XmlNode* node, CharacterData* character);
    static void HandleAssets(const XmlNode* node, CharacterData* character);
    static void HandleAssetMatrix(const XmlNode* node, CharacterData* character);

private:
    // Each cloth's "available" field: whether its folder is there below the repository folder.
    static void SetClothAvailability(CharacterData* character, const wchar_t* folder);
};
} // namespace ZANRET
