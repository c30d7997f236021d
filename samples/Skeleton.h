#pragma once
// Where the joints of a sample figure are in each posture, in centimetres: z up, the feet at z = 0,
// the figure facing -y. Its right side (index 0) is at -x, its left (index 1) at +x. The meshes and
// the pictures of a pose are both drawn from it.

#include "MeshBuilder.h"
#include "SampleRepository.h"

#include <array>

namespace ZANRET::Samples
{
struct Skeleton
{
    // The middle of the hips; the torso's sections are measured up from it.
    Vec3 pelvis;
    // Where the torso's centre line leans to at the shoulders.
    Vec3 shoulderLine;
    Vec3 head;
    std::array<Vec3, 2> shoulder, elbow, wrist, hand;
    std::array<Vec3, 2> hip, knee, ankle, toe;
};

Skeleton SkeletonOf(Posture posture);

// The figure's head, as an ellipsoid around Skeleton::head.
inline constexpr Vec3 kHeadRadii{8.5f, 10.0f, 11.0f};
} // namespace ZANRET::Samples
