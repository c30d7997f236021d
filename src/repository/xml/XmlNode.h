#pragma once
// Read access to the elements of a loaded catalogue (see XmlDocument). Names are full names, prefix
// included, compared exactly. Every text leaves this layer as wide text.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ZANRET
{
// One attribute or namespace declaration of an element: a declaration is named "xmlns" or
// "xmlns:prefix". Texts are UTF-8, terminated, with references resolved.
struct XmlAttribute
{
    const char* prefix; // null when the name has none
    const char* local;
    const char* value;
    std::uint32_t length;
};

// A "matrix" element of a character's "AssetMatrix": the texts of the attributes its entry needs,
// references resolved, kept as they stand. The reader makes numbers and id places of them, away
// from the parse.
struct XmlMatrixRecord
{
    enum Field : std::uint8_t
    {
        XPOS,
        YPOS,
        ZPOS,
        XROT,
        YROT,
        ZROT,
        POSE_ID,
        ASSET_ID,
        FIELD_COUNT
    };
    static constexpr int VALUE_COUNT = POSE_ID;
    const XmlMatrixRecord* next;
    const char* texts[FIELD_COUNT]; // null when the field was not given
    std::uint32_t lengths[FIELD_COUNT];
    std::uint8_t present; // bit f: field f was given
    bool assetIdFirst;    // "assetID" stands before "poseID" in the element

    bool Has(Field field) const { return (present >> field) & 1u; }
    std::string_view Text(Field field) const { return std::string_view(texts[field], lengths[field]); }
};

// An element of a loaded document; it belongs to its XmlDocument and lives as long as that does.
// Text, comments, processing instructions and entity references are not kept.
struct XmlNode
{
    const char* prefix;
    const char* local;
    bool inNamespace;
    // Where the element's memory begins in its document (XmlDocument::ReleaseBefore).
    std::uint32_t block;
    const XmlNode* firstChild;
    const XmlNode* next;
    // Namespace declarations first, then the attributes in document order.
    const XmlAttribute* attributes;
    std::uint32_t attributeCount;
    // The records of a character's "AssetMatrix", which holds no child nodes for them.
    const XmlMatrixRecord* firstRecord;
};

namespace Xml
{
bool IsElement(const XmlNode* node);

// True for an element whose full name ("prefix:local" or "local") is exactly the given UTF-8 text.
bool HasName(const XmlNode* node, const char* name);

// The full name of an element, empty for none.
std::wstring GetName(const XmlNode* node);

// The element's child elements in document order.
const XmlNode* FirstChildElement(const XmlNode* node);
const XmlNode* NextSiblingElement(const XmlNode* node);

// Whether the node is an element with at least one attribute or namespace declaration.
bool HasAttributes(const XmlNode* node);

using AttributeVisitor = std::function<void(const wchar_t* name, const wchar_t* value)>;

// Visits every attribute of an element: its namespace declarations ("xmlns", "xmlns:p") first,
// then its other attributes in document order, with references resolved. Nothing for null.
void ForEachAttribute(const XmlNode* node, const AttributeVisitor& visit);

// The value of the attribute with this full name, references resolved. False when there is none.
bool GetAttribute(const XmlNode* node, const char* name, std::wstring& value);

// The records of a character's "AssetMatrix" section in document order; null for none.
const XmlMatrixRecord* FirstMatrixRecord(const XmlNode* node);
} // namespace Xml
} // namespace ZANRET
