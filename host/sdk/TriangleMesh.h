#pragma once
// The mesh of a proxy object: triangles read from an OBJ text file, or a placeholder box.

#include "Bvh.h"

#include "hostsdk/Point3.h"

#include <array>
#include <string>
#include <vector>

namespace hostsdk
{
struct TriangleMesh
{
    std::vector<Point3> vertices;
    std::vector<std::array<int, 3>> triangles;
    Box3 bounds;
    // Over the triangles' boxes, one leaf per triangle (its index).
    Bvh hierarchy;

    // Builds the hierarchy once the triangles are complete.
    void BuildHierarchy();
    // The nearest hit at a ray parameter >= 0: true, with the parameter and the face normal. Of
    // triangles hit at the same parameter the first one counts.
    bool Intersect(const Ray& ray, float& at, Point3& normal) const;
    // Where the ray meets triangle i at a parameter >= 0; false when it misses.
    bool HitTriangle(const Ray& ray, size_t i, float& at) const;
    Point3 FaceNormal(size_t i) const;
};

// Reads the OBJ subset of MeshFormat.md; false (and mesh untouched) when the text is not usable.
bool ParseObjMesh(const std::string& text, TriangleMesh& mesh);
// The placeholder box from (-10, -10, 0) to (10, 10, 20).
TriangleMesh PlaceholderBox();
} // namespace hostsdk
