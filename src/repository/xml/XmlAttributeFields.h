#pragma once
// The attributes of an element as data fields under their full names, in the order
// ForEachAttribute visits them: all their wide texts converted into one piece of memory, on the
// stack unless the element is unusually large.

#include "repository/DataFields.h"
#include "repository/xml/XmlNode.h"

#include <cstddef>
#include <memory>

namespace ZANRET
{
class XmlAttributeFields
{
public:
    explicit XmlAttributeFields(const XmlNode* node);
    XmlAttributeFields(const XmlAttributeFields&) = delete;
    XmlAttributeFields& operator=(const XmlAttributeFields&) = delete;

    const FieldText* Fields() const { return m_fields; }
    std::size_t Count() const { return m_count; }

private:
    static constexpr std::size_t kStackFields = 32;
    static constexpr std::size_t kStackUnits = 2048;

    FieldText m_stackFields[kStackFields];
    wchar_t m_stackUnits[kStackUnits];
    std::unique_ptr<FieldText[]> m_heapFields;
    std::unique_ptr<wchar_t[]> m_heapUnits;
    const FieldText* m_fields = m_stackFields;
    std::size_t m_count = 0;
};
} // namespace ZANRET
