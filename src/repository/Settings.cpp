#include "repository/Settings.h"

#include "repository/Debug.h"

#include "win32/shlobj.h"
#include "win32/textfile.h"

#include <cstdint>
#include <new>

namespace ZANRET
{
namespace
{
Settings* singleton = nullptr;

// The settings file holds one path; no real one comes near 64 KiB. Anything larger, and anything
// that is not a regular file (a folder, a device, a FIFO), is a file that cannot be read.
constexpr std::uint64_t kSettingsFileLimit = 64 * 1024;

// <local application data>\zanret.ini, or false when the folder cannot be found.
bool SettingsFilePath(std::wstring& file)
{
    wchar_t folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder) != S_OK)
        return false;
    file = std::wstring(folder) + L"\\zanret.ini";
    return true;
}
} // namespace

bool Settings::LoadSettings()
{
    if (singleton)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"Settings::LoadSettings - singleton was not nullptr");
        delete singleton;
        singleton = nullptr;
    }
    singleton = new (std::nothrow) Settings();
    if (!singleton)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Settings::LoadSettings - could not get memory for Settings");
        return true;
    }
    ReadSettingsFile();
    return true;
}

bool Settings::ReadSettingsFile()
{
    if (!singleton)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Settings::ReadSettingsFile - singleton is nullptr");
        return false;
    }
    std::wstring file;
    if (!SettingsFilePath(file))
        return false;
    std::string bytes;
    if (!win32::ReadTextModeFile(file.c_str(), bytes, kSettingsFileLimit) || bytes.size() <= 2)
        return false;
    // One byte per code unit of the same value.
    std::wstring content;
    content.reserve(bytes.size());
    for (const char byte : bytes)
        content += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    singleton->path = std::move(content);
    singleton->pathSet = true;
    return true;
}

bool Settings::SaveToSettingsFile()
{
    if (!singleton)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Settings::SaveToSettingsFile - singleton is nullptr");
        return false;
    }
    std::wstring file;
    if (!SettingsFilePath(file))
        return false;
    std::string bytes;
    bytes.reserve(singleton->path.size());
    for (const wchar_t c : singleton->path)
    {
        // The file holds one byte per character; anything wider would not read back as written.
        if (static_cast<unsigned long>(c) > 0xFF)
        {
            Debug::AddDebugMessage(DEBUG_ERROR,
                                   L"Settings::SaveToSettingsFile - the path has characters that "
                                   L"the settings file cannot hold; it is kept for this session only");
            return false;
        }
        bytes += static_cast<char>(static_cast<unsigned char>(c));
    }
    if (!win32::WriteTextModeFile(file.c_str(), bytes))
    {
        Debug::AddDebugMessage(DEBUG_ERROR,
                               (L"Settings::SaveToSettingsFile - could not write " + file).c_str());
        return false;
    }
    Debug::AddDebugMessage(DEBUG_INFO, file.c_str());
    return true;
}

bool Settings::SetPath(const wchar_t* path)
{
    if (!singleton)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Settings::SetPath - singleton is nullptr");
        return false;
    }
    if (!path)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Settings::SetPath - invalid argument path");
        return false;
    }
    singleton->path = path;
    singleton->pathSet = true;
    return SaveToSettingsFile();
}

const wchar_t* Settings::GetPath()
{
    if (!singleton)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Settings::GetPath - singleton is nullptr");
        return nullptr;
    }
    return singleton->path.c_str();
}

bool Settings::GetPathSet()
{
    if (!singleton)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Settings::GetPathSet - singleton is nullptr");
        return false;
    }
    return singleton->pathSet;
}

bool Settings::CheckSingleton()
{
    if (!singleton)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"Settings::CheckSingleton - singleton is nullptr");
        return false;
    }
    return true;
}

Settings* Settings::GetSingleton()
{
    if (!singleton)
        Debug::AddDebugMessage(DEBUG_ERROR, L"Settings::GetSingleton - singleton is nullptr");
    return singleton;
}

void Settings::FreeSettings()
{
    if (!singleton)
        Debug::AddDebugMessage(DEBUG_WARNING, L"Settings::FreeSettings - singleton is nullptr");
    delete singleton;
    singleton = nullptr;
}
} // namespace ZANRET
