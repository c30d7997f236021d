#include "OrbitCamera.h"

#include <algorithm>
#include <cmath>

namespace scenehost
{
namespace
{
constexpr float kPi = 3.14159265358979f;
constexpr float kRadiansPerPixel = 0.008f;
// Short of straight up or down, where the vertical no longer tells left from right.
constexpr float kMaxPitch = 1.5f;
constexpr float kMinDistance = 5.0f;
constexpr float kMaxDistance = 50000.0f;
} // namespace

OrbitCamera::OrbitCamera()
    : m_target(0.0f, 0.0f, 80.0f), m_yaw(-kPi / 2.0f), m_pitch(0.3f), m_distance(520.0f)
{
}

Point3 OrbitCamera::Eye() const
{
    const float c = std::cos(m_pitch);
    return m_target + Point3(c * std::cos(m_yaw), c * std::sin(m_yaw), std::sin(m_pitch)) * m_distance;
}

void OrbitCamera::Orbit(float dx, float dy)
{
    m_yaw -= dx * kRadiansPerPixel;
    m_pitch = std::clamp(m_pitch + dy * kRadiansPerPixel, -kMaxPitch, kMaxPitch);
}

void OrbitCamera::Pan(float dx, float dy, int viewHeight)
{
    const Point3 forward = Normalize(m_target - Eye());
    const Point3 right = Normalize(CrossProd(forward, Point3(0.0f, 0.0f, 1.0f)));
    const Point3 up = CrossProd(right, forward);
    // One pixel moves what lies at the target by one pixel.
    const float perPixel = 2.0f * m_distance * std::tan(kFieldOfView * kPi / 360.0f) /
                           static_cast<float>(std::max(viewHeight, 1));
    m_target = m_target - right * (dx * perPixel) + up * (dy * perPixel);
}

void OrbitCamera::Zoom(float steps)
{
    m_distance = std::clamp(m_distance * std::pow(0.9f, steps), kMinDistance, kMaxDistance);
}
} // namespace scenehost
