// Viewports: cameras, rays through pixels, picking and redraws.

#include "HostState.h"
#include "RayBox.h"

#include <cmath>
#include <limits>

namespace hostsdk
{
namespace
{
constexpr float kPi = 3.14159265358979f;
} // namespace

Viewport::Viewport(HWND hwnd, int width, int height) : m_hwnd(hwnd), m_width(width), m_height(height)
{
    SetCamera(Point3(0.0f, -300.0f, 150.0f), Point3(0.0f, 0.0f, 50.0f), Point3(0.0f, 0.0f, 1.0f), 45.0f);
}

void Viewport::SetSize(int width, int height)
{
    m_width = width > 0 ? width : 1;
    m_height = height > 0 ? height : 1;
}

void Viewport::SetCamera(const Point3& eye, const Point3& target, const Point3& up, float fovDegrees)
{
    m_eye = eye;
    m_forward = Normalize(target - eye);
    if (m_forward.Length() == 0.0f)
        m_forward = Point3(0.0f, 1.0f, 0.0f);
    m_right = Normalize(CrossProd(m_forward, up));
    if (m_right.Length() == 0.0f)
        m_right = Normalize(CrossProd(m_forward, std::fabs(m_forward.z) < 0.9f ? Point3(0.0f, 0.0f, 1.0f)
                                                                               : Point3(0.0f, 1.0f, 0.0f)));
    m_up = CrossProd(m_right, m_forward);
    m_fovDegrees = fovDegrees > 1.0f && fovDegrees < 179.0f ? fovDegrees : 45.0f;
}

Ray Viewport::MapScreenToWorldRay(float sx, float sy)
{
    Ray ray;
    if (!m_hwnd)
        return ray; // no direction: nothing can be hit
    const float halfHeight = std::tan(m_fovDegrees * kPi / 360.0f);
    const float aspect = static_cast<float>(m_width) / static_cast<float>(m_height);
    const float nx = 2.0f * sx / static_cast<float>(m_width) - 1.0f;
    const float ny = 1.0f - 2.0f * sy / static_cast<float>(m_height);
    ray.p = m_eye;
    ray.dir = Normalize(m_forward + m_right * (nx * halfHeight * aspect) + m_up * (ny * halfHeight));
    return ray;
}

Matrix3 Viewport::GetCameraTM()
{
    return Matrix3(m_right, m_up, -m_forward, m_eye);
}
} // namespace hostsdk

using namespace hostsdk;

void HostInterface::RedrawViews(TimeValue, DWORD, ReferenceTarget*)
{
    ++State().redrawCount;
}

ViewExp& HostInterface::GetViewExp(HWND hwnd)
{
    HostState& s = State();
    for (auto& vp : s.viewports)
        if (hwnd && vp->GetHWnd() == hwnd)
            return *vp;
    return s.deadViewport;
}

ViewExp& HostInterface::GetActiveViewExp()
{
    HostState& s = State();
    return s.viewports.empty() ? static_cast<ViewExp&>(s.deadViewport) : *s.viewports.front();
}

INode* HostInterface::PickNode(HWND hwnd, IPoint2 pt, PickNodeCallback* filter)
{
    ViewExp& view = GetViewExp(hwnd);
    if (!view.IsAlive())
        return nullptr;
    const Ray world = view.MapScreenToWorldRay(static_cast<float>(pt.x), static_cast<float>(pt.y));
    const TimeValue t = GetTime();
    INode* nearest = nullptr;
    float nearestAt = std::numeric_limits<float>::max();
    // In the order of the scene's node list, as the filter has always seen them.
    for (const NodeRef& node : State().sceneBvh.Along(world))
    {
        Object* obj = node->GetObjectRef();
        if (!obj || obj->GetLocalBounds(t).IsEmpty())
            continue;
        float enter = 0.0f;
        if (!RayHitsBox(world, node->WorldBounds(t), enter) || enter > nearestAt)
            continue;
        if (filter && !filter->Filter(node.get()))
            continue;
        const Matrix3 inverse = Inverse(node->GetObjectTM(t));
        Ray local;
        local.p = world.p * inverse;
        local.dir = VectorTransform(inverse, world.dir);
        float at = 0.0f;
        Point3 normal;
        if (obj->IntersectRay(t, local, at, normal) && at >= 0.0f && at < nearestAt)
        {
            nearestAt = at;
            nearest = node.get();
        }
    }
    return nearest;
}
