#pragma once
// Walks over the host's node hierarchy that the host program needs for drawing, selecting and
// deleting.

#include <hostsdk/INode.h>
#include <hostsdk/Point3.h>

#include <vector>

namespace scenehost
{
// The node, then everything below it, depth first.
std::vector<INode*> NodeAndDescendants(INode* node);
// The world bounds of the meshes of the node and everything below it (empty when there are none).
Box3 SubtreeBounds(INode* node);
// A group is handled as a whole: the head of the outermost group the node belongs to, or the node.
INode* OutermostGroupHead(INode* node);
// What the user deletes with these nodes selected: each node with everything below it, each once,
// deepest first, so that no node is handed to a parent that goes too.
std::vector<INode*> DeletionOrder(const std::vector<INode*>& selected);
} // namespace scenehost
