#pragma once
// Read access to the nodes of a loaded catalogue (see XmlDocument). Names are full names, prefix
// included, compared exactly. Every text leaves this layer as wide text.

#include <functional>
#include <string>

struct _xmlNode;

namespace ZANRET::DomReference
{
// A node of a loaded document; it belongs to its XmlDocument and lives as long as that does.
using XmlNode = _xmlNode;

namespace Xml
{
bool IsElement(const XmlNode* node);

// True for an element whose full name ("prefix:local" or "local") is exactly the given UTF-8 text.
bool HasName(const XmlNode* node, const char* name);

// The full name of an element, empty for any other node.
std::wstring GetName(const XmlNode* node);

// The element's child elements in document order. Text (whitespace-only or not), comments,
// processing instructions and entity references are passed over.
const XmlNode* FirstChildElement(const XmlNode* node);
const XmlNode* NextSiblingElement(const XmlNode* node);

// Whether the node is an element with at least one attribute or namespace declaration.
bool HasAttributes(const XmlNode* node);

using AttributeVisitor = std::function<void(const wchar_t* name, const wchar_t* value)>;

// Visits every attribute of an element: its namespace declarations ("xmlns", "xmlns:p") first,
// then its other attributes in document order, with references resolved. Nothing for non-elements.
void ForEachAttribute(const XmlNode* node, const AttributeVisitor& visit);

// The value of the attribute with this full name, references resolved. False when there is none.
bool GetAttribute(const XmlNode* node, const char* name, std::wstring& value);
} // namespace Xml
} // namespace ZANRET::DomReference
