#pragma once
// Mesh files of a sample repository, in the stand-in proxy-mesh format (a Wavefront OBJ subset:
// vertices and faces), sized in centimetres with z up and the feet at z = 0, modelled as the
// repository says.

#include "SampleRepository.h"

#include <string>

namespace ZANRET::Samples
{
// The body of a pose (pose.vrmesh).
std::string BodyMesh(Modelling modelling, const Pose& pose);
// An outfit in a pose, slightly larger than the body.
std::string ClothMesh(Modelling modelling, const Cloth& cloth, const Pose& pose);
// An asset placed by the asset matrix (asset.vrmesh), around its origin.
std::string AssetMesh(Modelling modelling, const Asset& asset);
// A "specific" asset in one pose (<pose id>.vrmesh), where it belongs in that pose.
std::string SpecificAssetMesh(Modelling modelling, const Asset& asset, const Pose& pose);
} // namespace ZANRET::Samples
