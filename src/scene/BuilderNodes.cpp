// The nodes of a character: the parent helper, the proxy-mesh nodes, and the character layer.

#include "scene/Builder.h"

#include "scene/BuilderConventions.h"
#include "scene/BuilderSupport.h"
#include "scene/ObjectDatabase.h"

#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Fields.h"
#include "repository/RepositoryLayout.h"
#include "repository/Selection2.h"

#include "hostsdk/Interface.h"
#include "hostsdk/Layer.h"
#include "hostsdk/ParamBlock.h"

#include <string>

namespace ZANRET::Builder
{
std::wstring CharacterNodeName()
{
    std::wstring name = kCharacterNamePrefix;
    if (const wchar_t* id = Selection2::GetCharacter())
        if (const CharacterData* character = Data2::GetCharacter(id))
            if (character->CheckDatafield(L"name"))
                name += Fields::Value(character, L"name");
    return name;
}

bool IsInRepository(const wchar_t* repositoryPath, const std::wstring& path)
{
    if (!repositoryPath)
        return false;
    if (RepositoryLayout::StaysInRepository(repositoryPath, path))
        return true;
    Debug::AddDebugMessage(DEBUG_ERROR, L"Builder::IsInRepository: path leaves the repository folder");
    Debug::AddDebugMessage(DEBUG_ERROR, path.c_str());
    return false;
}

INode* CreateParentNode()
{
    auto* helper = static_cast<Object*>(CreateInstance(HELPER_CLASS_ID, kCharacterParentClassID));
    if (!helper)
        return nullptr;
    if (IParamBlock2* block = helper->GetParamBlock(0))
        block->SetValue(0, 0, kParentHelperSize);

    INode* node = GetCOREInterface()->CreateObjectNode(helper);
    if (!node)
        return nullptr;
    Matrix3 identity;
    node->SetNodeTM(0, identity);

    node->SetName(HostText(CharacterNodeName()).c_str());
    node->SetUserProperty(HostText(kParentProperty).c_str(), TRUE);
    return node;
}

void AddToCharacterLayer(INode* node)
{
    Interface13* ip = GetCOREInterface13();
    ILayerManager* layers = ip ? ip->GetLayerManager() : nullptr;
    if (!layers || !node)
        return;
    const auto layerName = HostText(kCharacterLayerName);
    ILayer* layer = layers->FindLayer(layerName.c_str());
    if (!layer)
        layer = layers->CreateLayer(layerName.c_str());
    if (!layer)
        return;
    auto* properties = static_cast<ILayerProperties*>(layer->GetInterface(kLayerPropertiesInterfaceID));
    if (!properties)
        return;
    properties->AddNode(node);
}

INode* CreateProxyNode(const wchar_t* meshPath, const wchar_t* nodeName, INode* parent)
{
    if (!meshPath || !nodeName || !parent)
        return nullptr;
    Debug::AddDebugMessage(DEBUG_INFO, L"proxy mesh:");
    Debug::AddDebugMessage(DEBUG_INFO, meshPath);

    Object* proxy = ObjectDatabase::Find(meshPath);
    if (proxy)
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"use instance...");
    }
    else
    {
        proxy = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshClassID));
        if (!proxy)
            return nullptr;
        ObjectDatabase::Add(proxy, meshPath);
    }

    Interface* ip = GetCOREInterface();
    if (IParamBlock2* block = proxy->GetParamBlock(0))
    {
        block->SetValue(kProxyScaleParameter, ip->GetTime(), 1.0f);
        block->SetValue(kProxyPathParameter, ip->GetTime(), HostText(meshPath).c_str());
    }

    INode* node = ip->CreateObjectNode(proxy);
    if (!node)
    {
        // The store counted a node that was never made.
        ObjectDatabase::Release(proxy);
        return nullptr;
    }
    Matrix3 rootTM = ip->GetRootNode()->GetNodeTM(0);
    node->SetNodeTM(0, rootTM);
    node->SetName(HostText(nodeName).c_str());
    parent->AttachChild(node, TRUE);
    AddToCharacterLayer(node);
    return node;
}
} // namespace ZANRET::Builder
