#include "plugin/DllEntry.h"

#include "win32/libloader.h"
#include "win32/resources.h"

HINSTANCE hInstance = nullptr;

namespace
{
constexpr int kStringBufferSize = 512;
MCHAR g_stringBuffer[kStringBufferSize];
} // namespace

BOOL DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        hInstance = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

const MCHAR* GetString(int id)
{
    if (!hInstance)
        return nullptr;
#if ZANRET_WIDE_TEXT
    const int length = LoadStringW(hInstance, static_cast<UINT>(id), g_stringBuffer, kStringBufferSize);
#else
    const int length = LoadStringA(hInstance, static_cast<UINT>(id), g_stringBuffer, kStringBufferSize);
#endif
    return length != 0 ? g_stringBuffer : nullptr;
}
