#include "ViewProjection.h"

#include <hostsdk/Host.h>
#include <hostsdk/Interface.h>

#include <algorithm>
#include <cmath>

namespace scenehost
{
ViewProjection ViewProjection::Of(HWND viewport)
{
    ViewProjection p;
    ViewExp& view = GetCOREInterface()->GetViewExp(viewport);
    if (!view.IsAlive())
        return p;
    const Matrix3 camera = view.GetCameraTM(); // rows: right, up, backwards, position
    p.m_right = camera.GetRow(0);
    p.m_up = camera.GetRow(1);
    p.m_forward = -camera.GetRow(2);
    p.m_eye = camera.GetRow(3);
    p.m_width = std::max(view.Width(), 1);
    p.m_height = std::max(view.Height(), 1);
    p.m_aspect = static_cast<float>(p.m_width) / static_cast<float>(p.m_height);
    p.m_halfHeight = std::tan(Host::ViewportFieldOfView(viewport) * 3.14159265358979f / 360.0f);
    return p;
}

float ViewProjection::Depth(const Point3& world) const
{
    return DotProd(world - m_eye, m_forward);
}

bool ViewProjection::Project(const Point3& world, float& sx, float& sy, float& depth) const
{
    const Point3 v = world - m_eye;
    depth = DotProd(v, m_forward);
    if (depth < kNear)
        return false;
    const float nx = DotProd(v, m_right) / (depth * m_halfHeight * m_aspect);
    const float ny = DotProd(v, m_up) / (depth * m_halfHeight);
    sx = (nx + 1.0f) * 0.5f * static_cast<float>(m_width);
    sy = (1.0f - ny) * 0.5f * static_cast<float>(m_height);
    return true;
}
} // namespace scenehost
