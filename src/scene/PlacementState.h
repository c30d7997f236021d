#pragma once
// The process-wide state of placement, shared by its source files. There is at most one placement
// at a time.

#include "scene/Placement.h"

namespace ZANRET::Placement
{
struct PlacementState
{
    // Borrowed from the scene; placement deletes it only on cancel.
    INode* node = nullptr;
    std::int32_t state = STATE_IDLE;
    // The mouse position of the click that ended the place state; only x is read.
    IPoint2 rotateStart;
    // Made on the first placement and kept for the life of the process.
    PlacementMode* mode = nullptr;
    // The node left the scene while it was being placed; the placement still has to be wound up.
    bool lost = false;
};

PlacementState& Current();

// Called when the host announces that the node being placed leaves the scene. Only forgets it:
// the host is in the middle of its own change, so the scene is not touched here.
void OnNodeLost();
} // namespace ZANRET::Placement
