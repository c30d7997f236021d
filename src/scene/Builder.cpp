// One build: resolve the selection, make the parent and every mesh node, scale, group, layer, and
// accept the whole as one undo step.

#include "scene/Builder.h"

#include "scene/BuilderConventions.h"
#include "scene/BuilderSupport.h"

#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Fields.h"
#include "repository/RepositoryLayout.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"

#include "hostsdk/Hold.h"
#include "hostsdk/Interface.h"
#include "hostsdk/Units.h"

#include <string>

namespace ZANRET::Builder
{
namespace
{
void ScaleForSystemUnit(INode* parent)
{
    Matrix3 tm = parent->GetNodeTM(0);
    tm.SetScale(GetUnitScale());
    parent->SetNodeTM(0, tm);
}

// The parent and its direct children, each once.
void CollectGroupMembers(INode* parent, INodeTab& members)
{
    members.AppendNode(parent, true);
    for (int i = 0; i < parent->NumberOfChildren(); ++i)
        if (INode* child = parent->GetChildNode(i))
            members.AppendNode(child, true);
}

// The head's pivot goes to the world origin; the members stay where they are.
void MovePivotToOrigin(INode* head)
{
    const Point3 p = head->GetNodeTM(0).GetTrans();
    head->Move(0, Matrix3(), -p, FALSE, FALSE, PIV_PIVOT_ONLY, FALSE);
}
} // namespace

INode* BuildCharacter()
{
    Debug::AddDebugMessage(DEBUG_INFO, L"Create Character from Selection...");
    Interface* ip = GetCOREInterface();
    ip->PushPrompt(HostText(kStartPrompt).c_str());
    theHold.Begin();

    // The selection is resolved before anything is made, so that a stale one (elements gone after
    // a reload) touches nothing in the scene.
    BuildContext context;
    if (!ResolveSelection(&context))
    {
        theHold.Cancel();
        return nullptr;
    }
    INode* parent = CreateParentNode();
    if (!parent)
    {
        theHold.Cancel();
        return nullptr;
    }
    AddToCharacterLayer(parent);
    context.parent = parent;

    // A step that stops early keeps what it made; the character is still worth having.
    AddMandatoryElements(&context);
    AddCloths(&context);
    AddAssets(&context);

    ScaleForSystemUnit(parent);

    INodeTab members;
    CollectGroupMembers(parent, members);
    MSTR groupName(HostText(CharacterNodeName()));
    INode* head = ip->GroupNodes(&members, &groupName, FALSE);
    if (!head)
    {
        // An ungrouped character would break placement's hand-over; take the whole build back.
        theHold.Cancel();
        return nullptr;
    }
    head->SetUserProperty(HostText(kGroupProperty).c_str(), TRUE);
    AddToCharacterLayer(head);
    MovePivotToOrigin(head);
    ip->GetRootNode()->AttachChild(head, TRUE);

    theHold.Accept(HostText(kUndoText).c_str());
    ip->PushPrompt(HostText(kDonePrompt).c_str());
    ip->RedrawViews(ip->GetTime(), REDRAW_NORMAL, nullptr);
    return parent;
}

bool ResolveSelection(BuildContext* context)
{
    if (!context)
        return false;
    // Without a settings object there is no repository to build from.
    context->repositoryPath = Settings::GetPath();
    if (!context->repositoryPath)
        return false;

    context->characterId = Selection2::GetCharacter();
    if (!context->characterId)
        return false;
    context->character = Data2::GetCharacter(context->characterId);
    if (!context->character)
        return false;
    CharacterData* character = context->character;
    context->characterFolder = Fields::Value(character, L"folder");
    // A character folder outside the repository is one that is not there.
    if (!context->characterFolder || !IsInRepository(context->repositoryPath, context->characterFolder))
        return false;
    character->SetData(L"generalTextureFolder",
                       RepositoryLayout::GeneralTextureFolder(context->characterFolder).c_str());
    context->characterMapsFolder = Fields::Value(character, L"generalTextureFolder");

    context->poseId = Selection2::GetPose();
    if (!context->poseId || !(context->pose = character->GetPose(context->poseId)))
        return false;
    context->clothId = Selection2::GetCloth();
    if (!context->clothId || !(context->cloth = character->GetCloth(context->clothId)))
        return false;
    const wchar_t* styleId = Selection2::GetStyle();
    if (!styleId || !(context->style = character->GetStyle(context->clothId, styleId)))
        return false;
    context->skinId = Selection2::GetSkin();
    if (!context->skinId || !(context->skin = character->GetSkin(context->skinId)))
        return false;

    character->SetData(L"globalMaps", RepositoryLayout::GlobalMapsFolder(context->repositoryPath).c_str());
    context->globalMapsFolder = Fields::Value(character, L"globalMaps");
    return true;
}

Point3 GetUnitScale()
{
    int type = UNITS_CENTIMETERS;
    float scale = 1.0f;
    GetMasterUnitInfo(&type, &scale);
    const float f = static_cast<float>(GetMasterScale(type)) * scale /
                    static_cast<float>(GetMasterScale(UNITS_CENTIMETERS));
    return Point3(f, f, f);
}
} // namespace ZANRET::Builder
