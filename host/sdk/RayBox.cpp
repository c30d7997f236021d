#include "RayBox.h"

#include <limits>
#include <utility>

namespace hostsdk
{
bool RayHitsBox(const Ray& ray, const Box3& box, float& enter)
{
    float t0 = 0.0f;
    float t1 = std::numeric_limits<float>::max();
    for (int i = 0; i < 3; ++i)
    {
        const float origin = ray.p[i];
        const float dir = ray.dir[i];
        if (dir == 0.0f)
        {
            if (origin < box.pmin[i] || origin > box.pmax[i])
                return false;
            continue;
        }
        float a = (box.pmin[i] - origin) / dir;
        float b = (box.pmax[i] - origin) / dir;
        if (a > b)
            std::swap(a, b);
        t0 = std::fmax(t0, a);
        t1 = std::fmin(t1, b);
        if (t0 > t1)
            return false;
    }
    enter = t0;
    return true;
}
} // namespace hostsdk
