#include "win32/stdlib.h"
#include "win32/text.h"

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <gtest/gtest.h>
#include <locale.h>
#include <random>
#include <string>

TEST(Win32Wtof, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(_wtof(L"1.5"), 1.5);
    EXPECT_DOUBLE_EQ(_wtof(L"  -12.25xyz"), -12.25);
    EXPECT_DOUBLE_EQ(_wtof(L"+3e2"), 300.0);
    EXPECT_DOUBLE_EQ(_wtof(L"abc"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L""), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(nullptr), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L"7\u00e9"), 7.0);
    EXPECT_DOUBLE_EQ(_wtof(L".5"), 0.5);
    EXPECT_DOUBLE_EQ(_wtof(L"2."), 2.0);
    EXPECT_DOUBLE_EQ(_wtof(L"4e"), 4.0);
    EXPECT_DOUBLE_EQ(_wtof(L"4e-x"), 4.0);
    EXPECT_DOUBLE_EQ(_wtof(L"-.25E-1"), -0.025);
    EXPECT_DOUBLE_EQ(_wtof(L"."), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L"-"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L"e5"), 0.0);
}

TEST(Win32Wtof, OnlyDecimalNumbersAreRead)
{
    EXPECT_DOUBLE_EQ(_wtof(L"inf"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L"-Infinity"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L"nan"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L"0x1A"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L"12x1A"), 12.0);
}

TEST(Win32Wtof, DecimalPointUnderADecimalCommaLocale)
{
    // scripts/setup generates this locale; a Qt application sets the locale from the environment.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    EXPECT_DOUBLE_EQ(_wtof(L"1.5"), 1.5);
    EXPECT_DOUBLE_EQ(_wtof(L"1,5"), 1.0);
    std::setlocale(LC_ALL, "C");
}

TEST(Win32Wtof, ShortDecimalsReadAsStrtodReadsThem)
{
    // Up to 15 digits take a shortcut; it must round exactly as strtod does.
    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i)
    {
        std::string text = random() % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 17);
        const int point = static_cast<int>(random() % (digits + 1));
        for (int d = 0; d < digits; ++d)
        {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        const std::wstring wide(text.begin(), text.end());
        const double expected = std::strtod(text.c_str(), nullptr);
        const double read = _wtof(wide.c_str());
        ASSERT_EQ(std::memcmp(&expected, &read, sizeof read), 0) << text;
    }
}

TEST(Win32Wtof, Utf8TextReadsAsItsWideForm)
{
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    for (const char* text : {"1.5", " \t-12.25xyz", "+3e2", "abc", "", "7\xc3\xa9",
                             "\xe2\x80\x83"
                             "4.5",
                             "\xe3\x80\x80-2",
                             "\xff"
                             "1",
                             "inf", "0x1A", "-.25E-1", "1,5", "12345678901234567"})
    {
        const std::wstring wide = win32::Utf8ToWide(text);
        EXPECT_EQ(win32::Utf8Atof(text), _wtof(wide.c_str())) << text;
    }
    std::setlocale(LC_ALL, "C");
}

namespace
{
// What _wtof is, written plainly: blanks as iswspace says, then the longest
// [sign] digits [. digits] [e [sign] digits] with a digit before the exponent, read by strtod in
// the "C" locale; 0 when there is no such number.
double PlainWtof(const std::wstring& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i])))
        ++i;
    std::string number;
    const auto digits = [&]
    {
        const std::size_t before = number.size();
        for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
            number += static_cast<char>(text[i]);
        return number.size() > before;
    };
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        number += static_cast<char>(text[i++]);
    bool any = digits();
    if (i < text.size() && text[i] == L'.')
    {
        number += '.';
        ++i;
        any = digits() || any;
    }
    if (!any)
        return 0.0;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E'))
    {
        const std::string mantissa = number;
        number += 'e';
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
            number += static_cast<char>(text[i++]);
        if (!digits())
            number = mantissa;
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, cLocale);
}
} // namespace

TEST(Win32Wtof, RandomTextsReadAsThePlainDefinitionReadsThem)
{
    // Pieces that meet every branch: signs, points and exponents in and out of place, long digit
    // runs, overflow and underflow, words strtod would read, blanks in and beyond ASCII.
    static const char* const pieces[] = {"0",
                                         "7",
                                         "123",
                                         "00000",
                                         "1234567",
                                         ".25",
                                         "98765432109876543210",
                                         ".",
                                         "e",
                                         "E",
                                         "+",
                                         "-",
                                         " ",
                                         "\t",
                                         "x",
                                         "inf",
                                         "nan",
                                         "0x1p3",
                                         "e400",
                                         "e-400",
                                         "e-320",
                                         "e308",
                                         ",",
                                         "\xc3\xa9",
                                         "\xe2\x80\x83",
                                         "\xe3\x80\x80",
                                         "\xff",
                                         "\xf0\x9f\x98\x80",
                                         "2.4703282292062327e-324",
                                         "1.7976931348623159e308"};
    std::mt19937 random(21);
    for (const char* locale : {"C", "de_DE.UTF-8"})
    {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
        for (int i = 0; i < 300000; ++i)
        {
            std::string text;
            for (std::uint32_t n = 1 + random() % 6; n > 0; --n)
                text += pieces[random() % (sizeof pieces / sizeof *pieces)];
            const std::wstring wide = win32::Utf8ToWide(text);
            const double expected = PlainWtof(wide);
            const double read = _wtof(wide.c_str());
            const double readUtf8 = win32::Utf8Atof(text);
            ASSERT_EQ(std::memcmp(&expected, &read, sizeof read), 0) << text;
            ASSERT_EQ(std::memcmp(&expected, &readUtf8, sizeof read), 0) << text;
        }
    }
    std::setlocale(LC_ALL, "C");
}
