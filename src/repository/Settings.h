#pragma once
// The repository path, kept in "zanret.ini" in the user's local application-data folder. One
// settings object at a time, made by LoadSettings and destroyed by FreeSettings.

#include "repository/Debug.h"

#include <string>

namespace ZANRET
{
class Settings
{
public:
    // Always true; a missing or too short file only leaves the path unset.
    static bool LoadSettings();
    static bool ReadSettingsFile();
    // False when the file cannot be written or cannot hold the path (characters above U+00FF).
    static bool SaveToSettingsFile();
    // Keeps the path for this session even when it cannot be saved; the result is the save's.
    static bool SetPath(const wchar_t* path);
    // Valid until the path is set again or the settings are freed. Empty while no path is set.
    static const wchar_t* GetPath();
    static bool GetPathSet();
    static bool CheckSingleton();
    static Settings* GetSingleton();
    static void FreeSettings();

private:
    Settings() = default;

    bool pathSet = false;
    std::wstring path;
};
} // namespace ZANRET
