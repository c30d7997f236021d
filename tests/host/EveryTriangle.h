#pragma once
// The nearest hit on a mesh found by testing every triangle: what its hierarchy has to answer.

#include "TriangleMesh.h"

// The first triangle at the smallest ray parameter; false when the ray meets none.
inline bool FirstNearestTriangle(const hostsdk::TriangleMesh& mesh, const Ray& ray, float& at,
                                 size_t& triangle)
{
    bool hit = false;
    for (size_t i = 0; i < mesh.triangles.size(); ++i)
    {
        float t = 0.0f;
        if (mesh.HitTriangle(ray, i, t) && (!hit || t < at))
        {
            at = t;
            triangle = i;
            hit = true;
        }
    }
    return hit;
}
