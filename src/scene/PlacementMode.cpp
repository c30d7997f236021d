#include "scene/PlacementMode.h"

#include "hostsdk/Interface.h"

namespace ZANRET
{
MouseCallBack* PlacementMode::MouseProc(int* numPoints)
{
    if (numPoints)
        *numPoints = 2;
    return &proc;
}

BOOL PlacementMode::ChangeFG(CommandMode* oldMode)
{
    return oldMode && oldMode->ChangeFGProc() == &fgProc ? FALSE : TRUE;
}

void PlacementMode::EnterMode()
{
    PushPrompt(_M("Place your ZANRET Character"));
}

void PlacementMode::ExitMode()
{
    // The rotate prompt sits on top of the place prompt; leaving takes both, so no stale prompt
    // stays on the prompt line after the placement.
    Interface* ip = GetCOREInterface();
    for (; prompts > 0; --prompts)
        ip->PopPrompt();
}

void PlacementMode::PushPrompt(const MCHAR* text)
{
    GetCOREInterface()->PushPrompt(text);
    ++prompts;
}
} // namespace ZANRET
