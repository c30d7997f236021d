#include "repository/xml/XmlAttributeFields.h"

#include "win32/text.h"

#include <cstring>
#include <string_view>

namespace ZANRET
{
XmlAttributeFields::XmlAttributeFields(const XmlNode* node)
{
    if (!node || node->attributeCount == 0)
        return;
    const std::size_t count = node->attributeCount;
    // A wide text has at most as many units as its UTF-8 form has bytes.
    std::size_t units = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        const XmlAttribute& attribute = node->attributes[i];
        units += (attribute.prefix ? std::strlen(attribute.prefix) + 1 : 0) + std::strlen(attribute.local) +
                 attribute.length;
    }
    FieldText* fields = m_stackFields;
    if (count > kStackFields)
    {
        m_heapFields.reset(new FieldText[count]);
        fields = m_heapFields.get();
    }
    wchar_t* next = m_stackUnits;
    if (units > kStackUnits)
    {
        m_heapUnits.reset(new wchar_t[units]);
        next = m_heapUnits.get();
    }
    for (std::size_t i = 0; i < count; ++i)
    {
        const XmlAttribute& attribute = node->attributes[i];
        wchar_t* name = next;
        if (attribute.prefix)
        {
            next += win32::Utf8ToWide(attribute.prefix, next);
            *next++ = L':';
        }
        next += win32::Utf8ToWide(attribute.local, next);
        fields[i].name = std::wstring_view(name, static_cast<std::size_t>(next - name));
        wchar_t* value = next;
        next += win32::Utf8ToWide(std::string_view(attribute.value, attribute.length), next);
        fields[i].value = std::wstring_view(value, static_cast<std::size_t>(next - value));
    }
    m_fields = fields;
    m_count = count;
}
} // namespace ZANRET
