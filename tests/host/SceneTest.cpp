#include "HostFixture.h"
#include "SceneNode.h"

#include <string>
#include <vector>

namespace
{
// Records what the pre-delete notification saw of each node.
struct DeleteWitness
{
    std::vector<std::wstring> names;
    std::vector<bool> hadObject;
    std::vector<bool> inScene;
};
DeleteWitness* witness = nullptr;

void OnPreDelete(void*, NotifyInfo* info)
{
    auto* node = static_cast<INode*>(info->callParam);
    witness->names.push_back(hostsdk::ToWide(node->GetName()));
    witness->hadObject.push_back(node->GetObjectRef() != nullptr);
    witness->inScene.push_back(node->IsInScene());
}
} // namespace

using Scene = HostTest;

TEST_F(Scene, ChildrenFollowTheirParentAndAttachKeepsTheWorldTransform)
{
    INode* parent = MakeHelperNode();
    INode* child = MakeBoxNode(Point3(10.0f, 0.0f, 0.0f));
    parent->AttachChild(child, TRUE);
    EXPECT_EQ(child->GetParentNode(), parent);
    ExpectPointNear(child->GetNodeTM(0).GetTrans(), Point3(10.0f, 0.0f, 0.0f));

    Matrix3 scale;
    scale.SetScale(Point3(0.5f, 0.5f, 0.5f));
    parent->SetNodeTM(0, scale);
    ExpectPointNear(child->GetNodeTM(0).GetTrans(), Point3(5.0f, 0.0f, 0.0f));
    ExpectPointNear(child->GetNodeTM(0).GetRow(0), Point3(0.5f, 0.0f, 0.0f));

    // Linking without keeping the transform keeps the relative one instead.
    INode* other = MakeBoxNode(Point3(2.0f, 0.0f, 0.0f));
    parent->AttachChild(other, FALSE);
    ExpectPointNear(other->GetNodeTM(0).GetTrans(), Point3(1.0f, 0.0f, 0.0f));

    // Transforms come back with their flags.
    Matrix3 placed;
    placed.SetTrans(Point3());
    other->Detach(0);
    other->SetNodeTM(0, placed);
    EXPECT_EQ(other->GetNodeTM(0).GetIdentFlags() & POS_IDENT, 0u);

    // A parent cannot become the child of its own child.
    child->AttachChild(parent, TRUE);
    EXPECT_EQ(parent->GetParentNode(), ip->GetRootNode());
    EXPECT_EQ(Host::NodeCount(), 3);
}

TEST_F(Scene, GroupMembersReportTheHeadWhosePivotMovesAlone)
{
    INode* parent = MakeHelperNode();
    INode* a = MakeBoxNode(Point3(10.0f, 0.0f, 0.0f));
    INode* b = MakeBoxNode(Point3(30.0f, 0.0f, 0.0f));
    parent->AttachChild(a, TRUE);
    parent->AttachChild(b, TRUE);

    INodeTab table;
    table.AppendNode(parent);
    table.AppendNode(a, true);
    table.AppendNode(b, true);
    table.AppendNode(a, true); // duplicates are ignored
    ASSERT_EQ(table.Count(), 3);
    MSTR name(_M("ZANRET Character X"));
    INode* head = ip->GroupNodes(&table, &name, FALSE);
    ASSERT_NE(head, nullptr);
    EXPECT_TRUE(head->IsGroupHead());
    EXPECT_STREQ(head->GetName(), _M("ZANRET Character X"));
    EXPECT_EQ(parent->GetParentNode(), head);
    EXPECT_EQ(a->GetParentNode(), parent); // still below its own parent
    EXPECT_TRUE(parent->IsGroupMember() && a->IsGroupMember() && b->IsGroupMember());
    EXPECT_FALSE(head->IsGroupMember());
    EXPECT_EQ(ip->GetSelNodeCount(), 0);

    // The pivot sits at the centre of the members' bounds: the helper at the origin, boxes of
    // +-10 around x = 10 and x = 30, from z = 0 to 20.
    const Point3 pivot = head->GetNodeTM(0).GetTrans();
    ExpectPointNear(pivot, Point3(20.0f, 0.0f, 10.0f));

    head->Move(0, Matrix3(), -pivot, FALSE, FALSE, PIV_PIVOT_ONLY, FALSE);
    ExpectPointNear(head->GetNodeTM(0).GetTrans(), Point3());
    ExpectPointNear(a->GetNodeTM(0).GetTrans(), Point3(10.0f, 0.0f, 0.0f));
    ExpectPointNear(b->GetNodeTM(0).GetTrans(), Point3(30.0f, 0.0f, 0.0f));

    // Moving the head now carries the members.
    Matrix3 tm;
    tm.Translate(Point3(0.0f, 5.0f, 0.0f));
    head->SetNodeTM(0, tm);
    ExpectPointNear(b->GetNodeTM(0).GetTrans(), Point3(30.0f, 5.0f, 0.0f));
}

TEST_F(Scene, DeletingSendsTheNotificationFirstAndTheLastMemberTakesTheHead)
{
    DeleteWitness seen;
    witness = &seen;
    RegisterNotification(OnPreDelete, nullptr, NOTIFY_SCENE_PRE_DELETED_NODE);

    INode* parent = MakeHelperNode(_M("parent"));
    INode* child = MakeBoxNode(Point3(), _M("child"));
    INode* head = GroupParentAndChild(parent, child);
    ASSERT_NE(head, nullptr);
    const ULONG headHandle = head->GetHandle();

    // As placement cancels: children first, then the parent.
    ip->DeleteNode(parent->GetChildNode(0), TRUE, FALSE);
    EXPECT_EQ(Host::NodeCount(), 2); // parent and head remain
    ip->DeleteNode(parent, TRUE, FALSE);
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_EQ(ip->GetINodeByHandle(headHandle), nullptr);

    ASSERT_EQ(seen.names.size(), 3u);
    EXPECT_EQ(seen.names[0], L"child");
    EXPECT_EQ(seen.names[1], L"parent");
    EXPECT_EQ(seen.names[2], L"Group");
    EXPECT_TRUE(seen.hadObject[0] && seen.hadObject[1]);
    EXPECT_FALSE(seen.hadObject[2]); // a head has no object
    EXPECT_TRUE(seen.inScene[0] && seen.inScene[1] && seen.inScene[2]);
    witness = nullptr;
}

TEST_F(Scene, DeletedNodesChildrenStayInTheSceneWhereTheyWere)
{
    INode* parent = MakeHelperNode();
    Matrix3 tm;
    tm.Translate(Point3(5.0f, 0.0f, 0.0f));
    parent->SetNodeTM(0, tm);
    INode* child = MakeBoxNode(Point3(7.0f, 0.0f, 0.0f));
    parent->AttachChild(child, TRUE);
    ip->DeleteNode(parent);
    EXPECT_EQ(child->GetParentNode(), ip->GetRootNode());
    ExpectPointNear(child->GetNodeTM(0).GetTrans(), Point3(7.0f, 0.0f, 0.0f));
}

TEST_F(Scene, PropertiesSelectionLayersAndInstances)
{
    INode* node = MakeBoxNode();
    node->SetUserProperty(_M("ZANRET_PARENT"), TRUE);
    node->SetUserProperty(_M("ZANRET_CHAR"), _M("c1"));
    BOOL flag = FALSE;
    MSTR text;
    EXPECT_TRUE(node->GetUserProperty(_M("ZANRET_PARENT"), flag));
    EXPECT_EQ(flag, TRUE);
    EXPECT_TRUE(node->GetUserProperty(_M("ZANRET_CHAR"), text));
    EXPECT_EQ(text, MSTR(_M("c1")));
    EXPECT_FALSE(node->GetUserProperty(_M("ZANRET_PARENT"), text)); // the other kind
    EXPECT_FALSE(node->GetUserProperty(_M("MISSING"), flag));
    const std::vector<MSTR> keys = Host::UserPropertyKeys(node);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], MSTR(_M("ZANRET_CHAR")));

    INode* other = MakeBoxNode();
    ip->SelectNode(other, 1);
    ip->SelectNode(node, 1);
    EXPECT_EQ(ip->GetSelNodeCount(), 1);
    EXPECT_EQ(ip->GetSelNode(0), node);

    ILayerManager* layers = GetCOREInterface13()->GetLayerManager();
    ASSERT_NE(layers, nullptr);
    EXPECT_EQ(layers->FindLayer(_M("ZANRET Characters")), nullptr);
    ILayer* layer = layers->CreateLayer(_M("ZANRET Characters"));
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layers->FindLayer(_M("ZANRET Characters")), layer);
    EXPECT_EQ(layers->CreateLayer(_M("ZANRET Characters")), nullptr);
    auto* props = static_cast<ILayerProperties*>(layer->GetInterface(kLayerPropertiesInterfaceID));
    ASSERT_NE(props, nullptr);
    props->AddNode(node);
    EXPECT_EQ(node->GetLayer(), layer);
    EXPECT_EQ(props->NumberOfNodes(), 1);
    EXPECT_FALSE(layers->DeleteLayer(_M("ZANRET Characters"))); // not empty
    Host::SetLayerManagerAvailable(false);
    EXPECT_EQ(GetCOREInterface13()->GetLayerManager(), nullptr);

    // One object, two nodes: instances.
    INode* instance = ip->CreateObjectNode(node->GetObjectRef());
    EXPECT_EQ(instance->GetObjectRef(), node->GetObjectRef());
    EXPECT_EQ(Host::NodesUsing(node->GetObjectRef()).size(), 2u);
}

TEST_F(Scene, NewSceneLeavesNothingOldAndTellsThePlugins)
{
    MakeBoxNode();
    theHold.Begin();
    MakeBoxNode();
    theHold.Accept(_M("step"));
    ip->PushPrompt(_M("kept"));
    Host::NewScene();
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_TRUE(Host::UndoNames().empty());
    EXPECT_EQ(ip->GetMaterialLibrary().Count(), 0);
    ASSERT_FALSE(Host::SentNotifications().empty());
    EXPECT_EQ(Host::SentNotifications().back(), NOTIFY_SYSTEM_POST_NEW);

    int seenParam = -1;
    static int* seen = nullptr;
    seen = &seenParam;
    RegisterNotification([](void*, NotifyInfo* info) { *seen = *static_cast<int*>(info->callParam); },
                         nullptr, NOTIFY_FILE_POST_OPEN);
    MakeBoxNode();
    Host::OpenScene(3);
    EXPECT_EQ(seenParam, 3);
    EXPECT_EQ(Host::NodeCount(), 1); // a non-zero open keeps the scene
    Host::OpenScene(0);
    EXPECT_EQ(seenParam, 0);
    EXPECT_EQ(Host::NodeCount(), 0);
}

namespace
{
int reentrantCalls = 0;
void DeleteAgain(void*, NotifyInfo* info)
{
    ++reentrantCalls;
    auto* node = static_cast<INode*>(info->callParam);
    // As a plug-in that ends its work on the node by deleting what is left of it.
    while (node->NumberOfChildren() > 0)
        GetCOREInterface()->DeleteNode(node->GetChildNode(0));
    GetCOREInterface()->DeleteNode(node);
}
} // namespace

TEST_F(Scene, ADeletionFromInsideTheAnnouncementIsAnnouncedOnce)
{
    INode* parent = MakeHelperNode();
    parent->AttachChild(MakeBoxNode(), TRUE);
    MakeBoxNode(); // stays
    reentrantCalls = 0;
    RegisterNotification(DeleteAgain, nullptr, NOTIFY_SCENE_PRE_DELETED_NODE);
    ip->DeleteNode(parent);
    EXPECT_EQ(reentrantCalls, 2); // the parent and its child, once each
    EXPECT_EQ(Host::NodeCount(), 1);
    UnRegisterNotification(DeleteAgain, nullptr, NOTIFY_SCENE_PRE_DELETED_NODE);
}

namespace
{
// Geometry that stretches along x as time goes on, as an animated object would.
class StretchingObject final : public Object
{
public:
    Class_ID ClassID() override { return Class_ID(0x5A4E7E57, 0x1); }
    SClass_ID SuperClassID() override { return GEOMOBJECT_CLASS_ID; }
    Box3 GetLocalBounds(TimeValue t) override
    {
        Box3 box;
        box += Point3(0.0f, 0.0f, 0.0f);
        box += Point3(1.0f + static_cast<float>(t) / 100.0f, 1.0f, 1.0f);
        return box;
    }
};
} // namespace

TEST_F(Scene, ANodeGivesEachTimeItsOwnWorldBounds)
{
    INode* node = ip->CreateObjectNode(new StretchingObject);
    Matrix3 tm;
    tm.Translate(Point3(10.0f, 0.0f, 0.0f));
    node->SetNodeTM(0, tm);
    auto* scene = dynamic_cast<hostsdk::SceneNode*>(node);
    ASSERT_NE(scene, nullptr);

    // Asked first at a later time, then at the start, then later still: each its own box.
    ExpectPointNear(scene->WorldBounds(100).pmax, Point3(12.0f, 1.0f, 1.0f));
    ExpectPointNear(scene->WorldBounds(0).pmax, Point3(11.0f, 1.0f, 1.0f));
    ExpectPointNear(scene->WorldBounds(0).pmax, Point3(11.0f, 1.0f, 1.0f));
    const Box3 later = scene->WorldBounds(300);
    ExpectPointNear(later.pmin, Point3(10.0f, 0.0f, 0.0f));
    ExpectPointNear(later.pmax, Point3(14.0f, 1.0f, 1.0f));
    // What drawing and picking use, at the start, after the others.
    ExpectPointNear(Host::WorldBounds(node).pmax, Point3(11.0f, 1.0f, 1.0f));

    // A move is seen at every time.
    tm.Translate(Point3(0.0f, 5.0f, 0.0f));
    node->SetNodeTM(0, tm);
    ExpectPointNear(scene->WorldBounds(100).pmax, Point3(12.0f, 6.0f, 1.0f));
    ExpectPointNear(scene->WorldBounds(0).pmin, Point3(10.0f, 5.0f, 0.0f));
}
