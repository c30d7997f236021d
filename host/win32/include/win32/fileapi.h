#pragma once

#include "win32/types.h"

constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

// The attributes of a file or folder, or INVALID_FILE_ATTRIBUTES when it cannot be found.
DWORD GetFileAttributesW(LPCWSTR path);

namespace win32
{
// GetFileAttributesW of a path that is already in native form (win32/path.h).
DWORD NativeFileAttributes(const char* nativePath);
} // namespace win32
