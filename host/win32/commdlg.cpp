#include "win32/commdlg.h"

#include "win32/fileapi.h"
#include "win32/text.h"

#include "hostsdk/Host.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{
DWORD g_lastError = 0;

// The filter list: pairs of zero-terminated texts, ended by an empty text.
template <typename Char, typename Convert>
std::vector<std::pair<std::wstring, std::wstring>> ReadFilters(const Char* list, Convert convert)
{
    std::vector<std::pair<std::wstring, std::wstring>> filters;
    if (!list)
        return filters;
    while (*list)
    {
        const std::basic_string<Char> description(list);
        list += description.size() + 1;
        const std::basic_string<Char> pattern(list);
        list += pattern.size() + (pattern.empty() ? 0 : 1);
        filters.emplace_back(convert(description), convert(pattern));
        if (pattern.empty())
            break;
    }
    return filters;
}

// Asks the host; on a choice checks what the flags demand. Zero with g_lastError set otherwise.
bool Ask(const Host::OpenFileRequest& request, std::wstring& chosen)
{
    g_lastError = 0;
    if (!Host::AskOpenFile(request, chosen))
        return false;
    const DWORD attributes = GetFileAttributesW(chosen.c_str());
    const bool isFile = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (chosen.empty() || ((request.flags & OFN_FILEMUSTEXIST) && !isFile))
    {
        g_lastError = FNERR_INVALIDFILENAME;
        return false;
    }
    return true;
}

std::size_t NameOffset(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

// Offset of the extension after the dot, or 0 when the name has none.
std::size_t ExtensionOffset(const std::wstring& path)
{
    const std::size_t dot = path.rfind(L'.');
    return dot == std::wstring::npos || dot < NameOffset(path) ? 0 : dot + 1;
}

template <typename Record, typename Char, typename FromWide, typename ToWide>
BOOL RunDialog(Record* record, FromWide fromWide, ToWide toWide)
{
    g_lastError = 0;
    if (!record || record->lStructSize != sizeof(Record))
    {
        g_lastError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    if (!record->lpstrFile || record->nMaxFile == 0)
    {
        g_lastError = CDERR_INITIALIZATION;
        return FALSE;
    }
    Host::OpenFileRequest request;
    request.title = record->lpstrTitle ? toWide(record->lpstrTitle) : std::wstring();
    request.filters = ReadFilters(record->lpstrFilter, toWide);
    request.initialFolder = record->lpstrInitialDir ? toWide(record->lpstrInitialDir) : std::wstring();
    request.flags = record->Flags;
    std::wstring chosen;
    if (!Ask(request, chosen))
        return FALSE;
    const std::basic_string<Char> path = fromWide(chosen);
    if (path.size() + 1 > record->nMaxFile)
    {
        g_lastError = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    std::copy(path.begin(), path.end(), record->lpstrFile);
    record->lpstrFile[path.size()] = Char(0);
    const std::size_t nameOffset = fromWide(chosen.substr(0, NameOffset(chosen))).size();
    const std::size_t extensionOffset = ExtensionOffset(chosen);
    record->nFileOffset = static_cast<WORD>(nameOffset);
    record->nFileExtension =
        static_cast<WORD>(extensionOffset ? fromWide(chosen.substr(0, extensionOffset)).size() : 0);
    if (record->lpstrFileTitle && record->nMaxFileTitle > 0)
    {
        const std::basic_string<Char> title = path.substr(nameOffset);
        const std::size_t length = std::min<std::size_t>(title.size(), record->nMaxFileTitle - 1);
        std::copy_n(title.begin(), length, record->lpstrFileTitle);
        record->lpstrFileTitle[length] = Char(0);
    }
    return TRUE;
}
} // namespace

BOOL GetOpenFileNameW(OPENFILENAMEW* record)
{
    return RunDialog<OPENFILENAMEW, wchar_t>(
        record, [](const std::wstring& text) { return text; }, [](const std::wstring& text) { return text; });
}

BOOL GetOpenFileNameA(OPENFILENAMEA* record)
{
    return RunDialog<OPENFILENAMEA, char>(
        record, [](const std::wstring& text) { return win32::WideToUtf8(text); },
        [](const std::string& text) { return win32::Utf8ToWide(text); });
}

DWORD CommDlgExtendedError()
{
    return g_lastError;
}
