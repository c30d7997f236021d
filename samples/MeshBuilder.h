#pragma once
// A small polygon mesh made of simple solids (swept tubes, ellipsoids, rings, boxes), written as the
// stand-in proxy-mesh format: Wavefront OBJ vertices and faces.

#include <initializer_list>
#include <string>
#include <vector>

namespace ZANRET::Samples
{
struct Vec3
{
    float x = 0, y = 0, z = 0;
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, float s);
// Linear blend: a at t = 0, b at t = 1.
Vec3 Mix(Vec3 a, Vec3 b, float t);

// One cross-section of a sweep: an ellipse around the path point, rx across the path's side
// direction (x where it can be), ry across the other.
struct Section
{
    Vec3 centre;
    float rx = 1, ry = 1;
};

class MeshBuilder
{
public:
    // A solid swept through the sections in order, each ellipse turned to face along the path,
    // closed with a flat cap at both ends.
    void Sweep(const std::vector<Section>& sections, int sides = 8);
    // A round limb through the points, with one radius per point.
    void Limb(const std::vector<Vec3>& points, const std::vector<float>& radii, int sides = 8);
    void Ellipsoid(Vec3 centre, Vec3 radii, int rings = 6, int sides = 10);
    // A ring around the axis through centre: the path an ellipse (radii rx, ry across the axis),
    // the tube round with the given radius.
    void Ring(Vec3 centre, Vec3 axis, float rx, float ry, float tube, int segments = 16, int sides = 6);
    // An axis-aligned box: centre in x and y, bottom in z.
    void Box(Vec3 bottomCentre, Vec3 extent);

    std::string ObjText(const std::string& comment) const;

private:
    int Add(Vec3 v);
    void Face(std::initializer_list<int> corners);
    // A flat cap over the section starting at vertex first (1-based), its corners in turn or in
    // reverse.
    void Cap(int first, int sides, bool reverse);

    std::vector<Vec3> m_vertices;
    // Faces one after the other: their corner counts, and their corners as 1-based indices. Flat,
    // so that a large repository's many meshes cost few allocations.
    std::vector<int> m_faceSizes;
    std::vector<int> m_corners;
};
} // namespace ZANRET::Samples
