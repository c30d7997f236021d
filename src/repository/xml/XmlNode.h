#pragma once
// Read access to the elements of a loaded catalogue (see XmlDocument). Names are full names, prefix
// included, compared exactly. Every text leaves this layer as wide text.

#include <cstdint>
#include <functional>
#include <string>

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

// A pose or asset id of the records of one "AssetMatrix" section: each text once, UTF-8 with
// references resolved, in the order of first use.
struct XmlMatrixId
{
    const XmlMatrixId* next;
    const char* text;
    std::uint32_t length;
};

// A "matrix" element of a character's "AssetMatrix", read straight into what its entry needs.
struct XmlMatrixRecord
{
    static constexpr std::uint32_t kNoId = 0xFFFFFFFFu;
    enum Value : std::uint8_t
    {
        XPOS,
        YPOS,
        ZPOS,
        XROT,
        YROT,
        ZROT,
        VALUE_COUNT
    };
    const XmlMatrixRecord* next;
    std::uint32_t poseID;  // place among the section's ids; kNoId when the attribute is missing
    std::uint32_t assetID; // place among the section's ids; kNoId when the attribute is missing
    float values[VALUE_COUNT];
    std::uint8_t present; // bit i: values[i] was given
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
    // The records of a character's "AssetMatrix", which holds no child nodes for them, and their ids.
    const XmlMatrixRecord* firstRecord;
    const XmlMatrixId* firstMatrixId;
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

// The records of a character's "AssetMatrix" section in document order, and the ids they name by
// place; null for none.
const XmlMatrixRecord* FirstMatrixRecord(const XmlNode* node);
const XmlMatrixId* FirstMatrixId(const XmlNode* node);
} // namespace Xml
} // namespace ZANRET
