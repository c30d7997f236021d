#include "win32/stdlib.h"

#include <clocale>
#include <cstdlib>
#include <cwctype>
#include <locale.h>
#include <string>

namespace
{
bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// Appends the run of decimal digits at text and moves past it; false when there was none.
bool TakeDigits(const wchar_t*& text, std::string& out)
{
    const wchar_t* start = text;
    for (; IsDigit(*text); ++text)
        out += static_cast<char>(*text);
    return text != start;
}
} // namespace

double _wtof(const wchar_t* text)
{
    if (!text)
        return 0.0;
    while (*text && std::iswspace(static_cast<wint_t>(*text)))
        ++text;
    // Only [sign] digits [. digits] [e [sign] digits] is a number here: strtod alone would also
    // read "inf", "nan" and hexadecimal, which would put infinities into positions and rotations.
    std::string number;
    if (*text == L'+' || *text == L'-')
        number += static_cast<char>(*text++);
    bool hasDigits = TakeDigits(text, number);
    if (*text == L'.')
    {
        number += '.';
        ++text;
        hasDigits = TakeDigits(text, number) || hasDigits;
    }
    if (!hasDigits)
        return 0.0;
    if (*text == L'e' || *text == L'E')
    {
        const wchar_t* exponent = text + 1;
        std::string digits = "e";
        if (*exponent == L'+' || *exponent == L'-')
            digits += static_cast<char>(*exponent++);
        if (TakeDigits(exponent, digits))
            number += digits;
    }
    // strtod_l in the "C" locale, so that a decimal comma locale does not change what is read.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, cLocale);
}
