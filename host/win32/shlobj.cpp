#include "win32/shlobj.h"

#include "win32/text.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace
{
std::string LocalAppDataFolder()
{
    if (const char* folder = std::getenv("LOCALAPPDATA"); folder && *folder)
        return folder;
    if (const char* folder = std::getenv("XDG_CONFIG_HOME"); folder && *folder)
        return folder;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config";
    return {};
}
} // namespace

HRESULT SHGetFolderPathW(HWND, int folder, HANDLE, DWORD, LPWSTR path)
{
    if (!path)
        return E_FAIL;
    path[0] = L'\0';
    if (folder != CSIDL_LOCAL_APPDATA)
        return E_FAIL;
    const std::string native = LocalAppDataFolder();
    struct stat info
    {
    };
    if (native.empty() || stat(native.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return E_FAIL;
    const std::wstring wide = win32::Utf8ToWide(native);
    if (wide.size() >= MAX_PATH)
        return E_FAIL;
    wide.copy(path, wide.size());
    path[wide.size()] = L'\0';
    return S_OK;
}
