#pragma once
// Taking a character that is being placed out of the scene again, so that nothing of it is left
// behind: its nodes, the group head they leave empty, and the characters' layer once it is empty.

#include "hostsdk/INode.h"

namespace ZANRET::PlacementCleanup
{
// Deletes node's children one by one, then node itself, then what the character leaves behind.
void RemoveCharacter(INode* node);
// For a character whose placed node is already gone: deletes its watched children and group head
// that are still in the scene, then an emptied characters' layer.
void RemoveRemains();
} // namespace ZANRET::PlacementCleanup
