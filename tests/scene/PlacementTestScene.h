#pragma once
// Characters made through the host SDK the way a build leaves them: a helper parent scaled for the
// system unit, proxy-mesh children (the host's placeholder box from (-10,-10,0) to (10,10,20)),
// grouped under a head whose pivot is at the origin, all on the characters' layer, one undo step.

#include "hostsdk/hostsdk.h"

#include <string>
#include <vector>

struct TestCharacter
{
    INode* parent = nullptr;
    std::vector<INode*> children;
    INode* head = nullptr;
};

namespace PlacementTestScene
{
TestCharacter MakeCharacter(const std::wstring& name, int meshes = 2);
// A proxy-mesh node on its own at world position p (not a character).
INode* MakeBox(const Point3& p);
// The characters' layer, or null.
ILayer* CharacterLayer();
int CharacterLayerNodeCount();
} // namespace PlacementTestScene
