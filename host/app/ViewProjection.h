#pragma once
// World points to viewport pixels, the inverse of the host viewport's MapScreenToWorldRay, so that
// what is drawn under a pixel is what the host picks there.

#include <hostsdk/Point3.h>
#include <hostsdk/Types.h>

namespace scenehost
{
class ViewProjection
{
public:
    // The projection of the host's viewport as it is now (camera, size, field of view).
    static ViewProjection Of(HWND viewport);

    // Pixel x, y (y downwards) and the depth in front of the camera. False behind the near plane.
    bool Project(const Point3& world, float& sx, float& sy, float& depth) const;
    // The depth of a world point, without the near-plane test.
    float Depth(const Point3& world) const;

    Point3 Eye() const { return m_eye; }
    Point3 Forward() const { return m_forward; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    static constexpr float kNear = 1.0f;

private:
    Point3 m_eye;
    Point3 m_right;
    Point3 m_up;
    Point3 m_forward;
    float m_halfHeight = 1.0f; // tan(fov / 2)
    float m_aspect = 1.0f;
    int m_width = 1;
    int m_height = 1;
};
} // namespace scenehost
