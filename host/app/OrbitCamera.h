#pragma once
// The viewport's camera as the user steers it: a point it looks at, and the direction and distance
// it looks from. It hands itself to the host's viewport, which makes the rays for picking.

#include <hostsdk/Point3.h>

namespace scenehost
{
class OrbitCamera
{
public:
    // Looking at the origin from the front, a little from above, with a standing figure in view.
    OrbitCamera();

    Point3 Target() const { return m_target; }
    Point3 Eye() const;
    float FieldOfView() const { return kFieldOfView; }

    // Turns about the target: dx to the side (about the vertical), dy up and down, in pixels.
    void Orbit(float dx, float dy);
    // Slides eye and target in the view plane by pixels of a view that is viewHeight high.
    void Pan(float dx, float dy, int viewHeight);
    // Moves towards the target (steps > 0) or away, by a tenth per step.
    void Zoom(float steps);

    static constexpr float kFieldOfView = 45.0f;

private:
    Point3 m_target;
    float m_yaw;      // radians about the vertical, 0 looking along +x
    float m_pitch;    // radians above the ground plane
    float m_distance; // from the target
};
} // namespace scenehost
