#pragma once
// The host SDK this build is made against. The 2019 build is the default; the builds for older
// hosts define ZANRET_SDK_YEAR.

#include "win32/types.h"

#ifndef ZANRET_SDK_YEAR
#define ZANRET_SDK_YEAR 2019
#endif

namespace ZANRET
{
constexpr int kSdkYear = ZANRET_SDK_YEAR;

// Release number << 16 | API number << 8 | revision, as the host compares it when it loads a
// plug-in library.
constexpr DWORD SdkVersionWord(DWORD release, DWORD api)
{
    return (release << 16) + (api << 8);
}

constexpr DWORD SdkVersionWordOf(int year)
{
    switch (year)
    {
    case 2012:
        return SdkVersionWord(14000, 38);
    case 2013:
        return SdkVersionWord(15000, 40);
    case 2015:
        return SdkVersionWord(17000, 44);
    case 2016:
        return SdkVersionWord(18000, 46);
    case 2017:
        return SdkVersionWord(19000, 48);
    case 2018:
        return SdkVersionWord(20000, 50);
    default:
        return SdkVersionWord(21000, 52);
    }
}

constexpr DWORD kSdkVersionWord = SdkVersionWordOf(kSdkYear);

static_assert(SdkVersionWordOf(2012) == 0x36B02600 && SdkVersionWordOf(2019) == 0x52083400);
} // namespace ZANRET
