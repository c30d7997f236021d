#include "win32/splitpath.h"

#include <algorithm>
#include <string_view>

namespace
{
template <typename Char> void CopyPart(std::basic_string_view<Char> part, Char* out, int max)
{
    if (!out)
        return;
    const std::size_t length = std::min(part.size(), static_cast<std::size_t>(max - 1));
    std::copy_n(part.data(), length, out);
    out[length] = Char(0);
}

template <typename Char> void SplitPath(const Char* path, Char* drive, Char* dir, Char* fname, Char* ext)
{
    std::basic_string_view<Char> rest =
        path ? std::basic_string_view<Char>(path) : std::basic_string_view<Char>();
    std::basic_string_view<Char> drivePart;
    if (rest.size() >= 2 && rest[1] == Char(':'))
    {
        drivePart = rest.substr(0, 2);
        rest.remove_prefix(2);
    }
    std::size_t lastSeparator = std::basic_string_view<Char>::npos;
    for (std::size_t i = 0; i < rest.size(); ++i)
        if (rest[i] == Char('\\') || rest[i] == Char('/'))
            lastSeparator = i;
    std::basic_string_view<Char> dirPart;
    if (lastSeparator != std::basic_string_view<Char>::npos)
    {
        dirPart = rest.substr(0, lastSeparator + 1);
        rest.remove_prefix(lastSeparator + 1);
    }
    const std::size_t dot = rest.rfind(Char('.'));
    const std::basic_string_view<Char> namePart =
        dot == std::basic_string_view<Char>::npos ? rest : rest.substr(0, dot);
    const std::basic_string_view<Char> extPart =
        dot == std::basic_string_view<Char>::npos ? std::basic_string_view<Char>() : rest.substr(dot);
    CopyPart(drivePart, drive, _MAX_DRIVE);
    CopyPart(dirPart, dir, _MAX_DIR);
    CopyPart(namePart, fname, _MAX_FNAME);
    CopyPart(extPart, ext, _MAX_EXT);
}
} // namespace

void _wsplitpath(const wchar_t* path, wchar_t* drive, wchar_t* dir, wchar_t* fname, wchar_t* ext)
{
    SplitPath(path, drive, dir, fname, ext);
}

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext)
{
    SplitPath(path, drive, dir, fname, ext);
}
