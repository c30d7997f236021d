#include "win32/fileapi.h"

#include "win32/path.h"

#include <sys/stat.h>

DWORD GetFileAttributesW(LPCWSTR path)
{
    if (!path || !*path)
        return INVALID_FILE_ATTRIBUTES;
    return win32::NativeFileAttributes(win32::NativePath(path).c_str());
}

namespace win32
{
DWORD NativeFileAttributes(const char* nativePath)
{
    if (!nativePath || !*nativePath)
        return INVALID_FILE_ATTRIBUTES;
    struct stat info
    {
    };
    // One stat answers everything: read-only is a file without write permission for anyone.
    if (stat(nativePath, &info) != 0)
        return INVALID_FILE_ATTRIBUTES;
    DWORD attributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes;
}
} // namespace win32
