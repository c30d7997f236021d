#include "win32/libloader.h"

#include <set>

namespace
{
std::set<HMODULE>& Disabled()
{
    static std::set<HMODULE> modules;
    return modules;
}
} // namespace

BOOL DisableThreadLibraryCalls(HMODULE module)
{
    if (!module)
        return FALSE;
    Disabled().insert(module);
    return TRUE;
}

namespace win32
{
bool ThreadLibraryCallsDisabled(HMODULE module)
{
    return Disabled().count(module) != 0;
}

void ForgetModule(HMODULE module)
{
    Disabled().erase(module);
}
} // namespace win32
