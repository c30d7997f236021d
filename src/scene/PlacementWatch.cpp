#include "scene/PlacementWatch.h"

#include "scene/PlacementState.h"

#include "hostsdk/Notify.h"

#include <algorithm>

namespace ZANRET::PlacementWatch
{
namespace
{
INode* placed = nullptr;
std::vector<INode*> children;
INode* groupHead = nullptr;

void Forget(INode* n)
{
    children.erase(std::remove(children.begin(), children.end(), n), children.end());
    if (n == groupHead)
        groupHead = nullptr;
    if (n == placed)
    {
        placed = nullptr;
        Placement::OnNodeLost();
    }
}

// A new or replaced scene takes every node at once, without announcing them one by one.
void ForgetAll()
{
    const bool hadNode = placed != nullptr;
    placed = nullptr;
    children.clear();
    groupHead = nullptr;
    if (hadNode)
        Placement::OnNodeLost();
}

void OnPreNodeDelete(void*, NotifyInfo* info)
{
    if (info && info->callParam)
        Forget(static_cast<INode*>(info->callParam));
}

void OnPostNew(void*, NotifyInfo*)
{
    ForgetAll();
}

void OnPostOpen(void*, NotifyInfo* info)
{
    // Only an open that says it kept the scene keeps the nodes; when in doubt they are gone.
    if (info && info->callParam && *static_cast<const int*>(info->callParam) != 0)
        return;
    ForgetAll();
}

bool listening = false;

void Listen(bool on)
{
    if (on == listening)
        return;
    listening = on;
    const auto change = on ? RegisterNotification : UnRegisterNotification;
    change(OnPreNodeDelete, nullptr, NOTIFY_SCENE_PRE_DELETED_NODE);
    change(OnPostNew, nullptr, NOTIFY_SYSTEM_POST_NEW);
    change(OnPostOpen, nullptr, NOTIFY_FILE_POST_OPEN);
}
} // namespace

void Watch(INode* node)
{
    placed = node;
    children.clear();
    groupHead = nullptr;
    if (node)
    {
        for (int i = 0; i < node->NumberOfChildren(); ++i)
            if (INode* child = node->GetChildNode(i))
                children.push_back(child);
        INode* parent = node->GetParentNode();
        if (node->IsGroupMember() && parent && parent->IsGroupHead())
            groupHead = parent;
    }
    Listen(true);
}

void Stop()
{
    Listen(false);
    placed = nullptr;
    children.clear();
    groupHead = nullptr;
}

bool IsPresent(INode* n)
{
    return n && (n == placed || n == groupHead ||
                 std::find(children.begin(), children.end(), n) != children.end());
}

std::vector<INode*> PresentChildren()
{
    return children;
}

INode* PresentGroupHead()
{
    return groupHead;
}
} // namespace ZANRET::PlacementWatch
