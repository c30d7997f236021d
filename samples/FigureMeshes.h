#pragma once
// The meshes of the sample figures: a body in each posture, an outfit of each cut over it, and the
// assets shaped as what they are.

#include "SampleRepository.h"

#include <string>

namespace ZANRET::Samples
{
std::string FigureBody(const Pose& pose);
// A little larger than the body, so that it shows over it.
std::string FigureCloth(const Cloth& cloth, const Pose& pose);
// A matrix-placed asset around its origin, the point the matrix puts where the asset belongs: a
// hat's brim, the middle of a head for hair or a cap, the neck for a necklace or a scarf, the
// bridge of a pair of glasses, a wrist for a watch, the top of a bag's handle, the middle of a
// backpack's side against the back.
std::string FigureAsset(const Asset& asset);
// A "specific" asset where it belongs in the pose: a bracelet on the left wrist, a phone in the
// left hand, a chair under a seated figure (behind a standing one).
std::string FigureSpecificAsset(const Asset& asset, const Pose& pose);
} // namespace ZANRET::Samples
