#include "win32/fileapi.h"

#include "win32/path.h"

#include <sys/stat.h>

DWORD GetFileAttributesW(LPCWSTR path)
{
    if (!path || !*path)
        return INVALID_FILE_ATTRIBUTES;
    const std::string native = win32::NativePath(path);
    struct stat info
    {
    };
    // One stat answers everything: read-only is a file without write permission for anyone.
    if (stat(native.c_str(), &info) != 0)
        return INVALID_FILE_ATTRIBUTES;
    DWORD attributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes;
}
