#pragma once

#include "win32/types.h"

constexpr int CSIDL_LOCAL_APPDATA = 0x1C;

// Writes the folder into path (MAX_PATH wide characters). CSIDL_LOCAL_APPDATA answers
// $LOCALAPPDATA, else $XDG_CONFIG_HOME, else $HOME/.config, and fails when that folder does not exist.
HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);
