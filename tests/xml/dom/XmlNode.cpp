#include "dom/XmlNode.h"

#include "dom/XmlAttributeText.h"
#include "win32/text.h"

#include <libxml/tree.h>

#include <cstddef>
#include <cstring>
#include <limits>
#include <string>

namespace ZANRET::DomReference::Xml
{
namespace
{
// The one place where document text becomes wide text.
std::wstring ToWide(const char* utf8, std::size_t length)
{
    return win32::Utf8ToWide(std::string_view(utf8, length));
}

std::wstring ToWide(const xmlChar* utf8)
{
    if (!utf8)
        return {};
    const char* text = reinterpret_cast<const char*>(utf8);
    return ToWide(text, std::strlen(text));
}

bool Equals(const xmlChar* a, const char* b)
{
    return std::strcmp(reinterpret_cast<const char*>(a), b) == 0;
}

// "prefix:local" equals the given full name, without building the full name.
bool FullNameEquals(const xmlChar* prefix, const xmlChar* local, const char* name)
{
    if (!prefix)
        return Equals(local, name);
    const std::size_t prefixLength = std::strlen(reinterpret_cast<const char*>(prefix));
    return std::strncmp(reinterpret_cast<const char*>(prefix), name, prefixLength) == 0 &&
           name[prefixLength] == ':' && Equals(local, name + prefixLength + 1);
}

std::wstring FullName(const xmlChar* prefix, const xmlChar* local)
{
    if (!prefix)
        return ToWide(local);
    return ToWide(prefix) + L":" + ToWide(local);
}

const xmlChar* PrefixOf(const xmlNs* ns)
{
    return ns ? ns->prefix : nullptr;
}

const XmlNode* ElementFrom(const XmlNode* node)
{
    while (node && node->type != XML_ELEMENT_NODE)
        node = node->next;
    return node;
}

std::wstring AttributeValue(const xmlAttr* attribute)
{
    if (const xmlChar* plain = XmlAttributeText::PlainText(attribute))
        return ToWide(plain);
    // The loader has already checked that every value expands within its limits.
    std::size_t unlimited = std::numeric_limits<std::size_t>::max();
    std::string text;
    XmlAttributeText::Append(attribute, text, unlimited);
    return ToWide(text.data(), text.size());
}
} // namespace

bool IsElement(const XmlNode* node)
{
    return node && node->type == XML_ELEMENT_NODE;
}

bool HasName(const XmlNode* node, const char* name)
{
    return IsElement(node) && name && FullNameEquals(PrefixOf(node->ns), node->name, name);
}

std::wstring GetName(const XmlNode* node)
{
    return IsElement(node) ? FullName(PrefixOf(node->ns), node->name) : std::wstring();
}

const XmlNode* FirstChildElement(const XmlNode* node)
{
    return IsElement(node) ? ElementFrom(node->children) : nullptr;
}

const XmlNode* NextSiblingElement(const XmlNode* node)
{
    return node ? ElementFrom(node->next) : nullptr;
}

bool HasAttributes(const XmlNode* node)
{
    return IsElement(node) && (node->properties || node->nsDef);
}

void ForEachAttribute(const XmlNode* node, const AttributeVisitor& visit)
{
    if (!IsElement(node))
        return;
    // libxml2 keeps namespace declarations apart from the attributes, so their position among the
    // attributes is lost; they come first, as they usually stand.
    for (const xmlNs* ns = node->nsDef; ns; ns = ns->next)
    {
        const std::wstring name = ns->prefix ? L"xmlns:" + ToWide(ns->prefix) : std::wstring(L"xmlns");
        visit(name.c_str(), ToWide(ns->href).c_str());
    }
    for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next)
        visit(FullName(PrefixOf(attribute->ns), attribute->name).c_str(), AttributeValue(attribute).c_str());
}

bool GetAttribute(const XmlNode* node, const char* name, std::wstring& value)
{
    if (!IsElement(node) || !name)
        return false;
    for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next)
    {
        if (FullNameEquals(PrefixOf(attribute->ns), attribute->name, name))
        {
            value = AttributeValue(attribute);
            return true;
        }
    }
    for (const xmlNs* ns = node->nsDef; ns; ns = ns->next)
    {
        const bool matches = ns->prefix
                                 ? FullNameEquals(reinterpret_cast<const xmlChar*>("xmlns"), ns->prefix, name)
                                 : std::strcmp(name, "xmlns") == 0;
        if (matches)
        {
            value = ToWide(ns->href);
            return true;
        }
    }
    return false;
}
} // namespace ZANRET::DomReference::Xml
