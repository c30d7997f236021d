#include "repository/Parser2.h"

#include "repository/Debug.h"
#include "repository/xml/XMLParser2.h"
#include "win32/fileapi.h"

#include <cwchar>
#include <string_view>

namespace ZANRET::Parser2
{
bool ParseRepository(const wchar_t* folder)
{
    if (!folder)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Parser2::ParseRepository invalid argument");
        return false;
    }
    Debug::AddDebugMessage(DEBUG_INFO, L"Parser2 checks repository at:");
    Debug::AddDebugMessage(DEBUG_INFO, folder);
    return XMLParser2::ParseXML(folder);
}

bool IsSubfolderEntry(const WIN32_FIND_DATAW* entry)
{
    if (!entry || (entry->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return false;
    // The name need not be terminated inside the record.
    const std::size_t length = wcsnlen(entry->cFileName, MAX_PATH);
    const std::wstring_view name(entry->cFileName, length);
    return !name.empty() && name != L"." && name != L"..";
}
} // namespace ZANRET::Parser2
