// Loading plug-in libraries as the host does.

#include "hostsdk/ModuleLoader.h"

#include "HostState.h"

#include "hostsdk/GUP.h"
#include "win32/resources.h"
#include "win32/text.h"

#include <algorithm>
#include <cstdio>
#include <dlfcn.h>

namespace
{
using LibDescriptionProc = const MCHAR* (*)();
using LibNumberClassesProc = int (*)();
using LibClassDescProc = ClassDesc* (*)(int);
using LibVersionProc = ULONG (*)();
using LibInitializeProc = int (*)();
using LibShutdownProc = int (*)();

constexpr const char* kEntryPoints[] = {"LibDescription", "LibNumberClasses", "LibClassDesc",
                                        "LibVersion",     "LibInitialize",    "LibShutdown"};

std::wstring Wide(const std::string& text)
{
    return win32::Utf8ToWide(text);
}

std::wstring Hex(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return Wide(text);
}

// The base address of the library that holds address, or null.
HINSTANCE ModuleOf(const void* address)
{
    Dl_info info{};
    if (!address || !dladdr(address, &info))
        return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}

// Action tables read their texts from their module's string table.
MSTR LoadString(HINSTANCE module, int id)
{
    LPCWSTR text = nullptr;
    const int length = LoadStringW(module, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return MSTR();
    return MSTR(hostsdk::FromWide(std::wstring_view(text, static_cast<size_t>(length))));
}
} // namespace

namespace Host
{
ModuleLoader::ModuleLoader(DWORD hostVersion) : m_hostVersion(hostVersion) {}

ModuleLoader::~ModuleLoader()
{
    Shutdown();
}

void* ModuleLoader::FindExport(const PluginModule& module, const char* name) const
{
    return module.library ? dlsym(module.library, name) : nullptr;
}

bool ModuleLoader::Load(const std::string& file, std::wstring& message)
{
    message.clear();
    const std::wstring name = Wide(file);
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    if (library)
    {
        dlclose(library);
        message = name + L": the plug-in library is loaded already.";
        return false;
    }
    library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
    {
        const char* error = dlerror();
        message = name + L": the plug-in library cannot be loaded (" + Wide(error ? error : "unknown error") +
                  L").";
        return false;
    }
    PluginModule module;
    module.file = file;
    module.library = library;
    for (const char* entry : kEntryPoints)
    {
        if (!dlsym(library, entry))
        {
            dlclose(library);
            message = name + L": not a plug-in library: the entry point " + Wide(entry) + L" is missing.";
            return false;
        }
    }
    const auto libVersion = reinterpret_cast<LibVersionProc>(dlsym(library, "LibVersion"));
    module.handle = ModuleOf(reinterpret_cast<const void*>(libVersion));
    module.version = static_cast<DWORD>(libVersion());
    if (SdkRelease(module.version) != SdkRelease(m_hostVersion))
    {
        dlclose(library);
        message = name + L": the plug-in library was built for SDK release " +
                  std::to_wstring(SdkRelease(module.version)) + L" (version " + Hex(module.version) +
                  L"); this host loads only SDK release " + std::to_wstring(SdkRelease(m_hostVersion)) + L".";
        return false;
    }
    if (!reinterpret_cast<LibInitializeProc>(dlsym(library, "LibInitialize"))())
    {
        dlclose(library);
        message = name + L": the plug-in library failed to initialise.";
        return false;
    }
    module.description =
        hostsdk::ToWide(reinterpret_cast<LibDescriptionProc>(dlsym(library, "LibDescription"))());

    SetStringLoader(LoadString);
    ActionManager* actions = GetCOREInterface()->GetActionManager();
    const auto classDesc = reinterpret_cast<LibClassDescProc>(dlsym(library, "LibClassDesc"));
    const int classCount = reinterpret_cast<LibNumberClassesProc>(dlsym(library, "LibNumberClasses"))();
    for (int i = 0; i < classCount; ++i)
    {
        ClassDesc* desc = classDesc(i);
        if (!desc)
            continue;
        RegisterClass(desc);
        module.classes.push_back(desc);
        for (int t = 0; t < desc->NumActionTables(); ++t)
        {
            ActionTable* table = desc->GetActionTable(t);
            if (!table)
                continue;
            const DWORD id = table->GetId();
            // A second table of an id already known is not taken; the host owned it all the same.
            if (actions->RegisterActionTable(table))
                module.actionTables.push_back(id);
            else
                delete table;
        }
    }
    m_modules.push_back(std::move(module));
    return true;
}

void ModuleLoader::StartPlugins()
{
    for (PluginModule& module : m_modules)
    {
        if (module.started)
            continue;
        module.started = true;
        for (ClassDesc* desc : module.classes)
        {
            if (desc->SuperClassID() != GUP_CLASS_ID)
                continue;
            auto* plugin = static_cast<GUP*>(desc->Create(FALSE));
            if (!plugin)
                continue;
            if (plugin->Start() == GUPRESULT_KEEP)
                module.plugins.push_back(plugin);
            else
                plugin->DeleteThis();
        }
    }
}

void ModuleLoader::StopPlugins()
{
    if (m_modules.empty())
        return;
    // The session ends: no command mode of a plug-in stays active.
    hostsdk::LeaveCommandModes();
    for (auto module = m_modules.rbegin(); module != m_modules.rend(); ++module)
    {
        for (auto plugin = module->plugins.rbegin(); plugin != module->plugins.rend(); ++plugin)
        {
            (*plugin)->Stop();
            (*plugin)->DeleteThis();
        }
        module->plugins.clear();
    }
}

void ModuleLoader::Shutdown()
{
    StopPlugins();
    for (auto module = m_modules.rbegin(); module != m_modules.rend(); ++module)
        Unload(*module);
    m_modules.clear();
}

void ModuleLoader::Unload(PluginModule& module)
{
    // Nothing of the library may stay behind in the host once its code is gone.
    ActionManager* actions = GetCOREInterface()->GetActionManager();
    for (DWORD id : module.actionTables)
        actions->RemoveActionTable(id);
    for (ClassDesc* desc : module.classes)
        UnregisterClass(desc);
    auto& registrations = hostsdk::State().registrations;
    registrations.erase(
        std::remove_if(registrations.begin(), registrations.end(),
                       [&](const hostsdk::Registration& r)
                       { return ModuleOf(reinterpret_cast<const void*>(r.proc)) == module.handle; }),
        registrations.end());
    reinterpret_cast<LibShutdownProc>(dlsym(module.library, "LibShutdown"))();
    dlclose(module.library);
    module.library = nullptr;
}
} // namespace Host
