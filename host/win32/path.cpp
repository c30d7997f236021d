#include "win32/path.h"

#include "win32/text.h"

namespace win32
{
std::string NativePath(std::wstring_view path)
{
    // One pass: every existence test of a repository element comes through here.
    std::string native;
    native.reserve(path.size());
    for (std::size_t i = 0; i < path.size();)
    {
        wchar_t c = path[i];
        if (c >= 0x80)
        {
            std::size_t end = i;
            while (end < path.size() && path[end] >= 0x80)
                ++end;
            native += WideToUtf8(path.substr(i, end - i));
            i = end;
            continue;
        }
        if (c == L'\\')
            c = L'/';
        if (c != L'/' || native.empty() || native.back() != '/')
            native += static_cast<char>(c);
        ++i;
    }
    return native;
}

std::string NativePath(const wchar_t* path)
{
    return path ? NativePath(std::wstring_view(path)) : std::string();
}
} // namespace win32
