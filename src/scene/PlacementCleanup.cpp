#include "scene/PlacementCleanup.h"

#include "scene/BuilderConventions.h"
#include "scene/PlacementWatch.h"

#include "hostsdk/Hold.h"
#include "hostsdk/Interface.h"
#include "hostsdk/Layer.h"

namespace ZANRET::PlacementCleanup
{
namespace
{
void Delete(INode* node)
{
    GetCOREInterface()->DeleteNode(node, TRUE, FALSE);
}

// What placement deletes is one undo step of its own, so that the history matches the scene: undo
// brings the character back as it was, redo takes it away again.
void AcceptRemoval()
{
    theHold.Accept(hostsdk::FromWide(Builder::kRemoveUndoText).c_str());
}

// Some hosts keep a group head whose members are all gone.
void RemoveEmptyGroupHead()
{
    INode* head = PlacementWatch::PresentGroupHead();
    if (head && head->NumberOfChildren() == 0)
        Delete(head);
}

// The characters' layer is made by the first build that needs it; an empty one is removed.
void RemoveEmptyLayer()
{
    Interface13* ip = GetCOREInterface13();
    ILayerManager* manager = ip ? ip->GetLayerManager() : nullptr;
    if (!manager)
        return;
    const std::basic_string<MCHAR> name = hostsdk::FromWide(Builder::kCharacterLayerName);
    ILayer* layer = manager->FindLayer(name.c_str());
    if (!layer)
        return;
    auto* properties = static_cast<ILayerProperties*>(layer->GetInterface(kLayerPropertiesInterfaceID));
    if (properties && properties->NumberOfNodes() == 0)
        manager->DeleteLayer(name.c_str());
}
} // namespace

void RemoveCharacter(INode* node)
{
    theHold.Begin();
    // Each deletion is announced, so the watch tells whether node is still there to be asked.
    while (PlacementWatch::IsPresent(node) && node->NumberOfChildren() > 0)
    {
        INode* child = node->GetChildNode(0);
        Delete(child);
        // A child the host refuses to delete would keep this loop going for ever.
        if (PlacementWatch::IsPresent(node) && node->NumberOfChildren() > 0 && node->GetChildNode(0) == child)
            break;
    }
    if (PlacementWatch::IsPresent(node))
        Delete(node);
    RemoveEmptyGroupHead();
    RemoveEmptyLayer();
    AcceptRemoval();
}

void RemoveRemains()
{
    theHold.Begin();
    bool removed = false;
    for (INode* child : PlacementWatch::PresentChildren())
    {
        // An earlier deletion may have taken this one along.
        if (!PlacementWatch::IsPresent(child))
            continue;
        Delete(child);
        removed = true;
    }
    INode* head = PlacementWatch::PresentGroupHead();
    if (head && head->NumberOfChildren() == 0)
    {
        Delete(head);
        removed = true;
    }
    // Only a layer that this clean-up emptied goes; one an undo emptied is the undo's business.
    if (removed)
        RemoveEmptyLayer();
    AcceptRemoval();
}
} // namespace ZANRET::PlacementCleanup
