#include "win32/stdlib.h"

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cwctype>
#include <locale.h>
#include <string>

namespace
{
template <typename Char> bool IsDigit(Char c)
{
    return c >= Char('0') && c <= Char('9');
}

// Appends the run of decimal digits at text and moves past it; false when there was none.
template <typename Char> bool TakeDigits(const Char*& text, const Char* end, std::string& out)
{
    const Char* start = text;
    for (; text != end && IsDigit(*text); ++text)
        out += static_cast<char>(*text);
    return text != start;
}

// "[sign] digits [. digits]" with at most 15 digits and no exponent is read exactly by one division
// of two doubles that hold their values exactly, which rounds as strtod does. False for any other
// text, which strtod then reads.
template <typename Char> bool ReadExactly(const Char* text, const Char* end, double& value)
{
    constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = text != end && *text == Char('-');
    if (text != end && (*text == Char('-') || *text == Char('+')))
        ++text;
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = 0;
    bool point = false;
    for (; text != end; ++text)
    {
        if (*text == Char('.') && !point)
        {
            point = true;
            continue;
        }
        if (!IsDigit(*text))
            break;
        if (++count > 15)
            return false;
        digits = digits * 10 + static_cast<std::uint64_t>(*text - Char('0'));
        fraction += point ? 1 : 0;
    }
    if (count == 0 || (text != end && (*text == Char('e') || *text == Char('E'))))
        return false;
    value = static_cast<double>(digits) / kPowers[fraction];
    if (negative)
        value = -value;
    return true;
}

// Only [sign] digits [. digits] [e [sign] digits] is a number here: strtod alone would also read
// "inf", "nan" and hexadecimal, which would put infinities into positions and rotations.
template <typename Char> double ReadNumber(const Char* text, const Char* end)
{
    double value = 0.0;
    if (ReadExactly(text, end, value))
        return value;
    std::string number;
    if (text != end && (*text == Char('+') || *text == Char('-')))
        number += static_cast<char>(*text++);
    bool hasDigits = TakeDigits(text, end, number);
    if (text != end && *text == Char('.'))
    {
        number += '.';
        ++text;
        hasDigits = TakeDigits(text, end, number) || hasDigits;
    }
    if (!hasDigits)
        return 0.0;
    if (text != end && (*text == Char('e') || *text == Char('E')))
    {
        const Char* exponent = text + 1;
        std::string digits = "e";
        if (exponent != end && (*exponent == Char('+') || *exponent == Char('-')))
            digits += static_cast<char>(*exponent++);
        if (TakeDigits(exponent, end, digits))
            number += digits;
    }
    // strtod_l in the "C" locale, so that a decimal comma locale does not change what is read.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, cLocale);
}

// The code point at text in UTF-8 and its length; U+FFFD for a malformed sequence, as the wide
// conversion of the text would give.
char32_t DecodeUtf8(const unsigned char* text, std::size_t available, std::size_t& length)
{
    length = 1;
    const unsigned char lead = text[0];
    if (lead < 0x80)
        return lead;
    int extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || static_cast<std::size_t>(extra) >= available)
        return 0xFFFD;
    static const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k)
    {
        if ((text[k] & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (text[k] & 0x3F);
    }
    if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0xFFFD;
    length = static_cast<std::size_t>(extra) + 1;
    return cp;
}
} // namespace

double _wtof(const wchar_t* text)
{
    if (!text)
        return 0.0;
    while (*text && std::iswspace(static_cast<wint_t>(*text)))
        ++text;
    const wchar_t* end = text;
    while (*end)
        ++end;
    return ReadNumber(text, end);
}

namespace win32
{
double Utf8Atof(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = 0;
    while (i < text.size())
    {
        // A digit, sign or point is no blank in any locale: the usual number needs no look-up.
        if (IsDigit(text[i]) || text[i] == '-' || text[i] == '+' || text[i] == '.')
            break;
        std::size_t length = 1;
        const char32_t cp = DecodeUtf8(bytes + i, text.size() - i, length);
        if (cp == 0 || !std::iswspace(static_cast<wint_t>(cp)))
            break;
        i += length;
    }
    // A NUL ends the text, as it ends a wide string.
    std::string_view rest = text.substr(i);
    rest = rest.substr(0, rest.find('\0'));
    return ReadNumber(rest.data(), rest.data() + rest.size());
}
} // namespace win32
