#include "HostFixture.h"

#include <vector>

namespace
{
std::vector<ULONG>* deletedHandles = nullptr;

void RecordDeletion(void*, NotifyInfo* info)
{
    deletedHandles->push_back(static_cast<INode*>(info->callParam)->GetHandle());
}

std::vector<ULONG> Handles()
{
    std::vector<ULONG> handles;
    for (INode* n : Host::SceneNodes())
        handles.push_back(n->GetHandle());
    return handles;
}
} // namespace

using Undo = HostTest;

TEST_F(Undo, CancelTakesBackExactlyWhatTheHoldMade)
{
    INode* before = MakeBoxNode(Point3(1.0f, 2.0f, 3.0f), _M("before"));
    const std::vector<ULONG> handles = Handles();

    std::vector<ULONG> deleted;
    deletedHandles = &deleted;
    RegisterNotification(RecordDeletion, nullptr, NOTIFY_SCENE_PRE_DELETED_NODE);

    theHold.Begin();
    INode* made = MakeHelperNode(_M("made"));
    const ULONG madeHandle = made->GetHandle();
    made->AttachChild(before, TRUE);
    before->SetName(_M("renamed"));
    Matrix3 tm;
    tm.SetScale(Point3(2.0f, 2.0f, 2.0f));
    made->SetNodeTM(0, tm);
    before->SetUserProperty(_M("KEY"), _M("value"));
    theHold.Cancel();

    EXPECT_EQ(Handles(), handles);
    EXPECT_STREQ(before->GetName(), _M("before"));
    EXPECT_EQ(before->GetParentNode(), ip->GetRootNode());
    ExpectPointNear(before->GetNodeTM(0).GetTrans(), Point3(1.0f, 2.0f, 3.0f));
    MSTR value;
    EXPECT_FALSE(before->GetUserProperty(_M("KEY"), value));
    EXPECT_TRUE(Host::UndoNames().empty());
    // The node that the hold made left the scene with its notification.
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(deleted[0], madeHandle);
    deletedHandles = nullptr;
}

TEST_F(Undo, UndoAndRedoOneStepAtATime)
{
    theHold.Begin();
    INode* first = MakeBoxNode(Point3(), _M("first"));
    theHold.Accept(_M("ZANRET Character"));
    const ULONG firstHandle = first->GetHandle();

    theHold.Begin();
    INode* second = MakeHelperNode(_M("second"));
    second->AttachChild(first, TRUE);
    first->SetMtl(static_cast<Mtl*>(CreateInstance(MATERIAL_CLASS_ID, kStandardMaterialClassID)));
    theHold.Accept(_M("ZANRET Character"));
    const ULONG secondHandle = second->GetHandle();

    ASSERT_EQ(Host::UndoNames().size(), 2u);
    EXPECT_EQ(Host::UndoNames()[0], MSTR(_M("ZANRET Character")));
    EXPECT_EQ(ip->GetSceneMaterials().Count(), 1);

    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 1);
    EXPECT_EQ(first->GetParentNode(), ip->GetRootNode());
    EXPECT_EQ(first->GetMtl(), nullptr);
    EXPECT_EQ(ip->GetSceneMaterials().Count(), 0);

    ASSERT_TRUE(Host::Redo());
    EXPECT_EQ(Host::NodeCount(), 2);
    EXPECT_EQ(first->GetParentNode(), ip->GetINodeByHandle(secondHandle));
    EXPECT_NE(first->GetMtl(), nullptr);

    ASSERT_TRUE(Host::Undo());
    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_FALSE(Host::Undo());
    ASSERT_TRUE(Host::Redo());
    EXPECT_EQ(Host::NodeCount(), 1);
    EXPECT_NE(ip->GetINodeByHandle(firstHandle), nullptr);

    // A new step drops what was undone; the dropped nodes go (checked by the sanitizers).
    theHold.Begin();
    MakeBoxNode();
    theHold.Accept(_M("other"));
    EXPECT_EQ(Host::RedoCount(), 0);
    EXPECT_EQ(Host::NodeCount(), 2);
}

TEST_F(Undo, RedoBringsBackWhatWasChangedAfterTheStep)
{
    // A build moves its node twice inside the step; the user then places it outside any step.
    theHold.Begin();
    INode* node = MakeBoxNode(Point3(1.0f, 0.0f, 0.0f));
    Matrix3 built;
    built.Translate(Point3(2.0f, 0.0f, 0.0f));
    node->SetNodeTM(0, built);
    theHold.Accept(_M("ZANRET Character"));
    Matrix3 placed;
    placed.RotateZ(0.5f);
    placed.Translate(Point3(40.0f, -7.0f, 3.0f));
    node->SetNodeTM(0, placed);

    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 0);
    ASSERT_TRUE(Host::Redo());
    ASSERT_EQ(Host::NodeCount(), 1);
    const Point3 back = node->GetNodeTM(0).GetTrans();
    EXPECT_FLOAT_EQ(back.x, 40.0f);
    EXPECT_FLOAT_EQ(back.y, -7.0f);
    EXPECT_FLOAT_EQ(back.z, 3.0f);

    // Undone again, the step takes the node back to where the build first put it.
    ASSERT_TRUE(Host::Undo());
    ASSERT_TRUE(Host::Redo());
    EXPECT_FLOAT_EQ(node->GetNodeTM(0).GetTrans().x, 40.0f);
}

TEST_F(Undo, UserDeletionIsOneStepThatUndoBringsBack)
{
    INode* parent = MakeHelperNode(_M("p"));
    INode* child = MakeBoxNode(Point3(4.0f, 0.0f, 0.0f), _M("c"));
    INode* head = GroupParentAndChild(parent, child);
    const ULONG headHandle = head->GetHandle();

    Host::DeleteNodes({child, parent});
    EXPECT_EQ(Host::NodeCount(), 0);
    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 3);
    INode* back = ip->GetINodeByHandle(headHandle);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(parent->GetParentNode(), back);
    EXPECT_EQ(child->GetParentNode(), parent);
    EXPECT_TRUE(child->IsGroupMember());
    ExpectPointNear(child->GetNodeTM(0).GetTrans(), Point3(4.0f, 0.0f, 0.0f));
}

TEST_F(Undo, NestedHoldsAndParameterChanges)
{
    auto* obj = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID));
    IParamBlock2* block = obj->GetParamBlock(0);
    ASSERT_NE(block, nullptr);
    theHold.Begin();
    block->SetValue(2, 0, 1.0f);
    theHold.Begin();
    block->SetValue(0, 0, _M("C:\\mesh.vrmesh"));
    theHold.Cancel(); // only the inner change goes
    EXPECT_EQ(block->GetStr(0), MSTR(_M("")));
    EXPECT_FLOAT_EQ(block->GetFloat(2), 1.0f);
    theHold.Accept(_M("params"));
    ASSERT_TRUE(Host::Undo());
    EXPECT_FLOAT_EQ(block->GetFloat(2), 0.0f);
}
