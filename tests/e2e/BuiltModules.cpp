#include "BuiltModules.h"

#include "hostsdk/ModuleLoader.h"

// The words the host SDKs of those years report.
static_assert(Host::kSdk2012 == 0x36B02600 && Host::kSdk2013 == 0x3A982800 && Host::kSdk2015 == 0x42682C00 &&
              Host::kSdk2016 == 0x46502E00 && Host::kSdk2017 == 0x4A383000 && Host::kSdk2018 == 0x4E203200 &&
              Host::kSdk2019 == 0x52083400);

const std::vector<BuiltModule>& BuiltModules()
{
    static const std::vector<BuiltModule> modules = {
#include "BuiltModules.inc"
    };
    return modules;
}

DWORD HostVersionOf(int year)
{
    switch (year)
    {
    case 2012:
        return Host::kSdk2012;
    case 2013:
        return Host::kSdk2013;
    case 2015:
        return Host::kSdk2015;
    case 2016:
        return Host::kSdk2016;
    case 2017:
        return Host::kSdk2017;
    case 2018:
        return Host::kSdk2018;
    default:
        return Host::kSdk2019;
    }
}
