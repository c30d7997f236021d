#pragma once
// The fields of an asset-matrix record in the catalogue, and the rule that takes a record: it is
// announced, it is left out when it lacks its pose or its asset (the first of them it lacks is
// reported), and a number it lacks is reported and counts as 0. The messages are those of reading
// the fields from an element.

#include <string_view>

namespace ZANRET::AssetMatrixFields
{
enum Field
{
    POSE_ID,
    ASSET_ID,
    XPOS,
    YPOS,
    ZPOS,
    XROT,
    YROT,
    ZROT,
    FIELD_COUNT
};
// The numbers, from XPOS on: position, then rotation in degrees.
constexpr int kValueCount = FIELD_COUNT - XPOS;

// The attribute names, in the order of Field.
inline constexpr const char* kNames[FIELD_COUNT] = {"poseID", "assetID", "xpos", "ypos",
                                                    "zpos",   "xrot",    "yrot", "zrot"};
inline constexpr const wchar_t* kWideNames[FIELD_COUNT] = {L"poseID", L"assetID", L"xpos", L"ypos",
                                                           L"zpos",   L"xrot",    L"yrot", L"zrot"};

// Announces a record with the given fields and reports what it lacks; true when it is taken.
bool Announce(const bool (&given)[FIELD_COUNT]);

// A number of a record as the runtime's text-to-double conversion reads it, narrowed to float.
float Number(std::string_view utf8);
} // namespace ZANRET::AssetMatrixFields
