#include "scene/PlacementRay.h"

#include "hostsdk/Interface.h"

namespace ZANRET::PlacementRay
{
Ray WorldRay(HWND hwnd, IPoint2 m)
{
    ViewExp& view = GetCOREInterface()->GetViewExp(hwnd);
    return view.MapScreenToWorldRay(static_cast<float>(m.x), static_cast<float>(m.y));
}

bool GroundPoint(const Ray& ray, Point3& out)
{
    const Point3& o = ray.p;
    const Point3& d = ray.dir;
    if (d.z == 0.0f)
        return false;
    if ((o.z > 0.0f && d.z > 0.0f) || (o.z < 0.0f && d.z < 0.0f))
        return false;
    const float t = -(o.z / d.z);
    out = Point3(o.x + d.x * t, o.y + d.y * t, 0.0f);
    return true;
}
} // namespace ZANRET::PlacementRay
