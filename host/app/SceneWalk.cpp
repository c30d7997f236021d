#include "SceneWalk.h"

#include <hostsdk/Host.h>

#include <algorithm>
#include <set>

namespace scenehost
{
namespace
{
void Collect(INode* node, std::vector<INode*>& out)
{
    out.push_back(node);
    for (int i = 0; i < node->NumberOfChildren(); ++i)
        if (INode* child = node->GetChildNode(i))
            Collect(child, out);
}
} // namespace

std::vector<INode*> NodeAndDescendants(INode* node)
{
    std::vector<INode*> nodes;
    if (node)
        Collect(node, nodes);
    return nodes;
}

Box3 SubtreeBounds(INode* node)
{
    Box3 bounds;
    for (INode* n : NodeAndDescendants(node))
    {
        Object* object = n->GetObjectRef();
        if (!object || object->GetLocalBounds(0).IsEmpty())
            continue;
        const Box3 b = Host::WorldBounds(n);
        bounds += b.pmin;
        bounds += b.pmax;
    }
    return bounds;
}

INode* OutermostGroupHead(INode* node)
{
    while (node && node->IsGroupMember() && node->GetParentNode() && !node->GetParentNode()->IsRootNode())
        node = node->GetParentNode();
    return node;
}

std::vector<INode*> DeletionOrder(const std::vector<INode*>& selected)
{
    std::vector<INode*> order;
    std::set<INode*> seen;
    for (INode* node : selected)
    {
        std::vector<INode*> subtree = NodeAndDescendants(OutermostGroupHead(node));
        for (auto it = subtree.rbegin(); it != subtree.rend(); ++it)
            if (seen.insert(*it).second)
                order.push_back(*it);
    }
    return order;
}
} // namespace scenehost
