#pragma once
// What a built character looks like to the host and to the user: the classes it is made of, its
// names, user-property keys, layer and undo text. Placement and tests read the same names.

#include "hostsdk/Types.h"

namespace ZANRET::Builder
{
// The helper that parents a character; its parameter 0 is set to kParentHelperSize.
inline constexpr Class_ID kCharacterParentClassID(0x1999, 0);
// The renderer's proxy mesh: parameter 0 of its first block is the mesh path.
inline constexpr Class_ID kProxyMeshClassID(0x6CF53873, 0x1FF85498);
// A material class whose parameter kUnitScaledParameter is a length in centimetres.
inline constexpr Class_ID kUnitScaledMaterialClassID(0x3F2C5FAA, 0x750008BC);

inline constexpr float kParentHelperSize = 50.0f;
inline constexpr ParamID kProxyPathParameter = 0;
inline constexpr ParamID kProxyScaleParameter = 2;
inline constexpr ParamID kUnitScaledParameter = 22;

// Parent and group head are both named this, followed by the character's "name".
inline constexpr const wchar_t* kCharacterNamePrefix = L"ZANRET Character ";
inline constexpr const wchar_t* kCharacterLayerName = L"ZANRET Characters";
inline constexpr const wchar_t* kUndoText = L"ZANRET Character";
// The undo step of a placement that took its character out of the scene again.
inline constexpr const wchar_t* kRemoveUndoText = L"Delete ZANRET Character";
inline constexpr const wchar_t* kStartPrompt = L"Create ZANRET Character...";
inline constexpr const wchar_t* kDonePrompt = L"ZANRET Character created";

// User properties: Boolean TRUE on the parent and the group head; ids on the mesh nodes.
inline constexpr const wchar_t* kParentProperty = L"ZANRET_PARENT";
inline constexpr const wchar_t* kGroupProperty = L"ZANRET_GROUP";
inline constexpr const wchar_t* kCharacterProperty = L"ZANRET_CHAR";
inline constexpr const wchar_t* kPoseProperty = L"ZANRET_POSE";
inline constexpr const wchar_t* kClothProperty = L"ZANRET_CLOTH";
inline constexpr const wchar_t* kAssetProperty = L"ZANRET_ASSET";
} // namespace ZANRET::Builder
