// The mesh nodes of a character: the posed body with its mandatory elements, the cloth, and the
// selected assets, each with its material.

#include "scene/Builder.h"

#include "scene/BuilderConventions.h"
#include "scene/BuilderSupport.h"
#include "scene/Materials.h"

#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Fields.h"
#include "repository/RepositoryLayout.h"
#include "repository/Selection2.h"

#include <string>

namespace ZANRET::Builder
{
namespace
{
constexpr float kDegreesToRadians = 0.017453292f;

// True when ResolveSelection filled the context and the parent exists: the steps below rely on it.
bool Ready(const BuildContext* context)
{
    return context && context->parent && context->character && context->characterFolder && context->pose &&
           context->poseId && context->cloth && context->clothId && context->style && context->skin &&
           context->repositoryPath && context->globalMapsFolder;
}

// The mesh's node under the parent, or null when it cannot be made or the mesh lies outside the
// repository.
INode* CreateMeshNode(const BuildContext* context, const std::wstring& meshPath, const wchar_t* name)
{
    if (!IsInRepository(context->repositoryPath, meshPath))
        return nullptr;
    return CreateProxyNode(meshPath.c_str(), name, context->parent);
}

// The asset's mesh node with its "ZANRET_ASSET" property, or null when the node cannot be made.
INode* CreateAssetNode(BuildContext* context, const std::wstring& meshPath)
{
    const wchar_t* id = Fields::Value(context->asset, L"id");
    const wchar_t* name = Fields::Value(context->asset, L"name");
    INode* node = CreateMeshNode(context, meshPath, name);
    if (!node)
        return nullptr;
    node->SetUserProperty(HostText(kAssetProperty).c_str(), HostText(id).c_str());
    return node;
}

// The asset's folder, or null when there is no asset or it lacks one of the fields every asset
// step reads.
const wchar_t* AssetFolder(const BuildContext* context)
{
    if (!Ready(context) || !context->asset)
        return nullptr;
    const DataContainer* asset = context->asset;
    const wchar_t* folder = Fields::Value(asset, L"folder");
    if (!folder || !Fields::Value(asset, L"id") || !Fields::Value(asset, L"name"))
        return nullptr;
    return folder;
}

// The chosen material's "material", else the asset's own; null when that element has none.
const wchar_t* AssetMaterialName(const BuildContext* context)
{
    const DataContainer* source = context->assetMaterial ? context->assetMaterial : context->asset;
    return source->CheckDatafield(L"material") ? Fields::Value(source, L"material") : nullptr;
}

// Rotations in degrees about X, then Y, then Z, then the position. The parent is still the
// identity here, so this is the placement in the parent's space.
void PlaceByMatrix(INode* node, const AssetMatrixElement& entry)
{
    Matrix3 tm;
    tm.IdentityMatrix();
    tm.RotateX(entry.xrot * kDegreesToRadians);
    tm.RotateY(entry.yrot * kDegreesToRadians);
    tm.RotateZ(entry.zrot * kDegreesToRadians);
    tm.Translate(Point3(entry.xpos, entry.ypos, entry.zpos));
    node->SetNodeTM(0, tm);
}
} // namespace

bool AddMandatoryElements(BuildContext* context)
{
    if (!Ready(context))
        return false;
    CharacterData* character = context->character;
    const wchar_t* characterId = Fields::Value(character, L"id");
    const wchar_t* poseFolder = Fields::Value(context->pose, L"folder");
    const wchar_t* poseId = Fields::Value(context->pose, L"id");
    const wchar_t* poseName = Fields::Value(context->pose, L"name");
    const wchar_t* skinMaterial = Fields::Value(context->skin, L"material");
    if (!characterId || !poseFolder || !poseId || !poseName || !skinMaterial)
        return false;

    const std::wstring path = RepositoryLayout::PoseMeshFile(context->characterFolder, poseFolder);
    INode* node = CreateMeshNode(context, path, poseName);
    if (!node)
        return false;
    node->SetUserProperty(HostText(kCharacterProperty).c_str(), HostText(characterId).c_str());
    node->SetUserProperty(HostText(kPoseProperty).c_str(), HostText(poseId).c_str());
    AssignMaterial(skinMaterial, context->globalMapsFolder,
                   RepositoryLayout::SkinLibraryFile(context->characterFolder).c_str(), node, context);

    for (std::int32_t i = 0; i < context->pose->GetChildCount(); ++i)
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"add mandatory element...");
        DataContainer* asset = character->ResolveAsset(context->pose->GetChild(i));
        if (asset && Data2::GetUnique(asset) != 0)
        {
            context->asset = asset;
            context->assetMaterial = nullptr;
            DispatchAsset(context);
        }
    }
    context->asset = nullptr;
    context->assetMaterial = nullptr;
    return true;
}

bool AddCloths(BuildContext* context)
{
    if (!Ready(context))
        return false;
    const wchar_t* folder = Fields::Value(context->cloth, L"folder");
    const wchar_t* name = Fields::Value(context->cloth, L"name");
    if (!folder || !name)
        return false;

    const std::wstring path =
        RepositoryLayout::ClothMeshFile(context->characterFolder, folder, context->clothId, context->poseId);
    INode* node = CreateMeshNode(context, path, name);
    if (!node)
        return false;
    node->SetUserProperty(HostText(kClothProperty).c_str(), HostText(context->clothId).c_str());
    node->SetUserProperty(HostText(kPoseProperty).c_str(), HostText(context->poseId).c_str());
    if (context->style->CheckDatafield(L"material"))
        AssignMaterial(Fields::Value(context->style, L"material"), context->globalMapsFolder,
                       RepositoryLayout::ClothLibraryFile(context->characterFolder, folder).c_str(), node,
                       context);
    return true;
}

bool AddAssets(BuildContext* context)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"add assets:");
    if (!Ready(context))
        return true;
    for (std::int32_t i = 0; i < Selection2::GetAssetCount(); ++i)
    {
        const std::int32_t unique = Selection2::GetAsset(i);
        if (unique == 0)
            continue;
        context->asset = nullptr;
        context->assetMaterial = nullptr;
        DataContainer* asset = nullptr;
        DataContainer* material = nullptr;
        // An id that no longer names anything (a reload since it was picked) is passed over.
        if (!Data2::GetGlobalAssetAndMaterial(unique, &asset, &material))
            context->character->GetAssetAndMaterial(unique, &asset, &material);
        if (!asset)
            continue;
        context->asset = asset;
        context->assetMaterial = material;
        DispatchAsset(context);
    }
    context->asset = nullptr;
    context->assetMaterial = nullptr;
    return true;
}

void DispatchAsset(BuildContext* context)
{
    if (!context || !context->asset)
        return;
    if (Data2::CheckAssetGlobal(context->asset))
        AddGlobalAsset(context);
    else if (CharacterData::IsSpecificAsset(context->asset))
        AddAssetWithoutMatrix(context);
    else
        AddAsset(context);
}

void AddAsset(BuildContext* context)
{
    const wchar_t* folder = AssetFolder(context);
    if (!folder)
        return;
    INode* node = CreateAssetNode(context, RepositoryLayout::AssetMeshFile(context->characterFolder, folder));
    if (!node)
        return;
    const AssetMatrixElement* entry =
        context->character->FindAssetMatrixElement(context->poseId, Fields::Value(context->asset, L"id"));
    if (!entry)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"could not find asset matrix...");
        return;
    }
    PlaceByMatrix(node, *entry);
    if (const wchar_t* material = AssetMaterialName(context))
        AssignMaterial(material, context->globalMapsFolder,
                       RepositoryLayout::AssetLibraryFile(context->characterFolder, folder).c_str(), node,
                       context);
}

void AddGlobalAsset(BuildContext* context)
{
    const wchar_t* folder = AssetFolder(context);
    if (!folder)
        return;
    INode* node =
        CreateAssetNode(context, RepositoryLayout::GlobalAssetMeshFile(context->repositoryPath, folder));
    if (!node)
        return;
    // A global asset is placed where the character's own reference to it would be.
    const DataContainer* local = context->character->GetLocalAssetForGlobal(context->asset);
    const wchar_t* localId = local && local->CheckDatafield(L"id") ? Fields::Value(local, L"id") : nullptr;
    const AssetMatrixElement* entry =
        localId ? context->character->FindAssetMatrixElement(context->poseId, localId) : nullptr;
    if (!entry)
        return;
    PlaceByMatrix(node, *entry);
    if (const wchar_t* material = AssetMaterialName(context))
        AssignGlobalMaterial(
            material, context->globalMapsFolder,
            RepositoryLayout::GlobalAssetLibraryFile(context->repositoryPath, folder).c_str(), node, context);
}

void AddAssetWithoutMatrix(BuildContext* context)
{
    const wchar_t* folder = AssetFolder(context);
    if (!folder)
        return;
    INode* node = CreateAssetNode(
        context, RepositoryLayout::SpecificAssetMeshFile(context->characterFolder, folder, context->poseId));
    if (!node)
        return;
    if (const wchar_t* material = AssetMaterialName(context))
        AssignMaterial(material, context->globalMapsFolder,
                       RepositoryLayout::AssetLibraryFile(context->characterFolder, folder).c_str(), node,
                       context);
}
} // namespace ZANRET::Builder
