// The command-mode stack and the host commands.

#include "HostState.h"

#include <algorithm>

int MouseCallBack::proc(HWND, int, int, int, IPoint2)
{
    return TRUE;
}

namespace hostsdk
{
MouseCallBack* SelectMode::MouseProc(int* numPoints)
{
    if (numPoints)
        *numPoints = 1;
    return &m_proc;
}

void LeaveCommandModes()
{
    HostState& s = State();
    if (s.modes.size() <= 1)
        return;
    CommandMode* active = s.modes.back();
    s.modes.erase(s.modes.begin() + 1, s.modes.end());
    active->ExitMode();
}
} // namespace hostsdk

using namespace hostsdk;

void HostInterface::PushCommandMode(CommandMode* mode)
{
    HostState& s = State();
    if (!mode)
        return;
    CommandMode* old = s.modes.back();
    // A mode that is on the stack already moves to the top.
    if (old == mode)
    {
        s.modes.pop_back();
        mode->ExitMode();
        old = s.modes.back();
    }
    else
    {
        s.modes.erase(std::remove(s.modes.begin() + 1, s.modes.end(), mode), s.modes.end());
        old->ExitMode();
    }
    s.modes.push_back(mode);
    mode->ChangeFG(old);
    mode->EnterMode();
}

void HostInterface::SetCommandMode(CommandMode* mode)
{
    LeaveCommandModes();
    if (mode && mode != &State().selectMode)
        PushCommandMode(mode);
}

void HostInterface::PopCommandMode()
{
    HostState& s = State();
    if (s.modes.size() <= 1)
        return;
    CommandMode* old = s.modes.back();
    s.modes.pop_back();
    old->ExitMode();
    CommandMode* now = s.modes.back();
    now->ChangeFG(old);
    now->EnterMode();
}

CommandMode* HostInterface::GetCommandMode()
{
    return State().modes.back();
}

int HostInterface::GetCommandStackSize()
{
    return static_cast<int>(State().modes.size());
}

void HostInterface::DeleteMode(CommandMode* mode)
{
    HostState& s = State();
    if (!mode || mode == &s.selectMode)
        return;
    if (s.modes.back() == mode)
    {
        PopCommandMode();
        return;
    }
    s.modes.erase(std::remove(s.modes.begin() + 1, s.modes.end(), mode), s.modes.end());
}

void HostInterface::ExecuteCommand(int id)
{
    State().executedCommands.push_back(id);
    if (id == kSelectToolCommand)
        LeaveCommandModes();
}

BOOL HostInterface::IsAnimateOn()
{
    return State().animateOn ? TRUE : FALSE;
}

void HostInterface::SetAnimateMode(BOOL on)
{
    State().animateOn = on != FALSE;
}

void HostInterface::PushPrompt(const MCHAR* text)
{
    State().prompts.push_back(MSTR(text));
}

void HostInterface::PopPrompt()
{
    auto& prompts = State().prompts;
    if (!prompts.empty())
        prompts.pop_back();
}

void HostInterface::ReplacePrompt(const MCHAR* text)
{
    auto& prompts = State().prompts;
    if (prompts.empty())
        prompts.push_back(MSTR(text));
    else
        prompts.back() = MSTR(text);
}

void HostInterface::RemovePrompt(const MCHAR* text)
{
    if (!text)
        return;
    auto& prompts = State().prompts;
    const MSTR wanted(text);
    const auto it = std::find(prompts.rbegin(), prompts.rend(), wanted);
    if (it != prompts.rend())
        prompts.erase(std::next(it).base());
}
