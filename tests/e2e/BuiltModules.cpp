#include "BuiltModules.h"

#include "hostsdk/ModuleLoader.h"

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
