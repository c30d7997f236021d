#include "win32/stdlib.h"

#include <clocale>
#include <cstdlib>
#include <cwctype>
#include <locale.h>
#include <string>

double _wtof(const wchar_t* text)
{
    if (!text)
        return 0.0;
    while (*text && std::iswspace(static_cast<wint_t>(*text)))
        ++text;
    // strtod_l in the "C" locale, so that a decimal comma locale does not change what is read.
    std::string ascii;
    for (; *text && *text < 0x80; ++text)
        ascii += static_cast<char>(*text);
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}
