#pragma once
// Small helpers for reading element fields inside the repository model.

#include "repository/DataContainer.h"

#include <cwchar>

namespace ZANRET::Fields
{
// The value of a field when the element has it, else null (GetData reports the missing field).
inline const wchar_t* Value(const DataContainer* element, const wchar_t* name)
{
    bool found = false;
    const wchar_t* value = element->GetData(name, &found);
    return found ? value : nullptr;
}

// Exact comparison; a null text equals nothing.
inline bool Same(const wchar_t* a, const wchar_t* b)
{
    return a && b && std::wcscmp(a, b) == 0;
}
} // namespace ZANRET::Fields
