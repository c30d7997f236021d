#include "repository/DataFields.h"

#include "repository/Utf16Order.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <new>

namespace ZANRET
{
namespace
{
wchar_t* CopyTerminated(wchar_t* to, std::wstring_view text)
{
    std::wmemcpy(to, text.data(), text.size());
    to[text.size()] = L'\0';
    return to + text.size() + 1;
}
// Names are short: a plain loop beats a call.
bool SameUnits(const wchar_t* text, std::wstring_view name)
{
    for (std::size_t i = 0; i < name.size(); ++i)
    {
        if (text[i] != name[i])
            return false;
    }
    return true;
}
} // namespace

DataFields::~DataFields()
{
    Clear();
}

void DataFields::Clear()
{
    for (std::uint32_t i = 0; i < m_count; ++i)
        Free(m_entries[i]);
    if (!EntriesInBlock())
        delete[] m_entries;
    ::operator delete(m_block);
    m_entries = nullptr;
    m_block = nullptr;
    m_count = 0;
    m_capacity = 0;
}

void DataFields::Free(const Entry& entry)
{
    if (entry.ownsTexts)
        delete[] entry.name;
}

std::uint32_t DataFields::LowerBound(std::wstring_view name) const
{
    std::uint32_t first = 0;
    std::uint32_t count = m_count;
    while (count > 0)
    {
        const std::uint32_t half = count / 2;
        if (CompareUtf16(NameOf(m_entries[first + half]), name) < 0)
        {
            first += half + 1;
            count -= half + 1;
        }
        else
            count = half;
    }
    return first;
}

const wchar_t* DataFields::Find(std::wstring_view name) const
{
    // Below the surrogates every character is one code unit of its own, so a name that holds no
    // other is equal in UTF-16 order only to the same text: the usual look-up needs no order.
    if (std::all_of(name.begin(), name.end(),
                    [](wchar_t c) { return static_cast<std::uint32_t>(c) < 0xD800; }))
    {
        for (std::uint32_t i = 0; i < m_count; ++i)
        {
            const Entry& entry = m_entries[i];
            if (entry.nameLength == name.size() && SameUnits(entry.name, name))
                return entry.value;
        }
        return nullptr;
    }
    const std::uint32_t at = LowerBound(name);
    return at < m_count && CompareUtf16(NameOf(m_entries[at]), name) == 0 ? m_entries[at].value : nullptr;
}

DataFields::Entry DataFields::OwnEntry(std::wstring_view name, std::wstring_view value)
{
    auto* texts = new wchar_t[name.size() + value.size() + 2];
    const wchar_t* valueText = CopyTerminated(texts, name);
    CopyTerminated(texts + name.size() + 1, value);
    return Entry{texts, valueText, static_cast<std::uint32_t>(name.size()), true};
}

void DataFields::Insert(std::uint32_t at, const Entry& entry)
{
    if (m_count == m_capacity)
    {
        const std::uint32_t capacity = m_capacity ? 2 * m_capacity : 4;
        auto* entries = new Entry[capacity];
        std::copy(m_entries, m_entries + m_count, entries);
        if (!EntriesInBlock())
            delete[] m_entries;
        m_entries = entries;
        m_capacity = capacity;
    }
    std::copy_backward(m_entries + at, m_entries + m_count, m_entries + m_count + 1);
    m_entries[at] = entry;
    ++m_count;
}

void DataFields::Set(std::wstring_view name, std::wstring_view value)
{
    const std::uint32_t at = LowerBound(name);
    if (at < m_count && CompareUtf16(NameOf(m_entries[at]), name) == 0)
    {
        // The field keeps its name. The new texts are copied before the old ones go: the value
        // may be the old one itself.
        Entry& entry = m_entries[at];
        const Entry replaced = OwnEntry(NameOf(entry), value);
        Free(entry);
        entry = replaced;
        return;
    }
    const Entry added = OwnEntry(name, value);
    try
    {
        Insert(at, added);
    }
    catch (...)
    {
        Free(added);
        throw;
    }
}

void DataFields::SetAll(const FieldText* fields, std::size_t count)
{
    // Only the first fields of an element share a block; any later ones are set one by one.
    if (count == 0)
        return;
    if (m_count > 0 || m_block)
    {
        for (std::size_t i = 0; i < count; ++i)
            Set(fields[i].name, fields[i].value);
        return;
    }
    std::size_t units = 0;
    for (std::size_t i = 0; i < count; ++i)
        units += fields[i].name.size() + fields[i].value.size() + 2;
    // One piece of memory: a look-up finds the names next to the entries.
    void* block = ::operator new(count * sizeof(Entry) + units * sizeof(wchar_t));
    auto* entries = static_cast<Entry*>(block);
    auto* next = reinterpret_cast<wchar_t*>(entries + count);
    for (std::size_t i = 0; i < count; ++i)
    {
        Entry& entry = entries[i];
        entry.name = next;
        next = CopyTerminated(next, fields[i].name);
        entry.value = next;
        next = CopyTerminated(next, fields[i].value);
        entry.nameLength = static_cast<std::uint32_t>(fields[i].name.size());
        entry.ownsTexts = false;
    }
    // Ordered by name and, among equal names, by position; then the last of equal names stays,
    // under the name the first one brought.
    Entry* begin = entries;
    std::sort(begin, begin + count,
              [this](const Entry& a, const Entry& b)
              {
                  const int order = CompareUtf16(NameOf(a), NameOf(b));
                  return order != 0 ? order < 0 : a.name < b.name;
              });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        if (kept > 0 && CompareUtf16(NameOf(begin[kept - 1]), NameOf(begin[i])) == 0)
            begin[kept - 1].value = begin[i].value;
        else
            begin[kept++] = begin[i];
    }
    m_block = block;
    m_entries = entries;
    m_count = static_cast<std::uint32_t>(kept);
    m_capacity = static_cast<std::uint32_t>(count);
}
} // namespace ZANRET
