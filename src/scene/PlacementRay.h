#pragma once
// Rays of the placement: the world ray through a viewport pixel and where it meets the ground.

#include "hostsdk/Point3.h"
#include "win32/types.h"

namespace ZANRET::PlacementRay
{
// The world ray through the pixel m of the viewport of window hwnd.
Ray WorldRay(HWND hwnd, IPoint2 m);
// Where the ray meets the plane z = 0: false when it runs level with the plane or points away.
bool GroundPoint(const Ray& ray, Point3& out);
} // namespace ZANRET::PlacementRay
