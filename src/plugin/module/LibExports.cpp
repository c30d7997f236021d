// The six functions the host looks up when it loads the library. They are the library's only
// exports (resources/exports.map here, resources/zanret.def with its ordinals for Windows).

#include "plugin/DllEntry.h"
#include "plugin/SdkVersion.h"
#include "plugin/zanretClassDesc.h"

#define ZANRET_EXPORT extern "C" __attribute__((visibility("default")))

namespace
{
constexpr int kDescriptionString = 1;
} // namespace

ZANRET_EXPORT const MCHAR* LibDescription()
{
    return GetString(kDescriptionString);
}

ZANRET_EXPORT int LibNumberClasses()
{
    return 1;
}

ZANRET_EXPORT ClassDesc* LibClassDesc(int i)
{
    return i == 0 ? GetZanretClassDesc() : nullptr;
}

ZANRET_EXPORT ULONG LibVersion()
{
    return ZANRET::kSdkVersionWord;
}

ZANRET_EXPORT int LibInitialize()
{
    return TRUE;
}

ZANRET_EXPORT int LibShutdown()
{
    return TRUE;
}
