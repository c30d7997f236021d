#include "scene/PlacementPickMode.h"

#include "scene/Placement.h"

namespace ZANRET
{
BOOL PlacementPickMode::Filter(INode* node)
{
    return Placement::IsPickable(node);
}
} // namespace ZANRET
