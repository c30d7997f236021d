// The scene operations of the host interface: nodes, deletion, groups, selection.

#include "HostState.h"

#include <algorithm>

namespace hostsdk
{
SceneNode* AsSceneNode(INode* node)
{
    return dynamic_cast<SceneNode*>(node);
}

std::vector<SceneNode*> SceneNodeList()
{
    std::vector<SceneNode*> nodes;
    if (SceneNode* root = State().root.get())
        CollectDescendants(root, nodes);
    return nodes;
}

void ClearScene()
{
    HostState& s = State();
    LeaveCommandModes();
    s.holdLevel = 0;
    s.holdMarks.clear();
    s.holdRecords.clear();
    s.undoSteps.clear();
    s.redoSteps.clear();
    // Unlink the scene's top nodes one by one: nothing is announced, nothing is recorded.
    while (!s.root->Children().empty())
    {
        NodeRef top = s.root->Children().back();
        ++s.suspendLevel;
        top->Relink(nullptr, -1, false);
        --s.suspendLevel;
    }
    s.sceneMaterials.Clear();
    s.materialLibrary.Clear();
    s.newObjects.clear();
    s.layers.Reset();
}
} // namespace hostsdk

using namespace hostsdk;

INode* HostInterface::GetRootNode()
{
    return State().root.get();
}

INode* HostInterface::CreateObjectNode(Object* obj)
{
    NodeRef node(new (std::nothrow) SceneNode());
    if (!node)
        return nullptr;
    ++State().suspendLevel;
    node->SetObjectRef(obj);
    --State().suspendLevel;
    node->Relink(State().root.get());
    return node.get();
}

void HostInterface::DeleteNode(INode* inode, BOOL redraw, BOOL)
{
    SceneNode* node = AsSceneNode(inode);
    if (!node || node->IsRootNode() || !node->IsInScene())
        return;
    NodeRef self(node);
    // Announced once, also when a plug-in deletes the node again from inside the announcement.
    auto& announcing = State().announcingDeletion;
    if (std::find(announcing.begin(), announcing.end(), node) == announcing.end())
    {
        announcing.push_back(node);
        BroadcastNotification(NOTIFY_SCENE_PRE_DELETED_NODE, inode);
        announcing.erase(std::find(announcing.begin(), announcing.end(), node));
        // A plug-in may have deleted it in the meantime.
        if (!node->IsInScene())
            return;
    }
    SceneNode* parent = node->Parent();
    const TimeValue t = GetTime();
    // The children stay in the scene, below the deleted node's parent, where they were.
    while (!node->Children().empty())
    {
        NodeRef child = node->Children().front();
        Matrix3 world = child->GetNodeTM(t);
        child->Relink(parent);
        child->SetNodeTM(t, world);
    }
    node->SetSelected(false);
    SceneNode* head = node->GroupHead();
    node->Relink(nullptr, -1, false);
    if (node->IsGroupHead())
        for (SceneNode* n : SceneNodeList())
            if (n->GroupHead() == node)
                n->SetGroupHead(nullptr);
    // A group whose last member went goes too.
    if (head && head->IsInScene())
    {
        const auto nodes = SceneNodeList();
        const bool members =
            std::any_of(nodes.begin(), nodes.end(), [head](SceneNode* n) { return n->GroupHead() == head; });
        if (!members)
            DeleteNode(head, FALSE, FALSE);
    }
    if (redraw)
        RedrawViews(t);
}

INode* HostInterface::GetINodeByName(const MCHAR* name)
{
    if (!name)
        return nullptr;
    for (SceneNode* n : SceneNodeList())
        if (std::basic_string<MCHAR>(n->GetName()) == name)
            return n;
    return nullptr;
}

INode* HostInterface::GetINodeByHandle(ULONG handle)
{
    for (SceneNode* n : SceneNodeList())
        if (n->GetHandle() == handle)
            return n;
    return nullptr;
}

INode* HostInterface::GroupNodes(INodeTab* table, MSTR* name, BOOL selGroup)
{
    if (!table)
        return nullptr;
    std::vector<SceneNode*> members;
    for (int i = 0; i < table->Count(); ++i)
    {
        SceneNode* n = AsSceneNode((*table)[i]);
        if (n && !n->IsRootNode() && n->IsInScene() &&
            std::find(members.begin(), members.end(), n) == members.end())
            members.push_back(n);
    }
    if (members.empty())
        return nullptr;
    const TimeValue t = GetTime();
    const auto inGroup = [&members](SceneNode* n)
    { return std::find(members.begin(), members.end(), n) != members.end(); };

    Box3 bounds;
    for (SceneNode* m : members)
    {
        bounds += m->WorldBounds(t);
        std::vector<SceneNode*> below;
        CollectDescendants(m, below);
        for (SceneNode* d : below)
            bounds += d->WorldBounds(t);
    }

    NodeRef head(new (std::nothrow) SceneNode());
    if (!head)
        return nullptr;
    head->SetName(name ? name->data() : _M("Group"));
    head->SetIsGroupHead(true);
    SceneNode* firstParent = members.front()->Parent();
    head->Relink(firstParent && !inGroup(firstParent) ? firstParent : State().root.get());
    Matrix3 headTM = TransMatrix(bounds.Center());
    head->SetNodeTM(t, headTM);

    for (SceneNode* m : members)
        if (!inGroup(m->Parent()))
            head->AttachChild(m, TRUE);
    for (SceneNode* m : members)
        m->SetGroupHead(head.get());
    if (selGroup)
        SelectNode(head.get(), 1);
    return head.get();
}

void HostInterface::SelectNode(INode* inode, int clearSel)
{
    SceneNode* node = AsSceneNode(inode);
    if (clearSel)
        for (SceneNode* n : SceneNodeList())
            if (n != node)
                n->SetSelected(false);
    if (node && node->IsInScene() && !node->IsRootNode())
        node->SetSelected(true);
}

void HostInterface::DeSelectNode(INode* inode)
{
    if (SceneNode* node = AsSceneNode(inode))
        node->SetSelected(false);
}

void HostInterface::ClearNodeSelection(BOOL)
{
    for (SceneNode* n : SceneNodeList())
        n->SetSelected(false);
}

int HostInterface::GetSelNodeCount()
{
    int count = 0;
    for (SceneNode* n : SceneNodeList())
        count += n->Selected();
    return count;
}

INode* HostInterface::GetSelNode(int i)
{
    for (SceneNode* n : SceneNodeList())
        if (n->Selected() && i-- == 0)
            return n;
    return nullptr;
}
