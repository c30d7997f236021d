// The default sample's meshes read as what they are: a dress flares below the waist, trousers have
// two legs, and every asset the asset matrix places sits on the figure of its pose, a hat on the
// head. Read as the OBJ text the files are, not with the generator's own code.

#include "SampleCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
using Vertex = std::array<float, 3>;
using Vertices = std::vector<Vertex>;
constexpr float kDegrees = 3.14159265f / 180.0f;

fs::path Samples()
{
    const char* samples = std::getenv("ZANRET_SAMPLES");
    return samples != nullptr ? fs::path(samples) : fs::path();
}

Vertices Read(const fs::path& file)
{
    Vertices vertices;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
    {
        std::istringstream fields(line);
        std::string kind;
        Vertex v{};
        if (fields >> kind && kind == "v" && fields >> v[0] >> v[1] >> v[2])
            vertices.push_back(v);
    }
    return vertices;
}

// The vertices with z in [low, high].
Vertices Band(const Vertices& vertices, float low, float high)
{
    Vertices band;
    std::copy_if(vertices.begin(), vertices.end(), std::back_inserter(band),
                 [&](const Vertex& v) { return v[2] >= low && v[2] <= high; });
    return band;
}

float HalfWidth(const Vertices& vertices)
{
    float widest = 0;
    for (const Vertex& v : vertices)
        widest = std::max(widest, std::fabs(v[0]));
    return widest;
}

// As the builder places an asset: turned about x, then y, then z, then moved.
Vertices Placed(Vertices vertices, const Vertex& position, const Vertex& degrees)
{
    for (Vertex& v : vertices)
    {
        for (int axis = 0; axis < 3; ++axis)
        {
            const float c = std::cos(degrees[axis] * kDegrees), s = std::sin(degrees[axis] * kDegrees);
            const int a = (axis + 1) % 3, b = (axis + 2) % 3;
            const float va = v[a], vb = v[b];
            v[a] = va * c - vb * s;
            v[b] = va * s + vb * c;
        }
        for (int axis = 0; axis < 3; ++axis)
            v[axis] += position[axis];
    }
    return vertices;
}

float Nearest(const Vertices& from, const Vertices& to)
{
    float nearest = std::numeric_limits<float>::max();
    for (const Vertex& a : from)
        for (const Vertex& b : to)
            nearest = std::min(nearest, std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]));
    return nearest;
}

float Attribute(const SampleCatalogue& c, const std::string& at, const char* name)
{
    const std::string text = c.SelectFirst(at + "/@" + name);
    return text.empty() ? 0.0f : std::stof(text);
}

class SampleMeshes : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(fs::is_directory(Samples())) << "ZANRET_SAMPLES is not set"; }
};

TEST_F(SampleMeshes, OutfitsHaveTheirCutAndStaySmall)
{
    const fs::path anna = Samples() / "characters/anna";
    const Vertices body = Read(anna / "poses/stand/pose.vrmesh");
    const Vertices dress = Read(anna / "dress/anna_dress_stand.vrmesh");
    ASSERT_GT(body.size(), 100U);
    ASSERT_FALSE(dress.empty());
    // The body is a grown woman, feet on the ground.
    float top = 0, bottom = 1000;
    for (const Vertex& v : body)
    {
        top = std::max(top, v[2]);
        bottom = std::min(bottom, v[2]);
    }
    EXPECT_NEAR(top, 172, 3);
    EXPECT_NEAR(bottom, 0, 1);

    // The skirt flares out from the waist and is far wider than the legs at the knees, passing in
    // front of and behind the gap between them.
    const float hem = HalfWidth(Band(dress, 45, 60));
    EXPECT_GT(hem, HalfWidth(Band(dress, 100, 110)) + 8);
    EXPECT_GT(hem, HalfWidth(Band(body, 45, 60)) + 8);
    const Vertices knees = Band(dress, 45, 60);
    EXPECT_TRUE(std::any_of(knees.begin(), knees.end(),
                            [](const Vertex& v) { return std::fabs(v[0]) < 8 && std::fabs(v[1]) > 12; }));

    // Trousers: two legs at the knees, standing and in a stride, with nothing between them.
    for (const char* pose : {"stand", "walk"})
    {
        const Vertices legs =
            Band(Read(anna / (std::string("jeans/anna_jeans_") + pose + ".vrmesh")), 40, 60);
        ASSERT_FALSE(legs.empty()) << pose;
        EXPECT_TRUE(
            std::none_of(legs.begin(), legs.end(), [](const Vertex& v) { return std::fabs(v[0]) < 1.5f; }))
            << pose;
        EXPECT_TRUE(std::any_of(legs.begin(), legs.end(), [](const Vertex& v) { return v[0] < -4; })) << pose;
        EXPECT_TRUE(std::any_of(legs.begin(), legs.end(), [](const Vertex& v) { return v[0] > 4; })) << pose;
    }
    // A swimsuit leaves the legs bare.
    EXPECT_TRUE(Band(Read(anna / "swim/anna_swim_stand.vrmesh"), 0, 80).empty());

    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Samples()))
    {
        if (entry.path().extension() == ".vrmesh")
        {
            EXPECT_LT(entry.file_size(), 32U * 1024U) << entry.path();
        }
    }
}

TEST_F(SampleMeshes, AssetsSitWhereTheMatrixPutsThemOnTheFigureOfTheirPose)
{
    const SampleCatalogue c(Samples() / "zanret.xml");
    ASSERT_TRUE(c.IsWellFormed()) << c.Problem();
    int placed = 0, hats = 0;
    for (const std::string id : {"anna", "ben"})
    {
        const std::string character = "/zanret/character[@id='" + id + "']";
        const fs::path folder = Samples() / Slashed(c.SelectFirst(character + "/@folder"));
        const Values poses = c.Select(character + "/AssetMatrix/matrix/@poseID");
        const Values assets = c.Select(character + "/AssetMatrix/matrix/@assetID");
        for (std::size_t i = 0; i < poses.size(); ++i)
        {
            const std::string entry = character + "/AssetMatrix/matrix[" + std::to_string(i + 1) + "]";
            const std::string asset = character + "/assets/asset[@id='" + assets[i] + "']";
            fs::path mesh = folder / Slashed(c.SelectFirst(asset + "/@folder")) / "asset.vrmesh";
            if (c.SelectFirst(asset + "/@type") == "global")
            {
                const std::string global = c.SelectFirst("/zanret/globalAssets/asset[@id='" +
                                                         c.SelectFirst(asset + "/@globalID") + "']/@folder");
                mesh = Samples() / "global_assets" / Slashed(global) / "asset.vrmesh";
            }
            const fs::path body =
                folder / Slashed(c.SelectFirst(character + "/poses/pose[@id='" + poses[i] + "']/@folder")) /
                "pose.vrmesh";
            if (!fs::is_regular_file(mesh) || !fs::is_regular_file(body))
                continue; // missing on purpose
            SCOPED_TRACE(id + " " + poses[i] + " " + assets[i]);
            const Vertices figure = Read(body);
            const Vertices item = Placed(
                Read(mesh),
                {Attribute(c, entry, "xpos"), Attribute(c, entry, "ypos"), Attribute(c, entry, "zpos")},
                {Attribute(c, entry, "xrot"), Attribute(c, entry, "yrot"), Attribute(c, entry, "zrot")});
            ASSERT_FALSE(item.empty());
            ++placed;
            // On the figure: touching it, not floating beside it.
            EXPECT_LT(Nearest(item, figure), 8.0f);

            const std::string shape = c.SelectFirst(asset + "/@name");
            if (shape != "Sun Hat" && shape != "Cap" && shape != "Beanie")
                continue;
            // Headwear covers the top of the head: below it its rim, above it its crown.
            ++hats;
            float low = 1000, high = 0, x = 0, y = 0;
            for (const Vertex& v : item)
            {
                low = std::min(low, v[2]);
                high = std::max(high, v[2]);
                x += v[0] / static_cast<float>(item.size());
                y += v[1] / static_cast<float>(item.size());
            }
            float head = 0;
            for (const Vertex& v : figure)
                if (std::hypot(v[0] - x, v[1] - y) < 10)
                    head = std::max(head, v[2]);
            EXPECT_LT(low, head - 4);
            EXPECT_GT(low, head - 22);
            EXPECT_GT(high, head);
        }
    }
    EXPECT_GT(placed, 30);
    EXPECT_GE(hats, 9);
}
} // namespace
