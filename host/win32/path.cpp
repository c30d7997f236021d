#include "win32/path.h"

#include "win32/text.h"

namespace win32
{
std::string NativePath(const std::wstring& path)
{
    std::wstring mapped;
    mapped.reserve(path.size());
    for (wchar_t c : path)
    {
        if (c == L'\\')
            c = L'/';
        if (c == L'/' && !mapped.empty() && mapped.back() == L'/')
            continue;
        mapped += c;
    }
    return WideToUtf8(mapped);
}

std::string NativePath(const wchar_t* path)
{
    return path ? NativePath(std::wstring(path)) : std::string();
}
} // namespace win32
