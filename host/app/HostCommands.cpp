#include "HostCommands.h"

#include "SceneWalk.h"

#include <hostsdk/Host.h>
#include <hostsdk/Interface.h>

#include <vector>

namespace scenehost
{
void LeaveCommandModes()
{
    Interface* host = GetCOREInterface();
    // A mode that pushes another one as it leaves must not keep this going for ever.
    for (int guard = 0; guard < 64 && !Host::CommandModes().empty(); ++guard)
        host->PopCommandMode();
}

void NewScene()
{
    LeaveCommandModes();
    Host::NewScene();
    GetCOREInterface()->RedrawViews(0);
}

bool Undo()
{
    LeaveCommandModes();
    return Host::Undo();
}

bool Redo()
{
    LeaveCommandModes();
    return Host::Redo();
}

void DeleteSelection()
{
    Interface* host = GetCOREInterface();
    std::vector<INode*> selected;
    for (int i = 0; i < host->GetSelNodeCount(); ++i)
        selected.push_back(host->GetSelNode(i));
    if (!selected.empty())
        Host::DeleteNodes(DeletionOrder(selected));
}
} // namespace scenehost
