#include "BoxMeshes.h"

#include "MeshBuilder.h"

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

std::string ObjText(const std::string& name, const std::vector<Box>& boxes)
{
    MeshBuilder mesh;
    for (const Box& b : boxes)
        mesh.Box({b.x, b.y, b.z}, {b.width, b.depth, b.height});
    return mesh.ObjText(name);
}
} // namespace

std::string BoxBody(const Pose& pose)
{
    return ObjText("body, pose " + pose.id, Figure(pose, 0));
}

std::string BoxCloth(const Cloth& cloth, const Pose& pose)
{
    // Everything below the head, one centimetre proud of the body on every side.
    std::vector<Box> boxes = Figure(pose, 2);
    boxes.erase(boxes.begin());
    for (Box& b : boxes)
        b.z -= 1;
    return ObjText("outfit " + cloth.id + ", pose " + pose.id, boxes);
}

std::string BoxAsset(const Asset& asset)
{
    const auto& s = asset.size;
    return ObjText("asset " + asset.id, {{0, 0, -s[2] / 2, s[0], s[1], s[2]}});
}

std::string BoxSpecificAsset(const Asset& asset, const Pose& pose)
{
    const auto& s = asset.size;
    const auto& o = asset.offset;
    // A seated figure's hands and lap are lower.
    const float z = IsSeated(pose) ? o[2] * 0.7f : o[2];
    return ObjText("asset " + asset.id + ", pose " + pose.id, {{o[0], o[1], z, s[0], s[1], s[2]}});
}
} // namespace ZANRET::Samples
