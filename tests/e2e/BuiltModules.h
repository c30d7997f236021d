#pragma once
// The plug-in libraries this build made for the host profile of the test program, and a library
// that is not a plug-in (BuiltModules.inc is written by CMake).

#include "win32/types.h"

#include <ostream>
#include <string>
#include <vector>

struct BuiltModule
{
    int year;
    const char* file;
};

// Test names and messages show the year.
inline void PrintTo(const BuiltModule& module, std::ostream* out)
{
    *out << module.year;
}

const std::vector<BuiltModule>& BuiltModules();
const char* NotAPluginLibrary();
// The SDK version word of a host of that year.
DWORD HostVersionOf(int year);
