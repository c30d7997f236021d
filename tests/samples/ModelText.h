#pragma once
// Reading the repository model in tests.

#include "repository/DataContainer.h"

#include <string>

// The field's text, or empty when the element or the field is missing.
inline std::wstring Field(const ZANRET::DataContainer* element, const wchar_t* name)
{
    bool found = false;
    const wchar_t* value = element != nullptr ? element->GetData(name, &found) : nullptr;
    return found && value != nullptr ? value : L"";
}
