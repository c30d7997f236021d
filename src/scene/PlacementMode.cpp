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
    // Leaving takes the place and the rotate prompt, so that none stays on the prompt line after the
    // placement. They are taken by name: a build may have pushed its own above them meanwhile (a
    // second Create while placing), and those stay.
    Interface* ip = GetCOREInterface();
    for (auto it = prompts.rbegin(); it != prompts.rend(); ++it)
        ip->RemovePrompt(it->c_str());
    prompts.clear();
}

void PlacementMode::PushPrompt(const MCHAR* text)
{
    if (!text)
        return;
    GetCOREInterface()->PushPrompt(text);
    prompts.emplace_back(text);
}
} // namespace ZANRET
