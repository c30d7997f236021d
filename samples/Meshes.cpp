#include "Meshes.h"

#include "BoxMeshes.h"
#include "FigureMeshes.h"

namespace ZANRET::Samples
{
std::string BodyMesh(Modelling modelling, const Pose& pose)
{
    return modelling == Modelling::Boxes ? BoxBody(pose) : FigureBody(pose);
}

std::string ClothMesh(Modelling modelling, const Cloth& cloth, const Pose& pose)
{
    return modelling == Modelling::Boxes ? BoxCloth(cloth, pose) : FigureCloth(cloth, pose);
}

std::string AssetMesh(Modelling modelling, const Asset& asset)
{
    return modelling == Modelling::Boxes ? BoxAsset(asset) : FigureAsset(asset);
}

std::string SpecificAssetMesh(Modelling modelling, const Asset& asset, const Pose& pose)
{
    return modelling == Modelling::Boxes ? BoxSpecificAsset(asset, pose) : FigureSpecificAsset(asset, pose);
}
} // namespace ZANRET::Samples
