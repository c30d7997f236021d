#include "TriangleMesh.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace hostsdk
{
namespace
{
bool ReadFloat(std::istringstream& line, float& value)
{
    std::string token;
    if (!(line >> token))
        return false;
    // from_chars reads a decimal point whatever the process locale says.
    const char* first = token.c_str();
    if (*first == '+')
        ++first;
    double v = 0.0;
    const auto [end, error] = std::from_chars(first, token.c_str() + token.size(), v);
    if (error != std::errc() || end != token.c_str() + token.size() || !std::isfinite(v))
        return false;
    value = static_cast<float>(v);
    return true;
}

// The zero-based vertex index of a face corner ("v", "v/vt", "v/vt/vn", "v//vn"), or -1.
int CornerIndex(const std::string& corner, int vertexCount)
{
    const std::string number = corner.substr(0, corner.find('/'));
    char* end = nullptr;
    const long v = std::strtol(number.c_str(), &end, 10);
    if (number.empty() || *end != '\0')
        return -1;
    const long index = v > 0 ? v - 1 : vertexCount + v;
    return v != 0 && index >= 0 && index < vertexCount ? static_cast<int>(index) : -1;
}
} // namespace

bool ParseObjMesh(const std::string& text, TriangleMesh& mesh)
{
    TriangleMesh parsed;
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw))
    {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        std::istringstream line(raw);
        std::string keyword;
        if (!(line >> keyword))
            continue;
        if (keyword == "v")
        {
            Point3 p;
            if (!ReadFloat(line, p.x) || !ReadFloat(line, p.y) || !ReadFloat(line, p.z))
                return false;
            parsed.vertices.push_back(p);
            parsed.bounds += p;
        }
        else if (keyword == "f")
        {
            std::vector<int> corners;
            std::string corner;
            while (line >> corner)
            {
                const int index = CornerIndex(corner, static_cast<int>(parsed.vertices.size()));
                if (index < 0)
                    return false;
                corners.push_back(index);
            }
            if (corners.size() < 3)
                return false;
            for (size_t i = 1; i + 1 < corners.size(); ++i)
                parsed.triangles.push_back({corners[0], corners[i], corners[i + 1]});
        }
    }
    if (parsed.triangles.empty())
        return false;
    parsed.BuildHierarchy();
    mesh = std::move(parsed);
    return true;
}

TriangleMesh PlaceholderBox()
{
    TriangleMesh box;
    for (int i = 0; i < 8; ++i)
    {
        const Point3 p(i & 1 ? 10.0f : -10.0f, i & 2 ? 10.0f : -10.0f, i & 4 ? 20.0f : 0.0f);
        box.vertices.push_back(p);
        box.bounds += p;
    }
    // Two triangles per side, wound outwards.
    box.triangles = {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6}, {0, 1, 5}, {0, 5, 4},
                     {2, 6, 7}, {2, 7, 3}, {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};
    box.BuildHierarchy();
    return box;
}

void TriangleMesh::BuildHierarchy()
{
    std::vector<Bvh::Entry> entries(triangles.size());
    for (size_t i = 0; i < triangles.size(); ++i)
    {
        for (int corner : triangles[i])
            entries[i].box += vertices[static_cast<size_t>(corner)];
        entries[i].item = static_cast<int>(i);
    }
    hierarchy.Build(entries);
}

bool TriangleMesh::HitTriangle(const Ray& ray, size_t i, float& at) const
{
    const auto& tri = triangles[i];
    const Point3& a = vertices[static_cast<size_t>(tri[0])];
    const Point3 e1 = vertices[static_cast<size_t>(tri[1])] - a;
    const Point3 e2 = vertices[static_cast<size_t>(tri[2])] - a;
    const Point3 p = CrossProd(ray.dir, e2);
    const float det = DotProd(e1, p);
    if (std::fabs(det) < 1e-12f)
        return false;
    const float inv = 1.0f / det;
    const Point3 s = ray.p - a;
    const float u = DotProd(s, p) * inv;
    if (u < 0.0f || u > 1.0f)
        return false;
    const Point3 q = CrossProd(s, e1);
    const float v = DotProd(ray.dir, q) * inv;
    if (v < 0.0f || u + v > 1.0f)
        return false;
    const float t = DotProd(e2, q) * inv;
    if (!(t >= 0.0f))
        return false;
    at = t;
    return true;
}

Point3 TriangleMesh::FaceNormal(size_t i) const
{
    const auto& tri = triangles[i];
    const Point3& a = vertices[static_cast<size_t>(tri[0])];
    return Normalize(
        CrossProd(vertices[static_cast<size_t>(tri[1])] - a, vertices[static_cast<size_t>(tri[2])] - a));
}

bool TriangleMesh::Intersect(const Ray& ray, float& at, Point3& normal) const
{
    float best = std::numeric_limits<float>::max();
    int bestTriangle = -1;
    hierarchy.Cast(ray, best,
                   [&](int i)
                   {
                       float t = 0.0f;
                       if (HitTriangle(ray, static_cast<size_t>(i), t) &&
                           (t < best || (t == best && bestTriangle >= 0 && i < bestTriangle)))
                       {
                           best = t;
                           bestTriangle = i;
                       }
                   });
    if (bestTriangle < 0)
        return false;
    at = best;
    normal = FaceNormal(static_cast<size_t>(bestTriangle));
    return true;
}
} // namespace hostsdk
