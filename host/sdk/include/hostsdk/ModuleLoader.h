#pragma once
// How the host loads plug-in libraries: it opens each library, checks its entry points and the SDK
// version it was built against, registers its classes and action tables, creates and starts its
// global utility plug-ins, and at shutdown stops and deletes them and unloads the library.

#include "hostsdk/Types.h"

#include <string>
#include <vector>

class ClassDesc;
class GUP;

namespace Host
{
// An SDK version word: release << 16 | API number << 8 | revision. A host loads only libraries
// built against its own SDK release.
constexpr DWORD SdkVersionWord(DWORD release, DWORD api, DWORD revision = 0)
{
    return (release << 16) + (api << 8) + revision;
}
constexpr DWORD kSdk2012 = SdkVersionWord(14000, 38);
constexpr DWORD kSdk2013 = SdkVersionWord(15000, 40);
constexpr DWORD kSdk2015 = SdkVersionWord(17000, 44);
constexpr DWORD kSdk2016 = SdkVersionWord(18000, 46);
constexpr DWORD kSdk2017 = SdkVersionWord(19000, 48);
constexpr DWORD kSdk2018 = SdkVersionWord(20000, 50);
constexpr DWORD kSdk2019 = SdkVersionWord(21000, 52);
constexpr DWORD SdkRelease(DWORD versionWord)
{
    return versionWord >> 16;
}

// One loaded plug-in library.
struct PluginModule
{
    std::string file;
    void* library = nullptr;    // the system's handle of the open library
    HINSTANCE handle = nullptr; // the module handle: its base address
    DWORD version = 0;
    std::wstring description;
    std::vector<ClassDesc*> classes;
    std::vector<DWORD> actionTables; // ids of the tables registered from it
    std::vector<GUP*> plugins;       // its running global utility plug-ins
    bool started = false;            // its plug-ins were created and started once
};

class ModuleLoader
{
public:
    // A host of the SDK whose version word is hostVersion.
    explicit ModuleLoader(DWORD hostVersion);
    // Shuts down what is still loaded.
    ~ModuleLoader();
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    // Opens the library, checks it and registers its classes and action tables. False with a
    // message for the user when it cannot be opened, lacks an entry point, was built for another SDK
    // release, refuses to initialise or is loaded already; nothing of it stays registered then.
    bool Load(const std::string& file, std::wstring& message);
    // Creates and starts the global utility plug-ins of every loaded library whose plug-ins were
    // not started yet. A plug-in whose Start does not ask to be kept is deleted again.
    void StartPlugins();
    // Leaves the command modes and stops and deletes the plug-ins, last started first.
    void StopPlugins();
    // StopPlugins, then takes the libraries' action tables, classes and notifications out of the
    // host and unloads the libraries, last loaded first.
    void Shutdown();

    DWORD HostVersion() const { return m_hostVersion; }
    const std::vector<PluginModule>& Modules() const { return m_modules; }
    // The module's own export, or null.
    void* FindExport(const PluginModule& module, const char* name) const;

private:
    void Unload(PluginModule& module);

    DWORD m_hostVersion;
    std::vector<PluginModule> m_modules;
};
} // namespace Host
