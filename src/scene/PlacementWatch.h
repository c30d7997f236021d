#pragma once
// Tells placement which of the new character's nodes are still in the scene. The host announces
// every node before it leaves the scene (deletion, undo) and announces a new or opened scene; a
// node announced here is never touched again.

#include "hostsdk/INode.h"

#include <vector>

namespace ZANRET::PlacementWatch
{
// Watches node, its direct children and its group head, and starts listening to the host.
void Watch(INode* node);
// Forgets every node and stops listening.
void Stop();
// Whether n is one of the watched nodes and still in the scene.
bool IsPresent(INode* n);
// The watched children still in the scene, in their original order.
std::vector<INode*> PresentChildren();
// The watched group head while it is in the scene, else null.
INode* PresentGroupHead();
} // namespace ZANRET::PlacementWatch
