#pragma once
// The meshes of a repository modelled in boxes: a figure of boxes per pose, an outfit of boxes one
// centimetre proud of it, and an asset as one box of its size.

#include "SampleRepository.h"

#include <string>

namespace ZANRET::Samples
{
std::string BoxBody(const Pose& pose);
std::string BoxCloth(const Cloth& cloth, const Pose& pose);
// A box of the asset's size around its origin.
std::string BoxAsset(const Asset& asset);
// A box of the asset's size at its offset.
std::string BoxSpecificAsset(const Asset& asset, const Pose& pose);
} // namespace ZANRET::Samples
