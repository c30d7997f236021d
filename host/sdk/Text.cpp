#include "hostsdk/Text.h"

#include "win32/text.h"

namespace hostsdk
{
std::wstring ToWide(const MCHAR* text)
{
    if (!text)
        return {};
#if ZANRET_WIDE_TEXT
    return text;
#else
    return win32::Utf8ToWide(text);
#endif
}

std::basic_string<MCHAR> FromWide(std::wstring_view text)
{
#if ZANRET_WIDE_TEXT
    return std::wstring(text);
#else
    return win32::WideToUtf8(text);
#endif
}
} // namespace hostsdk
