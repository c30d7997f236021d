#pragma once
// One record of a character's asset matrix: where an asset sits in one pose.

#include <string>

namespace ZANRET
{
struct AssetMatrixElement
{
    std::wstring poseID;
    std::wstring assetID;
    float xpos = 0.0f;
    float ypos = 0.0f;
    float zpos = 0.0f;
    // Degrees.
    float xrot = 0.0f;
    float yrot = 0.0f;
    float zrot = 0.0f;
};
} // namespace ZANRET
