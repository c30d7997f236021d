#include "win32/stdlib.h"

#include <charconv>
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

template <typename Char> bool IsNumberCharacter(Char c)
{
    return IsDigit(c) || c == Char('.') || c == Char('e') || c == Char('E') || c == Char('+') ||
           c == Char('-');
}

// Digits [. digits], at most 15 of them and no exponent, as most numbers of a catalogue are: one
// division of two doubles that hold their values exactly rounds as strtod does. False for any
// other text.
bool ReadShortDecimal(const char* text, const char* end, double& value)
{
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t digits = 0;
    int count = 0;
    int point = -1;
    for (; text != end; ++text)
    {
        const unsigned digit = static_cast<unsigned char>(*text) - unsigned{'0'};
        if (digit < 10)
        {
            if (++count > 15)
                return false;
            digits = digits * 10 + digit;
        }
        else if (*text == '.' && point < 0)
            point = count;
        else
            break;
    }
    if (count == 0 || (text != end && (*text == 'e' || *text == 'E')))
        return false;
    value = static_cast<double>(digits) / kPowers[point < 0 ? 0 : count - point];
    return true;
}

// Only [sign] digits [. digits] [e [sign] digits] is a number here, rounded as strtod rounds it:
// strtod alone would also read "inf", "nan" and hexadecimal, which would put infinities into
// positions and rotations. Locale-independent.
double ReadNumber(const char* text, const char* end)
{
    const bool negative = text != end && *text == '-';
    if (text != end && (*text == '-' || *text == '+'))
        ++text;
    // from_chars would take a second sign, "inf" and "nan".
    if (text == end || !(IsDigit(*text) || *text == '.'))
        return 0.0;
    double value = 0.0;
    if (ReadShortDecimal(text, end, value))
        return negative ? -value : value;
    const auto [stop, error] = std::from_chars(text, end, value, std::chars_format::general);
    if (error == std::errc::invalid_argument)
        return 0.0;
    if (error == std::errc::result_out_of_range)
    {
        // strtod answers infinity, zero or the nearest subnormal there.
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
        value = strtod_l(std::string(text, stop).c_str(), nullptr, cLocale);
    }
    return negative ? -value : value;
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
    // The characters that can make up a number, narrowed.
    std::size_t n = 0;
    while (IsNumberCharacter(text[n]))
        ++n;
    char local[64];
    std::string longer(n > sizeof local ? n : 0, '\0');
    char* number = n > sizeof local ? longer.data() : local;
    for (std::size_t k = 0; k < n; ++k)
        number[k] = static_cast<char>(text[k]);
    return ReadNumber(number, number + n);
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
    // A NUL ends the text, as it ends a wide string: it is no part of a number.
    return ReadNumber(text.data() + i, text.data() + text.size());
}
} // namespace win32
