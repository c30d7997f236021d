#include "repository/xml/XmlNode.h"

#include "win32/text.h"

#include <cstring>
#include <string_view>

namespace ZANRET::Xml
{
namespace
{
// "prefix:local" equals the given full name, without building the full name.
bool FullNameEquals(const char* prefix, const char* local, const char* name)
{
    if (!prefix)
        return std::strcmp(local, name) == 0;
    const std::size_t prefixLength = std::strlen(prefix);
    return std::strncmp(prefix, name, prefixLength) == 0 && name[prefixLength] == ':' &&
           std::strcmp(local, name + prefixLength + 1) == 0;
}

// The one place where document text becomes wide text.
void FullName(const char* prefix, const char* local, std::wstring& out, std::wstring& scratch)
{
    win32::Utf8ToWide(local, out);
    if (!prefix)
        return;
    win32::Utf8ToWide(prefix, scratch);
    out.insert(0, scratch + L":");
}
} // namespace

bool IsElement(const XmlNode* node)
{
    return node != nullptr;
}

bool HasName(const XmlNode* node, const char* name)
{
    return node && name && FullNameEquals(node->prefix, node->local, name);
}

std::wstring GetName(const XmlNode* node)
{
    std::wstring name;
    std::wstring scratch;
    if (node)
        FullName(node->prefix, node->local, name, scratch);
    return name;
}

const XmlNode* FirstChildElement(const XmlNode* node)
{
    return node ? node->firstChild : nullptr;
}

const XmlNode* NextSiblingElement(const XmlNode* node)
{
    return node ? node->next : nullptr;
}

bool HasAttributes(const XmlNode* node)
{
    return node && node->attributeCount > 0;
}

void ForEachAttribute(const XmlNode* node, const AttributeVisitor& visit)
{
    if (!node)
        return;
    std::wstring name;
    std::wstring value;
    std::wstring scratch;
    for (std::uint32_t i = 0; i < node->attributeCount; ++i)
    {
        const XmlAttribute& attribute = node->attributes[i];
        FullName(attribute.prefix, attribute.local, name, scratch);
        win32::Utf8ToWide(std::string_view(attribute.value, attribute.length), value);
        visit(name.c_str(), value.c_str());
    }
}

bool GetAttribute(const XmlNode* node, const char* name, std::wstring& value)
{
    if (!node || !name)
        return false;
    for (std::uint32_t i = 0; i < node->attributeCount; ++i)
    {
        const XmlAttribute& attribute = node->attributes[i];
        if (FullNameEquals(attribute.prefix, attribute.local, name))
        {
            win32::Utf8ToWide(std::string_view(attribute.value, attribute.length), value);
            return true;
        }
    }
    return false;
}

const XmlRecord* FirstRecord(const XmlNode* node)
{
    return node ? node->firstRecord : nullptr;
}
} // namespace ZANRET::Xml
