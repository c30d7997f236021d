// The hierarchies against testing every box and every triangle.

#include "Bvh.h"
#include "EveryTriangle.h"
#include "RayBox.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <random>
#include <set>

using hostsdk::Bvh;
using hostsdk::TriangleMesh;

namespace
{
float Uniform(std::mt19937& rng, float lo, float hi)
{
    return std::uniform_real_distribution<float>(lo, hi)(rng);
}

Point3 RandomPoint(std::mt19937& rng, float range)
{
    return Point3(Uniform(rng, -range, range), Uniform(rng, -range, range), Uniform(rng, -range, range));
}

// From far around towards a point near the middle; now and then along an axis, or not of unit length.
Ray RandomRay(std::mt19937& rng, float range)
{
    Ray ray;
    ray.p = RandomPoint(rng, range * 4.0f);
    ray.dir = RandomPoint(rng, range * 0.8f) - ray.p;
    if (rng() % 5 == 0)
    {
        const int axis = static_cast<int>(rng() % 3);
        ray.dir = Point3();
        ray.dir[axis] = ray.p[axis] > 0.0f ? -1.0f : 1.0f;
    }
    return ray;
}

Box3 RandomBox(std::mt19937& rng)
{
    Box3 box;
    const Point3 corner = RandomPoint(rng, 100.0f);
    box += corner;
    Point3 size(Uniform(rng, 0.0f, 30.0f), Uniform(rng, 0.0f, 30.0f), Uniform(rng, 0.0f, 30.0f));
    if (rng() % 4 == 0)
        size[static_cast<int>(rng() % 3)] = 0.0f; // flat, as the sides of a box mesh are
    box += corner + size;
    return box;
}
} // namespace

TEST(Bvh, ACastOffersEveryLeafWhoseBoxTheRayMeetsWhileTheTreeChanges)
{
    std::mt19937 rng(5);
    Bvh tree;
    std::map<int, std::pair<int, Box3>> live; // item -> (leaf, box)
    int nextItem = 0;
    for (int round = 0; round < 1500; ++round)
    {
        const unsigned op = rng() % 10;
        if (op < 5 || live.empty())
        {
            const Box3 box = RandomBox(rng);
            live[nextItem] = {tree.Insert(box, nextItem), box};
            ++nextItem;
        }
        else if (op < 8)
        {
            auto it = std::next(live.begin(), static_cast<long>(rng() % live.size()));
            it->second.second = RandomBox(rng);
            tree.Move(it->second.first, it->second.second);
        }
        else if (op < 9)
        {
            auto it = std::next(live.begin(), static_cast<long>(rng() % live.size()));
            tree.Remove(it->second.first);
            live.erase(it);
        }
        else if (rng() % 8 == 0)
        {
            std::vector<Bvh::Entry> entries;
            for (const auto& [item, placed] : live)
                entries.push_back({placed.second, item});
            std::vector<int> leaves;
            tree.Build(entries, &leaves);
            for (size_t i = 0; i < entries.size(); ++i)
                live[entries[i].item].first = leaves[i];
        }
        for (int r = 0; r < 4; ++r)
        {
            const Ray ray = RandomRay(rng, 100.0f);
            const float limit = r == 0 ? std::numeric_limits<float>::infinity() : Uniform(rng, 0.0f, 2.0f);
            std::multiset<int> offered;
            tree.Cast(ray, limit, [&](int item) { offered.insert(item); });
            for (const auto& [item, placed] : live)
            {
                float enter = 0.0f;
                if (hostsdk::RayHitsBox(ray, placed.second, enter) && enter <= limit)
                {
                    ASSERT_EQ(offered.count(item), 1u) << "round " << round;
                }
            }
            for (int item : offered)
                ASSERT_EQ(live.count(item), 1u);
        }
    }
    EXPECT_EQ(tree.Items().size(), live.size());
}

TEST(Bvh, AMeshAnswersTheFirstOfItsNearestTrianglesAsTestingEachWould)
{
    std::mt19937 rng(9);
    std::vector<TriangleMesh> meshes{hostsdk::PlaceholderBox()};
    TriangleMesh soup;
    for (int i = 0; i < 300; ++i)
    {
        const Point3 a = RandomPoint(rng, 20.0f);
        soup.vertices.insert(soup.vertices.end(),
                             {a, a + RandomPoint(rng, 6.0f), a + RandomPoint(rng, 6.0f)});
        soup.triangles.push_back({3 * i, 3 * i + 1, 3 * i + 2});
    }
    // A plane of quads: rays through shared edges meet two triangles at the same parameter.
    TriangleMesh grid;
    for (int y = 0; y <= 8; ++y)
        for (int x = 0; x <= 8; ++x)
            grid.vertices.push_back(Point3(x * 5.0f - 20.0f, y * 5.0f - 20.0f, 0.0f));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
        {
            const int v = y * 9 + x;
            grid.triangles.push_back({v, v + 1, v + 10});
            grid.triangles.push_back({v, v + 10, v + 9});
        }
    // The same face twice over.
    grid.triangles.push_back(grid.triangles[5]);
    for (TriangleMesh* mesh : {&soup, &grid})
    {
        for (const Point3& v : mesh->vertices)
            mesh->bounds += v;
        mesh->BuildHierarchy();
        meshes.push_back(*mesh);
    }

    for (const TriangleMesh& mesh : meshes)
        for (int r = 0; r < 3000; ++r)
        {
            Ray ray = RandomRay(rng, 20.0f);
            if (r % 7 == 0) // through a grid corner
                ray.dir = Point3(std::round(ray.p.x / 5.0f) * 5.0f, 0.0f, 0.0f) - ray.p;
            float expected = 0.0f;
            size_t triangle = 0;
            const bool hit = FirstNearestTriangle(mesh, ray, expected, triangle);
            float at = -1.0f;
            Point3 normal;
            ASSERT_EQ(mesh.Intersect(ray, at, normal), hit) << "ray " << r;
            if (!hit)
                continue;
            ASSERT_EQ(at, expected);
            ASSERT_EQ(normal, mesh.FaceNormal(triangle));
        }
}
