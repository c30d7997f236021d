#include "win32/stdlib.h"

#include <clocale>
#include <gtest/gtest.h>

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
