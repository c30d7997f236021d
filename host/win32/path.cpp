#include "win32/path.h"

#include "win32/text.h"

#include <cstdint>

namespace win32
{
void AppendNativePath(std::string& native, std::wstring_view path)
{
    // One pass: every existence test of a repository element comes through here.
    std::uint32_t bits = 0;
    for (const wchar_t c : path)
        bits |= static_cast<std::uint32_t>(c);
    const bool ascii = bits < 0x80;
    const std::size_t start = native.size();
    native.resize(start + (ascii ? 1 : 4) * path.size());
    char* const begin = native.data();
    char* out = begin + start;
    bool afterSeparator = start > 0 && begin[start - 1] == '/';
    // A separator after a separator is written, and written over by what follows.
    if (ascii)
    {
        for (const wchar_t c : path)
        {
            const bool separator = (c == L'\\') | (c == L'/');
            *out = separator ? '/' : static_cast<char>(c);
            out += !(separator & afterSeparator);
            afterSeparator = separator;
        }
    }
    else
    {
        for (const wchar_t c : path)
        {
            const bool separator = c == L'\\' || c == L'/';
            if (c < 0x80 || separator)
            {
                *out = separator ? '/' : static_cast<char>(c);
                out += separator && afterSeparator ? 0 : 1;
            }
            else
                out += EncodeUtf8(static_cast<char32_t>(c), out);
            afterSeparator = separator;
        }
    }
    native.resize(static_cast<std::size_t>(out - begin));
}

std::string NativePath(std::wstring_view path)
{
    std::string native;
    AppendNativePath(native, path);
    return native;
}

std::string NativePath(const wchar_t* path)
{
    return path ? NativePath(std::wstring_view(path)) : std::string();
}
} // namespace win32
