// The pick as it was before the scene kept world transforms and a hierarchy: every node of the
// scene, world transforms from the parents, every triangle. Kept to test the new pick against.

#include "HostState.h"
#include "Objects.h"
#include "RayBox.h"

#include <limits>

namespace hostsdk
{
namespace
{
Matrix3 WorldEach(SceneNode* node)
{
    if (node->IsRootNode() || !node->Parent())
        return node->LocalTM();
    return node->LocalTM() * WorldEach(node->Parent());
}

Box3 WorldBoundsEach(SceneNode* node, TimeValue t)
{
    Box3 box;
    if (Object* obj = node->GetObjectRef())
    {
        const Box3 local = obj->GetLocalBounds(t);
        if (!local.IsEmpty())
        {
            const Matrix3 tm = node->ObjectOffset() * WorldEach(node);
            for (int corner = 0; corner < 8; ++corner)
            {
                const Point3 p(corner & 1 ? local.pmax.x : local.pmin.x,
                               corner & 2 ? local.pmax.y : local.pmin.y,
                               corner & 4 ? local.pmax.z : local.pmin.z);
                box += p * tm;
            }
            return box;
        }
    }
    box += WorldEach(node).GetTrans();
    return box;
}
} // namespace

INode* PickNodeEach(HWND hwnd, IPoint2 pt, PickNodeCallback* filter)
{
    ViewExp& view = State().core.GetViewExp(hwnd);
    if (!view.IsAlive())
        return nullptr;
    const Ray world = view.MapScreenToWorldRay(static_cast<float>(pt.x), static_cast<float>(pt.y));
    const TimeValue t = 0;
    INode* nearest = nullptr;
    float nearestAt = std::numeric_limits<float>::max();
    for (SceneNode* node : SceneNodeList())
    {
        Object* obj = node->GetObjectRef();
        if (!obj || obj->GetLocalBounds(t).IsEmpty())
            continue;
        float enter = 0.0f;
        if (!RayHitsBox(world, WorldBoundsEach(node, t), enter) || enter > nearestAt)
            continue;
        if (filter && !filter->Filter(node))
            continue;
        const Matrix3 inverse = Inverse(node->ObjectOffset() * WorldEach(node));
        Ray local;
        local.p = world.p * inverse;
        local.dir = VectorTransform(inverse, world.dir);
        float at = 0.0f;
        Point3 normal;
        auto* proxy = dynamic_cast<ProxyMeshObject*>(obj);
        const bool hit =
            proxy ? proxy->Mesh().IntersectEach(local, at, normal) : obj->IntersectRay(t, local, at, normal);
        if (hit && at >= 0.0f && at < nearestAt)
        {
            nearestAt = at;
            nearest = node;
        }
    }
    return nearest;
}
} // namespace hostsdk
