// Picking the surface under the mouse for the character being placed.

#include "scene/Placement.h"
#include "scene/PlacementPickMode.h"
#include "scene/PlacementRay.h"
#include "scene/PlacementState.h"

#include "hostsdk/Interface.h"

namespace ZANRET::Placement
{
bool PickSurfacePoint(Point3& out, IPoint2 m, HWND hwnd)
{
    Interface* ip = GetCOREInterface();
    INode* picked = nullptr;
    {
        PlacementPickMode filter;
        picked = ip->PickNode(hwnd, m, &filter);
    }
    if (!picked)
        return false;
    const TimeValue t = ip->GetTime();
    Object* obj = picked->EvalWorldState(t, TRUE).obj;
    if (!obj || obj->SuperClassID() != GEOMOBJECT_CLASS_ID)
        return false;
    const Matrix3 inverse = Inverse(picked->GetObjectTM(t));
    const Ray world = PlacementRay::WorldRay(hwnd, m);
    Ray local;
    local.p = world.p * inverse;
    local.dir = VectorTransform(inverse, world.dir);
    float at = 0.0f;
    Point3 normal(0.0f, 0.0f, 0.0f);
    if (!obj->IntersectRay(t, local, at, normal))
        return false;
    out = world.p + world.dir * at;
    return true;
}

BOOL IsPickable(INode* candidate)
{
    if (!candidate)
        return FALSE;
    Object* obj = candidate->EvalWorldState(GetCOREInterface()->GetTime(), TRUE).obj;
    if (obj && obj->SuperClassID() != GEOMOBJECT_CLASS_ID)
        return FALSE;
    // The character never lands on itself: its parent and that parent's direct children.
    INode* node = Current().node;
    if (!node)
        return TRUE;
    if (candidate == node)
        return FALSE;
    for (int i = 0; i < node->NumberOfChildren(); ++i)
        if (node->GetChildNode(i) == candidate)
            return FALSE;
    return TRUE;
}
} // namespace ZANRET::Placement
