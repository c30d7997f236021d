#include "PlacementTestScene.h"

#include "scene/Builder.h"
#include "scene/BuilderConventions.h"

namespace PlacementTestScene
{
namespace
{
std::basic_string<MCHAR> HostText(const std::wstring& text)
{
    return hostsdk::FromWide(text);
}

Object* NewObject(SClass_ID superClass, Class_ID classId)
{
    return static_cast<Object*>(static_cast<ReferenceTarget*>(CreateInstance(superClass, classId)));
}

INode* NewProxyNode()
{
    Object* proxy = NewObject(GEOMOBJECT_CLASS_ID, ZANRET::Builder::kProxyMeshClassID);
    if (!proxy)
        return nullptr;
    proxy->GetParamBlock(0)->SetValue(ZANRET::Builder::kProxyPathParameter, 0, _M("missing.vrmesh"));
    return GetCOREInterface()->CreateObjectNode(proxy);
}

void AddToLayer(INode* node)
{
    ILayerManager* manager = GetCOREInterface13()->GetLayerManager();
    const auto name = HostText(ZANRET::Builder::kCharacterLayerName);
    ILayer* layer = manager->FindLayer(name.c_str());
    if (!layer)
        layer = manager->CreateLayer(name.c_str());
    static_cast<ILayerProperties*>(layer->GetInterface(kLayerPropertiesInterfaceID))->AddNode(node);
}
} // namespace

TestCharacter MakeCharacter(const std::wstring& name, int meshes)
{
    Interface* ip = GetCOREInterface();
    TestCharacter character;
    theHold.Begin();
    character.parent =
        ip->CreateObjectNode(NewObject(HELPER_CLASS_ID, ZANRET::Builder::kCharacterParentClassID));
    const auto fullName = HostText(ZANRET::Builder::kCharacterNamePrefix + name);
    character.parent->SetName(fullName.c_str());
    AddToLayer(character.parent);
    for (int i = 0; i < meshes; ++i)
    {
        INode* child = NewProxyNode();
        character.parent->AttachChild(child, TRUE);
        AddToLayer(child);
        character.children.push_back(child);
    }
    Matrix3 scale;
    scale.SetScale(ZANRET::Builder::GetUnitScale());
    character.parent->SetNodeTM(0, scale);

    INodeTab members;
    members.AppendNode(character.parent, true);
    for (INode* child : character.children)
        members.AppendNode(child, true);
    MSTR groupName(fullName);
    character.head = ip->GroupNodes(&members, &groupName, FALSE);
    AddToLayer(character.head);
    const Point3 pivot = character.head->GetNodeTM(0).GetTrans();
    character.head->Move(0, Matrix3(), -pivot, FALSE, FALSE, PIV_PIVOT_ONLY, FALSE);
    ip->GetRootNode()->AttachChild(character.head, TRUE);
    theHold.Accept(HostText(ZANRET::Builder::kUndoText).c_str());
    return character;
}

INode* MakeBox(const Point3& p)
{
    INode* node = NewProxyNode();
    Matrix3 tm;
    tm.SetTrans(p);
    node->SetNodeTM(0, tm);
    return node;
}

ILayer* CharacterLayer()
{
    return GetCOREInterface13()->GetLayerManager()->FindLayer(
        HostText(ZANRET::Builder::kCharacterLayerName).c_str());
}

int CharacterLayerNodeCount()
{
    ILayer* layer = CharacterLayer();
    return layer ? static_cast<ILayerProperties*>(layer->GetInterface(kLayerPropertiesInterfaceID))
                       ->NumberOfNodes()
                 : 0;
}
} // namespace PlacementTestScene
