#pragma once
// Read access to the elements of a loaded document (see XmlDocument). Names are full names, prefix
// included, compared exactly. Every text leaves this layer as wide text.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
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

// Elements that a document keeps as records of a few attributes rather than as nodes: a document
// may hold very many of them, and a reader needs neither their other attributes nor their content.
struct XmlRecordRule
{
    // The names of the elements from the document element down to the record's element, none of
    // them with a prefix.
    std::span<const char* const> path;
    // The attributes kept, by name without a prefix; at most kMostFields.
    std::span<const char* const> fields;
    static constexpr std::size_t kMostFields = 32;
};

// One element that the rule made a record: the texts of the rule's fields (UTF-8, references
// resolved), in one piece of memory right after the record, where a large document keeps many.
struct XmlRecord
{
    const XmlRecord* next;
    std::uint32_t given; // bit f: field f was given
    std::uint32_t fieldCount;

    bool Given(std::size_t field) const { return (given >> field) & 1u; }
    // Empty when the field was not given.
    std::string_view Text(std::size_t field) const
    {
        // Where each field's text ends, then the texts one after the other.
        const auto* ends = reinterpret_cast<const std::uint32_t*>(this + 1);
        const char* texts = reinterpret_cast<const char*>(ends + fieldCount);
        const std::uint32_t begin = field == 0 ? 0 : ends[field - 1];
        return std::string_view(texts + begin, ends[field] - begin);
    }
};

// An element of a loaded document; it belongs to its XmlDocument and lives as long as that does.
// Text, comments, processing instructions and entity references are not kept.
struct XmlNode
{
    const char* prefix;
    const char* local;
    bool inNamespace;
    const XmlNode* firstChild;
    const XmlNode* next;
    // Namespace declarations first, then the attributes in document order.
    const XmlAttribute* attributes;
    std::uint32_t attributeCount;
    // The child elements that were made records (XmlRecordRule), which are not among the children.
    const XmlRecord* firstRecord;
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

// The records among an element's children in document order; null for none.
const XmlRecord* FirstRecord(const XmlNode* node);
} // namespace Xml
} // namespace ZANRET
