#include "hostsdk/GUP.h"

#include "hostsdk/MaxScript.h"

#include "HostState.h"

#include "win32/text.h"
#include "win32/textfile.h"

#include <sstream>

HINSTANCE GUP::MaxInst()
{
    return nullptr;
}

HWND GUP::MaxWnd()
{
    return hostsdk::State().mainWindow;
}

const MCHAR* GUP::MaxDllDir()
{
    return hostsdk::State().pluginFolder.data();
}

Interface* GUP::Max()
{
    return GetCOREInterface();
}

int GUP::EnumTree(ITreeEnumProc* proc)
{
    if (!proc)
        return 0;
    int visited = 0;
    for (hostsdk::SceneNode* node : hostsdk::SceneNodeList())
    {
        ++visited;
        if (proc->callback(node))
            break;
    }
    return visited;
}

BOOL GUP::ExecuteStringScript(const MCHAR* text)
{
    return ExecuteMAXScriptScript(text);
}

BOOL GUP::ExecuteFileScript(const MCHAR* file)
{
    const std::wstring path = hostsdk::ToWide(file);
    std::string content;
    if (path.empty() || !win32::ReadTextModeFile(path.c_str(), content))
        return FALSE;
    std::istringstream lines(content);
    std::string line;
    BOOL ok = TRUE;
    while (std::getline(lines, line))
        if (!line.empty() && !ExecuteMAXScriptScript(hostsdk::FromWide(win32::Utf8ToWide(line)).c_str()))
            ok = FALSE;
    return ok;
}
