#pragma once
// What the system tells a module about its own loading.

#include "win32/types.h"

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

// Asks for no thread attach and detach calls of the module. False for a null handle.
BOOL DisableThreadLibraryCalls(HMODULE module);

namespace win32
{
// True once DisableThreadLibraryCalls was called for the module (this system makes no thread
// calls in any case).
bool ThreadLibraryCallsDisabled(HMODULE module);
// Forgets what was recorded for the module when it is unloaded.
void ForgetModule(HMODULE module);
} // namespace win32
