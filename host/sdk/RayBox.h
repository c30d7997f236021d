#pragma once
// Where a ray enters an axis-aligned box.

#include "hostsdk/Point3.h"

namespace hostsdk
{
// Where the ray enters the box (a parameter >= 0), or false when it misses.
bool RayHitsBox(const Ray& ray, const Box3& box, float& enter);
} // namespace hostsdk
