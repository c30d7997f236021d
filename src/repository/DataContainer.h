#pragma once
// One element of the repository tree: named text fields, owned children, a set-once type and five
// fast flags (flag 0: the element's files were found on disk).

#include "repository/DataFields.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ZANRET
{
class DataContainer;
namespace Data2
{
std::int32_t GetUnique(DataContainer* element);
void ForgetElement(const DataContainer* element);
} // namespace Data2

class DataContainer
{
public:
    enum DataType : std::int32_t
    {
        TYPE_NOT_SET = 0,
    };
    enum FastFlag : std::int32_t
    {
        AVAILABLE = 0,
        FAST_FLAG_COUNT = 5,
    };

    DataContainer() = default;
    virtual ~DataContainer();
    DataContainer(const DataContainer&) = delete;
    DataContainer& operator=(const DataContainer&) = delete;

    // Takes ownership of the child; false (and an error) for null.
    bool AddChild(DataContainer* child);
    std::int32_t GetChildCount() const;
    // Borrowed; null for a bad index (negative indices silently).
    DataContainer* GetChild(std::int32_t index) const;
    // Stores the pointer in the slot without deleting the one that was there; the caller keeps
    // every child in the list exactly once. Null is refused.
    bool SetChild(std::int32_t index, DataContainer* child);

    void SetData(const wchar_t* field, const wchar_t* data);
    // As SetData for each field in order, in one piece of memory: the catalogue reader gives an
    // element all its attributes at once.
    void SetData(const FieldText* fields, std::size_t count);
    // The stored text (valid until the field is set again or the element dies), or null with
    // *found false when the field is missing. found must not be null.
    const wchar_t* GetData(const wchar_t* field, bool* found) const;
    bool CheckDatafield(const wchar_t* field) const;
    // The number of data fields.
    std::int32_t GetDataCount() const;

    bool GetFastFlag(std::int32_t index) const;
    void SetFastFlag(std::int32_t index, bool value);

    void SetType(std::int32_t type);
    std::int32_t GetType() const;

    bool IsValid() const;
    void Invalidate();
    // Deletes the invalidated children; the others keep their order.
    void RemoveInvalidChildren();

private:
    // The store's registration of this element, kept here so that finding it costs nothing; it
    // counts only while generation is the store's (a Reset forgets every registration at once).
    friend std::int32_t Data2::GetUnique(DataContainer* element);
    friend void Data2::ForgetElement(const DataContainer* element);
    struct Registration
    {
        std::int32_t unique = 0;
        std::uint32_t generation = 0;
    };

    DataFields data;
    bool valid = true;
    std::vector<DataContainer*> children;
    std::int32_t type = TYPE_NOT_SET;
    bool fastFlags[FAST_FLAG_COUNT] = {false, false, false, false, false};
    mutable Registration registration;
};

// 2 for an element whose "type" is "common", 1 for "specific", otherwise 0.
std::int32_t GetTypeKind(const DataContainer* element);
} // namespace ZANRET
