#include "FigureMeshes.h"

#include "MeshBuilder.h"
#include "Skeleton.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace ZANRET::Samples
{
namespace
{
// The torso as sections up from the pelvis: height above it in cm, half width, half depth.
struct TorsoSection
{
    float height, rx, ry;
};

const std::vector<TorsoSection> kTorso = {
    {-8, 12, 9},     // crotch
    {0, 17, 12},     // hips
    {14, 13.5, 9.5}, // waist
    {32, 16, 11.5},  // chest
    {44, 18.5, 10},  // under the shoulders
    {48, 15, 8},     // shoulder tops
    {51, 5.5, 5.5},  // neck
};
constexpr float kShoulderHeight = 46; // pelvis to the shoulder line

// The torso's centre line at a height above the pelvis; it leans with the shoulders.
Vec3 TorsoCentre(const Skeleton& s, float height)
{
    return Mix(s.pelvis, s.shoulderLine, height / kShoulderHeight);
}

// The torso's sections from one height to another, grown by `grow` on every side.
std::vector<Section> Torso(const Skeleton& s, float from, float to, float grow)
{
    std::vector<Section> sections;
    for (const TorsoSection& t : kTorso)
    {
        if (t.height >= from && t.height <= to)
            sections.push_back({TorsoCentre(s, t.height), t.rx + grow, t.ry + grow});
    }
    return sections;
}

void Arm(MeshBuilder& mesh, const Skeleton& s, int i, float grow, float reach)
{
    const Vec3 end = Mix(s.elbow[i], s.wrist[i], reach);
    mesh.Limb({s.shoulder[i], s.elbow[i], end}, {4.5f + grow, 3.8f + grow, 3.2f + grow});
}

void Leg(MeshBuilder& mesh, const Skeleton& s, int i, float grow)
{
    mesh.Limb({s.hip[i], s.knee[i], s.ankle[i] + Vec3{0, 0, 2}}, {7.5f + grow, 5.2f + grow, 3.8f + grow});
}

// A skirt from the hips towards the knees and on by `length` (1: to the knees), flaring to `hem`.
void Skirt(MeshBuilder& mesh, const Skeleton& s, float length, float hem)
{
    const Vec3 knees = Mix(s.knee[0], s.knee[1], 0.5f);
    std::vector<Section> sections;
    for (float t : {0.0f, 0.5f, 1.0f})
    {
        const float flare = hem * t;
        sections.push_back({Mix(s.pelvis, knees, t * length), 18.5f + flare, 13.5f + flare});
    }
    mesh.Sweep(sections, 14);
}
} // namespace

std::string FigureBody(const Pose& pose)
{
    const Skeleton s = SkeletonOf(pose.posture);
    MeshBuilder mesh;
    mesh.Sweep(Torso(s, -8, 51, 0), 12);
    mesh.Limb({TorsoCentre(s, 50), Mix(TorsoCentre(s, 50), s.head, 0.6f)}, {5, 4.6f});
    mesh.Ellipsoid(s.head, kHeadRadii);
    for (int i = 0; i < 2; ++i)
    {
        Arm(mesh, s, i, 0, 1);
        mesh.Limb({s.wrist[i], Mix(s.wrist[i], s.hand[i], 0.5f), s.hand[i]}, {2.8f, 3.2f, 2.0f}, 6);
        Leg(mesh, s, i, 0);
        const Vec3 heel = s.ankle[i] + Vec3{0, 3, 0};
        mesh.Limb({Vec3{heel.x, heel.y, s.ankle[i].z - 4.5f}, s.toe[i]}, {3.5f, 3}, 6);
    }
    return mesh.ObjText("body, pose " + pose.id);
}

std::string FigureCloth(const Cloth& cloth, const Pose& pose)
{
    const Skeleton s = SkeletonOf(pose.posture);
    MeshBuilder mesh;
    switch (cloth.garment)
    {
    case Garment::Trousers:
        mesh.Sweep(Torso(s, -8, 48, 1.5f), 12);
        mesh.Limb({TorsoCentre(s, 48), TorsoCentre(s, 50.5f)}, {7.5f, 6.5f}, 10);
        for (int i = 0; i < 2; ++i)
        {
            Arm(mesh, s, i, 1.2f, 0.8f);
            Leg(mesh, s, i, 1.2f);
        }
        break;
    case Garment::Dress:
        mesh.Sweep(Torso(s, 0, 48, 1.2f), 12);
        Skirt(mesh, s, 1.0f, 9);
        for (int i = 0; i < 2; ++i)
            mesh.Limb({s.shoulder[i], Mix(s.shoulder[i], s.elbow[i], 0.35f)}, {6.2f, 5.6f});
        break;
    case Garment::Coat:
        mesh.Sweep(Torso(s, 0, 48, 2.0f), 12);
        mesh.Limb({TorsoCentre(s, 48), TorsoCentre(s, 51)}, {8.5f, 7}, 10);
        Skirt(mesh, s, 1.35f, 5);
        for (int i = 0; i < 2; ++i)
            Arm(mesh, s, i, 1.8f, 0.95f);
        break;
    case Garment::Swimsuit:
        mesh.Sweep(Torso(s, -8, 32, 0.8f), 12);
        break;
    }
    return mesh.ObjText("outfit " + cloth.id + ", pose " + pose.id);
}

std::string FigureAsset(const Asset& asset)
{
    constexpr float kPi = std::numbers::pi_v<float>;
    MeshBuilder mesh;
    switch (asset.shape)
    {
    case AssetShape::Hair:
        mesh.Ellipsoid({0, 2.5f, 3}, {9.4f, 10.5f, 9.5f});
        mesh.Limb({{0, 10, 2}, {0, 15, -6}, {0, 14, -16}}, {3, 2.6f, 1.5f}, 6);
        break;
    case AssetShape::SunHat:
        mesh.Sweep({{{0, 0, 0}, 19, 19}, {{0, 0, 0.8f}, 19, 19}}, 16);
        mesh.Sweep({{{0, 1.5f, 0}, 10, 12}, {{0, 1.5f, 9}, 9.6f, 11.5f}, {{0, 1.5f, 12}, 7, 8.5f}}, 12);
        break;
    case AssetShape::Cap:
    case AssetShape::Beanie:
    {
        // A dome over the top of the head; a cap has a peak at the front.
        const float low = asset.shape == AssetShape::Beanie ? -4.0f : 0.0f;
        mesh.Sweep({{{0, 0.5f, low}, 9.6f, 10.8f},
                    {{0, 0.5f, 4}, 9.4f, 10.6f},
                    {{0, 0.5f, 8}, 7.5f, 8.5f},
                    {{0, 0.5f, 10.5f}, 4, 4.5f},
                    {{0, 0.5f, 11.5f}, 1, 1}},
                   12);
        if (asset.shape == AssetShape::Cap)
            mesh.Sweep({{{0, -8, 0.5f}, 8, 0.4f}, {{0, -19, 0.5f}, 6.5f, 0.4f}}, 8);
        break;
    }
    case AssetShape::Sunglasses:
        for (float side : {-1.0f, 1.0f})
        {
            mesh.Ellipsoid({side * 4.2f, 0, 0}, {3.6f, 0.5f, 2.6f}, 4, 10);
            mesh.Limb({{side * 7.4f, 0, 0.8f}, {side * 8.9f, 3, 0.8f}, {side * 9, 13, 0}},
                      {0.45f, 0.45f, 0.45f}, 4);
        }
        mesh.Limb({{-1.2f, 0, 0.8f}, {1.2f, 0, 0.8f}}, {0.4f, 0.4f}, 4);
        break;
    case AssetShape::Necklace:
        // Pearls around the neck, hanging lower and further out at the front.
        for (int k = 0; k < 16; ++k)
        {
            const float angle = 2.0f * kPi * static_cast<float>(k) / 16.0f;
            const float front = std::max(0.0f, -std::sin(angle));
            const float f = front * front;
            mesh.Ellipsoid({9.5f * std::cos(angle), 8.5f * std::sin(angle) - 3.5f * f, -6 * f},
                           {1.1f, 1.1f, 1.1f}, 3, 6);
        }
        break;
    case AssetShape::Scarf:
        mesh.Ring({0, 0, 0}, {0, 0, 1}, 8.5f, 7.8f, 2.8f, 14, 6);
        mesh.Limb({{4, -8, -1}, {5, -12.5f, -12}, {5, -12.5f, -24}}, {2.5f, 2.2f, 2}, 6);
        break;
    case AssetShape::Watch:
        mesh.Ring({0, 0, 0}, {0, 0, 1}, 3.6f, 3.3f, 0.7f, 12, 5);
        mesh.Sweep({{{0, -3.4f, 0}, 1.9f, 1.9f}, {{0, -4.4f, 0}, 1.9f, 1.9f}}, 12);
        break;
    case AssetShape::Handbag:
        mesh.Box({0, 0, -30}, {9, 26, 20});
        mesh.Limb({{0, -8, -10}, {0, -6, -3}, {0, 0, 0}, {0, 6, -3}, {0, 8, -10}},
                  {0.8f, 0.8f, 0.8f, 0.8f, 0.8f}, 5);
        break;
    case AssetShape::Backpack:
        mesh.Box({0, 7, -20}, {30, 14, 40});
        for (float side : {-1.0f, 1.0f})
            mesh.Limb({{side * 8, 1, 17}, {side * 9, -6, 23}, {side * 9, -17, 21}, {side * 9, -23, 8}},
                      {1.2f, 1.2f, 1.2f, 1.2f}, 4);
        break;
    case AssetShape::Bracelet:
    case AssetShape::Chair:
    case AssetShape::Phone:
    case AssetShape::Parcel:
        // A wrapped box; the others are "specific" and placed by their pose.
        mesh.Box({0, 0, -asset.size[2] / 2}, {asset.size[0], asset.size[1], asset.size[2]});
        mesh.Box({0, 0, -asset.size[2] / 2 - 0.2f}, {2, asset.size[1] + 0.4f, asset.size[2] + 0.4f});
        break;
    }
    return mesh.ObjText("asset " + asset.id);
}

std::string FigureSpecificAsset(const Asset& asset, const Pose& pose)
{
    const Skeleton s = SkeletonOf(pose.posture);
    MeshBuilder mesh;
    switch (asset.shape)
    {
    case AssetShape::Bracelet:
        mesh.Ring(Mix(s.wrist[1], s.elbow[1], 0.12f), s.elbow[1] - s.wrist[1], 3.7f, 3.7f, 0.6f, 12, 5);
        break;
    case AssetShape::Phone:
        mesh.Box(s.hand[1] + Vec3{0, -2.5f, -6}, {1.2f, 7, 14});
        break;
    case AssetShape::Chair:
    {
        // Under the seat of a seated figure; behind anyone else.
        const float back = pose.posture == Posture::Sitting ? 0.0f : 45.0f;
        mesh.Box({0, -14 + back, 40}, {44, 42, 4});
        for (float x : {-20.0f, 20.0f})
            for (float y : {-33.0f, 5.0f})
                mesh.Box({x, y + back, 0}, {3, 3, 40});
        mesh.Box({0, 10 + back, 44}, {40, 3, 44});
        break;
    }
    default:
        mesh.Box(s.hand[1] + Vec3{0, 0, -asset.size[2]}, {asset.size[0], asset.size[1], asset.size[2]});
        break;
    }
    return mesh.ObjText("asset " + asset.id + ", pose " + pose.id);
}
} // namespace ZANRET::Samples
