#include "win32/fileapi.h"

#include "win32/path.h"

#include <sys/stat.h>
#include <unistd.h>

DWORD GetFileAttributesW(LPCWSTR path)
{
    if (!path || !*path)
        return INVALID_FILE_ATTRIBUTES;
    const std::string native = win32::NativePath(path);
    struct stat info
    {
    };
    if (stat(native.c_str(), &info) != 0)
        return INVALID_FILE_ATTRIBUTES;
    DWORD attributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if (access(native.c_str(), W_OK) != 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes;
}
