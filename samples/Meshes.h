#pragma once
// Mesh files of a sample repository, in the stand-in proxy-mesh format (a Wavefront OBJ subset:
// vertices and faces), sized in centimetres with z up and the feet at z = 0.

#include "SampleRepository.h"

#include <string>

namespace ZANRET::Samples
{
// The body of a pose (pose.vrmesh).
std::string BodyMesh(const Pose& pose);
// An outfit in a pose: torso and legs, slightly larger than the body.
std::string ClothMesh(const Cloth& cloth, const Pose& pose);
// An asset placed by the asset matrix (asset.vrmesh): a box of its size around its origin.
std::string AssetMesh(const Asset& asset);
// A "specific" asset in one pose (<pose id>.vrmesh): a box of its size at its offset.
std::string SpecificAssetMesh(const Asset& asset, const Pose& pose);
} // namespace ZANRET::Samples
