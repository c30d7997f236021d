#pragma once
// Builds the current selection as a character in the host scene: a parent helper with proxy-mesh
// nodes for the posed body, its mandatory elements, the cloth and the selected assets, scaled for
// the system unit, grouped, on the layer "ZANRET Characters", as one undo step.

#include "repository/CharacterData.h"
#include "repository/DataContainer.h"

#include "hostsdk/INode.h"
#include "hostsdk/Point3.h"

namespace ZANRET::Builder
{
// The state of one build. Texts are borrowed from the repository data and the selection, and are
// valid only during the build.
struct BuildContext
{
    INode* parent = nullptr;
    CharacterData* character = nullptr;
    const wchar_t* characterId = nullptr;
    const wchar_t* characterFolder = nullptr;
    const wchar_t* characterMapsFolder = nullptr;
    DataContainer* pose = nullptr;
    const wchar_t* poseId = nullptr;
    DataContainer* cloth = nullptr;
    const wchar_t* clothId = nullptr;
    DataContainer* skin = nullptr;
    const wchar_t* skinId = nullptr;
    DataContainer* style = nullptr;
    // The asset being built and its chosen material; null between assets.
    DataContainer* asset = nullptr;
    DataContainer* assetMaterial = nullptr;
    // Ends with a separator.
    const wchar_t* repositoryPath = nullptr;
    const wchar_t* globalMapsFolder = nullptr;
};

// The parent helper of the new character, or null when nothing was built (the scene and the undo
// history are then as they were).
INode* BuildCharacter();
// True when character, pose, cloth, cloth material and skin are all selected and found.
bool ResolveSelection(BuildContext* context);
// Null when the helper or its node cannot be made.
INode* CreateParentNode();
void AddToCharacterLayer(INode* node);
// Null when no proxy object or node could be made. The mesh file itself is not looked at.
INode* CreateProxyNode(const wchar_t* meshPath, const wchar_t* nodeName, INode* parent);

bool AddMandatoryElements(BuildContext* context);
bool AddCloths(BuildContext* context);
bool AddAssets(BuildContext* context);
// Builds context->asset by its "type": global, specific or placed by the asset matrix.
void DispatchAsset(BuildContext* context);
void AddAsset(BuildContext* context);
void AddGlobalAsset(BuildContext* context);
void AddAssetWithoutMatrix(BuildContext* context);

// (f, f, f): how many scene units one centimetre of repository geometry is.
Point3 GetUnitScale();
} // namespace ZANRET::Builder
