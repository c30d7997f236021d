#pragma once
// The data fields of one element: names and values, ordered by the names' UTF-16 code units.
// Two names that compare equal in that order are one field, which keeps the name it was made with.
// A value's text stays where it is until its own field is set again or the fields are cleared,
// whatever happens to the others. Fields set together share one block of memory.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ZANRET
{
// A field to set; neither text holds a NUL.
struct FieldText
{
    std::wstring_view name;
    std::wstring_view value;
};

class DataFields
{
public:
    DataFields() = default;
    ~DataFields();
    DataFields(const DataFields&) = delete;
    DataFields& operator=(const DataFields&) = delete;

    // The terminated value of the field, or null when there is none.
    const wchar_t* Find(std::wstring_view name) const;
    // Adds the field, or replaces the value of the one that is there.
    void Set(std::wstring_view name, std::wstring_view value);
    // As Set for each in order: a later one of two equal names wins.
    void SetAll(const FieldText* fields, std::size_t count);
    std::size_t Count() const { return m_count; }
    void Clear();

private:
    struct Entry
    {
        const wchar_t* name; // terminated; the value follows it when the entry owns its texts
        const wchar_t* value;
        std::uint32_t nameLength;
        bool ownsTexts; // false: both texts are in the shared block
    };

    std::wstring_view NameOf(const Entry& entry) const { return {entry.name, entry.nameLength}; }
    // The first entry whose name does not sort before the given one.
    std::uint32_t LowerBound(std::wstring_view name) const;
    void Insert(std::uint32_t at, const Entry& entry);
    bool EntriesInBlock() const { return m_entries && static_cast<void*>(m_entries) == m_block; }
    static Entry OwnEntry(std::wstring_view name, std::wstring_view value);
    static void Free(const Entry& entry);

    // The fields set together: their entries, then their texts. The entries move out to an array
    // of their own when more fields come.
    void* m_block = nullptr;
    Entry* m_entries = nullptr;
    std::uint32_t m_count = 0;
    std::uint32_t m_capacity = 0;
};
} // namespace ZANRET
