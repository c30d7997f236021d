#pragma once
// Repository paths are written with backslashes; on this system they are mapped once, here.

#include <string>
#include <string_view>

namespace win32
{
// Turns every "\" into "/", collapses runs of separators into one, and encodes as UTF-8.
std::string NativePath(const wchar_t* path);
std::string NativePath(std::wstring_view path);
inline std::string NativePath(const std::wstring& path)
{
    return NativePath(std::wstring_view(path));
}
// Appends the native form of path to a native path as if the two were one path: a separator at
// the join counts together with one that native ends with.
void AppendNativePath(std::string& native, std::wstring_view path);
} // namespace win32
