#include "repository/DataContainer.h"

#include "repository/Data2.h"
#include "repository/Debug.h"

#include <cwchar>

namespace ZANRET
{
DataContainer::~DataContainer()
{
    // The store must never hand out an id that leads to a destroyed element.
    Data2::ForgetElement(this);
    data.Clear();
    for (DataContainer* child : children)
        delete child;
    children.clear();
}

bool DataContainer::AddChild(DataContainer* child)
{
    if (!child)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"AddChild: invalid argument child");
        return false;
    }
    // Owned from here on, also when it cannot be kept.
    try
    {
        // Most lists hold a few elements: room for them at once spares the growth one by one.
        if (children.capacity() == 0)
            children.reserve(4);
        children.push_back(child);
    }
    catch (...)
    {
        delete child;
        throw;
    }
    return true;
}

std::int32_t DataContainer::GetChildCount() const
{
    return static_cast<std::int32_t>(children.size());
}

DataContainer* DataContainer::GetChild(std::int32_t index) const
{
    if (index < 0)
        return nullptr;
    if (index >= GetChildCount())
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"GetChild: index out of range");
        return nullptr;
    }
    return children[static_cast<std::size_t>(index)];
}

bool DataContainer::SetChild(std::int32_t index, DataContainer* child)
{
    if (index < 0)
        return false;
    if (index >= GetChildCount())
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"SetChild: index out of range");
        return false;
    }
    // The list must hold no null entries.
    if (!child)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"SetChild: invalid argument child");
        return false;
    }
    children[static_cast<std::size_t>(index)] = child;
    return true;
}

void DataContainer::SetData(const wchar_t* field, const wchar_t* value)
{
    if (!field)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"SetData: invalida argument field");
        return;
    }
    if (!value)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"SetData: invalida argument data");
        return;
    }
    data.Set(field, value);
}

void DataContainer::SetData(const FieldText* fields, std::size_t count)
{
    data.SetAll(fields, count);
}

const wchar_t* DataContainer::GetData(const wchar_t* field, bool* found) const
{
    bool ignored = false;
    bool& isFound = found ? *found : ignored;
    isFound = false;
    if (!field)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"GetData: invalida argument field");
        return nullptr;
    }
    const wchar_t* value = data.Find(field);
    if (!value)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"Missing datafield:");
        Debug::AddDebugMessage(DEBUG_WARNING, field);
        return nullptr;
    }
    isFound = true;
    return value;
}

bool DataContainer::CheckDatafield(const wchar_t* field) const
{
    if (!field)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"CheckDatafield: invalida argument field");
        return false;
    }
    return data.Find(field) != nullptr;
}

std::int32_t DataContainer::GetDataCount() const
{
    return static_cast<std::int32_t>(data.Count());
}

bool DataContainer::GetFastFlag(std::int32_t index) const
{
    if (index < 0 || index >= FAST_FLAG_COUNT)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"DataContainer::GetFastFlag : flag out of range!");
        return false;
    }
    return fastFlags[index];
}

void DataContainer::SetFastFlag(std::int32_t index, bool value)
{
    if (index < 0 || index >= FAST_FLAG_COUNT)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"DataContainer::SetFastFlag : flag out of range!");
        return;
    }
    fastFlags[index] = value;
}

void DataContainer::SetType(std::int32_t newType)
{
    if (type != TYPE_NOT_SET)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"SetType: type already set");
        return;
    }
    type = newType;
}

std::int32_t DataContainer::GetType() const
{
    return type;
}

bool DataContainer::IsValid() const
{
    return valid;
}

void DataContainer::Invalidate()
{
    valid = false;
}

void DataContainer::RemoveInvalidChildren()
{
    std::vector<DataContainer*> keep;
    std::vector<DataContainer*> drop;
    for (DataContainer* child : children)
        (child && child->valid ? keep : drop).push_back(child);
    children = std::move(keep);
    for (DataContainer* child : drop)
        delete child;
}

std::int32_t GetTypeKind(const DataContainer* element)
{
    if (!element)
        return 0;
    bool found = false;
    const wchar_t* kind = element->GetData(L"type", &found);
    if (!found)
        return 0;
    if (std::wcscmp(kind, L"common") == 0)
        return 2;
    if (std::wcscmp(kind, L"specific") == 0)
        return 1;
    return 0;
}
} // namespace ZANRET
