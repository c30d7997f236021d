#pragma once
// Placing a newly built character with the mouse: it follows the scene's geometry (or the ground
// plane z = 0), a first left click fixes its position, moving sideways turns it about the vertical
// axis, a second left click fixes the rotation and selects it; a right click removes it.

#include "hostsdk/INode.h"
#include "hostsdk/Point3.h"

#include <cstdint>

namespace ZANRET
{
class PlacementMode;

namespace Placement
{
constexpr std::int32_t STATE_IDLE = 0;
constexpr std::int32_t STATE_PLACE = 1;  // the node follows the mouse
constexpr std::int32_t STATE_ROTATE = 2; // the node turns with the mouse

// Starts placing node (the parent node a build returned) and pushes the placement command mode.
void StartPlacement(INode* node);

// The mouse events of the placement mode's mouse procedure.
void OnMouseMove(IPoint2 m, HWND hwnd);
void OnClick(IPoint2 m);
// The right click: deletes the node being placed and its children.
void CancelPlacement();

// The point where the world ray through m hits pickable geometry; false when nothing is hit.
bool PickSurfacePoint(Point3& out, IPoint2 m, HWND hwnd);
// The pick filter: geometry (or a node without an object) that is neither the node being placed
// nor one of its direct children.
BOOL IsPickable(INode* candidate);

// The placement state, for inspection.
INode* GetNode();
std::int32_t GetState();
IPoint2 GetRotateStart();
PlacementMode* GetMode();
} // namespace Placement
} // namespace ZANRET
