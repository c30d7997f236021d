// What the system loader does for a library on Windows: make its resources findable by its module
// handle (its base address) and call its DllMain when it is loaded and unloaded.

#include "plugin/DllEntry.h"
#include "resources/ModuleResources.h"
#include "scene/Placement.h"
#include "scene/PlacementMode.h"

#include "win32/libloader.h"
#include "win32/resources.h"

#include <dlfcn.h>

namespace
{
HINSTANCE OwnModuleHandle()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&OwnModuleHandle), &info))
        return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}

__attribute__((constructor)) void AttachModule()
{
    const HINSTANCE module = OwnModuleHandle();
    win32::RegisterModuleResources(module, &ZANRET::kModuleResources);
    DllMain(module, DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void DetachModule()
{
    const HINSTANCE module = OwnModuleHandle();
    // The placement mode is kept for the life of the process; a library that is unloaded ends that
    // life here, as its code goes with it.
    delete ZANRET::Placement::GetMode();
    DllMain(module, DLL_PROCESS_DETACH, nullptr);
    win32::UnregisterModuleResources(module);
    win32::ForgetModule(module);
}
} // namespace
