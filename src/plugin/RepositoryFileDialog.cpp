// The repository file dialog: the user picks the catalogue, and its folder becomes the repository.

#include "plugin/Commands.h"

#include "plugin/DllEntry.h"
#include "repository/Debug.h"
#include "repository/Settings.h"

#include "hostsdk/Text.h"
#include "win32/actctx.h"
#include "win32/commdlg.h"
#include "win32/resources.h"
#include "win32/splitpath.h"

#include <string>

namespace ZANRET
{
namespace Commands
{
namespace
{
#if ZANRET_WIDE_TEXT
using OpenFileRecord = OPENFILENAMEW;
#else
using OpenFileRecord = OPENFILENAMEA;
#endif

// The dialog runs under the activation context of the plug-in's own manifest, so that it gets the
// controls the manifest asks for; without one, under the process's default.
class ModuleActivationContext
{
public:
    ModuleActivationContext()
    {
        ACTCTXW request{};
        request.cbSize = sizeof(request);
        request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.hModule = hInstance;
        request.lpResourceName = MAKEINTRESOURCEW(ISOLATIONAWARE_MANIFEST_RESOURCE_ID);
        m_context = CreateActCtxW(&request);
        if (m_context != INVALID_HANDLE_VALUE)
            m_active = ActivateActCtx(m_context, &m_cookie) != FALSE;
    }
    ~ModuleActivationContext()
    {
        if (m_active)
            DeactivateActCtx(0, m_cookie);
        if (m_context != INVALID_HANDLE_VALUE)
            ReleaseActCtx(m_context);
    }
    ModuleActivationContext(const ModuleActivationContext&) = delete;
    ModuleActivationContext& operator=(const ModuleActivationContext&) = delete;

private:
    HANDLE m_context = INVALID_HANDLE_VALUE;
    ULONG_PTR m_cookie = 0;
    bool m_active = false;
};

BOOL ShowOpenFileDialog(OpenFileRecord& record)
{
    ModuleActivationContext context;
#if ZANRET_WIDE_TEXT
    return GetOpenFileNameW(&record);
#else
    return GetOpenFileNameA(&record);
#endif
}

void SplitPath(const MCHAR* path, MCHAR* drive, MCHAR* dir, MCHAR* fname, MCHAR* ext)
{
#if ZANRET_WIDE_TEXT
    _wsplitpath(path, drive, dir, fname, ext);
#else
    _splitpath(path, drive, dir, fname, ext);
#endif
}
} // namespace

bool SelectRepositoryFile()
{
    MCHAR fileName[MAX_PATH] = {};
    OpenFileRecord record{};
    record.lStructSize = sizeof(record);
    record.hwndOwner = nullptr;
    record.lpstrFilter = _M("ZANRET XML\0*.XML\0");
    record.nFilterIndex = 0;
    record.lpstrFile = fileName;
    record.nMaxFile = MAX_PATH;
    record.lpstrTitle = _M("Select file \"zanret.xml\"");
    record.Flags = OFN_ENABLESIZING | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!ShowOpenFileDialog(record))
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"User selected no directory");
        return false;
    }

    MCHAR drive[_MAX_DRIVE] = {};
    MCHAR dir[_MAX_DIR] = {};
    MCHAR name[_MAX_FNAME] = {};
    MCHAR ext[_MAX_EXT] = {};
    SplitPath(fileName, drive, dir, name, ext);
    const std::basic_string<MCHAR> folder = std::basic_string<MCHAR>(drive) + dir;
    // A part cut to its maximum length would store some other folder.
    if (folder + name + ext != fileName)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Commands::SelectRepositoryFile: path too long");
        return false;
    }
    const std::wstring wideFolder = hostsdk::ToWide(folder.c_str());
    Debug::AddDebugMessage(DEBUG_INFO, wideFolder.c_str());
    Settings::SetPath(wideFolder.c_str());
    return true;
}
} // namespace Commands
} // namespace ZANRET
