#include "Meshes.h"

#include <charconv>
#include <vector>

namespace ZANRET::Samples
{
namespace
{
struct Box
{
    // Centre in x and y, bottom in z, then the extent along each axis.
    float x, y, z, width, depth, height;
};

// Seated poses are drawn lower; everything else stands.
bool IsSeated(const Pose& pose)
{
    return pose.id.find("sit") != std::string::npos;
}

std::vector<Box> Figure(const Pose& pose, float grow)
{
    const float g = grow;
    if (IsSeated(pose))
    {
        return {
            {0, 0, 106, 20 + g, 22 + g, 24 + g},    // head
            {0, 0, 56, 36 + g, 22 + g, 50 + g},     // torso
            {-10, -20, 42, 14 + g, 46 + g, 14 + g}, // thighs
            {10, -20, 42, 14 + g, 46 + g, 14 + g},  //
            {-10, -40, 0, 12 + g, 12 + g, 44 + g},  // shins
            {10, -40, 0, 12 + g, 12 + g, 44 + g},   //
            {-24, -6, 62, 10 + g, 10 + g, 42 + g},  // arms
            {24, -6, 62, 10 + g, 10 + g, 42 + g},   //
        };
    }
    return {
        {0, 0, 148, 20 + g, 22 + g, 24 + g},  // head
        {0, 0, 92, 36 + g, 22 + g, 54 + g},   // torso
        {-10, 0, 0, 14 + g, 14 + g, 92 + g},  // legs
        {10, 0, 0, 14 + g, 14 + g, 92 + g},   //
        {-24, 0, 84, 10 + g, 10 + g, 60 + g}, // arms
        {24, 0, 84, 10 + g, 10 + g, 60 + g},  //
    };
}

void AppendNumber(std::string& text, float value)
{
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

std::string ObjText(const std::string& name, const std::vector<Box>& boxes)
{
    std::string text = "# " + name + "\n";
    for (const Box& b : boxes)
    {
        const float x0 = b.x - b.width / 2, x1 = b.x + b.width / 2;
        const float y0 = b.y - b.depth / 2, y1 = b.y + b.depth / 2;
        const float z0 = b.z, z1 = b.z + b.height;
        const float corners[8][3] = {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0},
                                     {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}};
        for (const auto& c : corners)
        {
            text += "v ";
            AppendNumber(text, c[0]);
            text += ' ';
            AppendNumber(text, c[1]);
            text += ' ';
            AppendNumber(text, c[2]);
            text += '\n';
        }
    }
    // Faces index the vertices from 1, counter-clockwise seen from outside.
    static const int faces[6][4] = {{1, 4, 3, 2}, {5, 6, 7, 8}, {1, 2, 6, 5},
                                    {2, 3, 7, 6}, {3, 4, 8, 7}, {4, 1, 5, 8}};
    for (std::size_t i = 0; i < boxes.size(); ++i)
    {
        const int base = static_cast<int>(i) * 8;
        for (const auto& f : faces)
        {
            text += "f " + std::to_string(base + f[0]) + ' ' + std::to_string(base + f[1]) + ' ' +
                    std::to_string(base + f[2]) + ' ' + std::to_string(base + f[3]) + '\n';
        }
    }
    return text;
}
} // namespace

std::string BodyMesh(const Pose& pose)
{
    return ObjText("body, pose " + pose.id, Figure(pose, 0));
}

std::string ClothMesh(const Cloth& cloth, const Pose& pose)
{
    // Everything below the head, one centimetre proud of the body on every side.
    std::vector<Box> boxes = Figure(pose, 2);
    boxes.erase(boxes.begin());
    for (Box& b : boxes)
        b.z -= 1;
    return ObjText("outfit " + cloth.id + ", pose " + pose.id, boxes);
}

std::string AssetMesh(const Asset& asset)
{
    const auto& s = asset.size;
    return ObjText("asset " + asset.id, {{0, 0, -s[2] / 2, s[0], s[1], s[2]}});
}

std::string SpecificAssetMesh(const Asset& asset, const Pose& pose)
{
    const auto& s = asset.size;
    const auto& o = asset.offset;
    // A seated figure's hands and lap are lower.
    const float z = IsSeated(pose) ? o[2] * 0.7f : o[2];
    return ObjText("asset " + asset.id + ", pose " + pose.id, {{o[0], o[1], z, s[0], s[1], s[2]}});
}
} // namespace ZANRET::Samples
