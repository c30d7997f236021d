// Nodes that leave the scene while they are being placed: placement must never touch them again.

#include "PlacementFixture.h"

namespace
{
using namespace ZANRET;
using PlacementTestScene::MakeCharacter;

const wchar_t* const kLostMessage = L"Placement - node left the scene during placement, placement cancelled";

TEST_F(PlacementTest, DeletedNodeEndsThePlacementAsACancelWould)
{
    const int nodes = Host::NodeCount();
    TestCharacter c = MakeCharacter(L"Anna", 3);
    Placement::StartPlacement(c.parent);
    Move({260, 240});
    const Matrix3 last = TM(c.parent);

    Host::DeleteNodes({c.parent});
    EXPECT_EQ(Placement::GetNode(), nullptr);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);

    // The next event winds it up: no write to the deleted node, the rest of the character goes.
    EXPECT_EQ(Move({100, 100}), TRUE);
    EXPECT_TRUE(TM(c.parent).Equals(last));
    EXPECT_EQ(MessageCount(DEBUG_WARNING, kLostMessage), 1);
    EXPECT_EQ(Host::NodeCount(), nodes);
    EXPECT_EQ(PlacementTestScene::CharacterLayer(), nullptr);
    EXPECT_EQ(Executed(kSelectToolCommand), 1);
    EXPECT_FALSE(ModeActive());
    EXPECT_EQ(PromptCount(L"Place your ZANRET Character"), 0);
    EXPECT_EQ(MessageCount(DEBUG_ERROR, L"No node selected for placement"), 0);
}

// The clean-up after the placed node was deleted is an undo step of its own: undoing it and then the
// user's Delete brings the whole character back, grouped and on its layer, where it was.
TEST_F(PlacementTest, UndoAfterALostNodeBringsTheWholeCharacterBack)
{
    TestCharacter c = MakeCharacter(L"Anna", 3);
    const std::vector<INode*> nodes = Host::SceneNodes();
    const int onLayer = PlacementTestScene::CharacterLayerNodeCount();
    Placement::StartPlacement(c.parent);
    Move({260, 240});
    const Matrix3 placedAt = TM(c.parent);

    Host::DeleteNodes({c.parent});
    Move({100, 100});
    EXPECT_EQ(Host::NodeCount(), 0);
    const MSTR build(_M("ZANRET Character")), removal(_M("Delete ZANRET Character"));
    EXPECT_EQ(Host::UndoNames(), (std::vector<MSTR>{build, MSTR(_M("Delete")), removal}));

    ASSERT_TRUE(Host::Undo());
    EXPECT_FALSE(InScene(c.parent));
    EXPECT_TRUE(InScene(c.head));
    for (INode* child : c.children)
        EXPECT_TRUE(InScene(child));
    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::SceneNodes(), nodes);
    EXPECT_EQ(c.parent->GetParentNode(), c.head);
    EXPECT_TRUE(c.head->IsGroupHead());
    EXPECT_TRUE(c.parent->IsGroupMember());
    for (INode* child : c.children)
    {
        EXPECT_EQ(child->GetParentNode(), c.parent);
        EXPECT_TRUE(child->IsGroupMember());
    }
    EXPECT_EQ(PlacementTestScene::CharacterLayerNodeCount(), onLayer);
    EXPECT_TRUE(TM(c.parent).Equals(placedAt));

    // Redo takes both away again, in order.
    ASSERT_TRUE(Host::Redo());
    ASSERT_TRUE(Host::Redo());
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_EQ(Host::RedoCount(), 0);
}

TEST_F(PlacementTest, UndoingTheBuildWhileTurningTouchesNothing)
{
    TestCharacter c = MakeCharacter(L"Anna");
    Placement::StartPlacement(c.parent);
    Move({260, 240});
    LeftClick({260, 240});
    Move({290, 240});

    ASSERT_TRUE(Host::Undo());
    ASSERT_FALSE(InScene(c.parent));
    const Matrix3 last = TM(c.parent);
    const Matrix3 headLast = TM(c.head);
    EXPECT_EQ(Placement::GetNode(), nullptr);
    LeftClick({290, 240});
    EXPECT_TRUE(TM(c.parent).Equals(last));
    EXPECT_TRUE(TM(c.head).Equals(headLast));
    EXPECT_EQ(ip->GetSelNodeCount(), 0);
    EXPECT_EQ(Executed(kSelectToolCommand), 1);
    EXPECT_FALSE(ModeActive());
    EXPECT_EQ(PromptCount(L"Place your ZANRET Character"), 0);
    EXPECT_EQ(PromptCount(L"Rotate your ZANRET Character"), 0);

    // Nothing was deleted behind the undo's back: redo brings the whole character back.
    ASSERT_TRUE(Host::Redo());
    EXPECT_TRUE(InScene(c.parent));
    EXPECT_TRUE(InScene(c.head));
    EXPECT_EQ(c.parent->NumberOfChildren(), 2);
    EXPECT_NE(PlacementTestScene::CharacterLayer(), nullptr);
}

TEST_F(PlacementTest, RightClickAfterTheNodeWentOnlyWindsUp)
{
    TestCharacter c = MakeCharacter(L"Anna");
    Placement::StartPlacement(c.parent);
    ASSERT_TRUE(Host::Undo());
    RightClick();
    EXPECT_EQ(MessageCount(DEBUG_INFO, L"cancel placement..."), 1);
    EXPECT_EQ(MessageCount(DEBUG_WARNING, kLostMessage), 1);
    EXPECT_EQ(Executed(kSelectToolCommand), 1);
    EXPECT_FALSE(ModeActive());
    ASSERT_TRUE(Host::Redo());
    EXPECT_EQ(c.parent->NumberOfChildren(), 2);
}

TEST_F(PlacementTest, NewOrOpenedSceneForgetsTheNode)
{
    TestCharacter c = MakeCharacter(L"Anna");
    Placement::StartPlacement(c.parent);
    Move(kCentre);
    Host::OpenScene(1); // merged into the scene: the node stays
    EXPECT_EQ(Placement::GetNode(), c.parent);

    Host::NewScene();
    EXPECT_EQ(Placement::GetNode(), nullptr);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);

    TestCharacter d = MakeCharacter(L"Bea");
    messages.clear();
    Placement::StartPlacement(d.parent);
    EXPECT_EQ(MessageCount(DEBUG_WARNING, L"Placement::StartPlacement node alreay set!"), 0);
    EXPECT_EQ(PromptCount(L"Place your ZANRET Character"), 1);
    Move({280, 200});
    EXPECT_NEAR(TM(d.parent).GetTrans().x, GroundUnder({280, 200}).x, 1e-3f);

    Host::OpenScene(0);
    EXPECT_EQ(Placement::GetNode(), nullptr);
    Move(kCentre);
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_FALSE(ModeActive());
}

TEST_F(PlacementTest, DeletedChildOrGroupHeadLeaveThePlacementWorking)
{
    const int nodes = Host::NodeCount();
    TestCharacter c = MakeCharacter(L"Anna", 3);
    Placement::StartPlacement(c.parent);
    Host::DeleteNodes({c.children[1]});
    Move({280, 200});
    EXPECT_NEAR(TM(c.parent).GetTrans().x, GroundUnder({280, 200}).x, 1e-3f);
    RightClick();
    EXPECT_EQ(Host::NodeCount(), nodes);
    EXPECT_EQ(PlacementTestScene::CharacterLayer(), nullptr);

    // Without its group the node keeps the placed transform itself.
    TestCharacter d = MakeCharacter(L"Bea");
    Placement::StartPlacement(d.parent);
    Host::DeleteNodes({d.head});
    ASSERT_FALSE(d.parent->IsGroupMember());
    Move({280, 200});
    LeftClick({280, 200});
    Move({380, 200});
    LeftClick({380, 200});
    EXPECT_TRUE(TM(d.parent).Equals(Turned(1.0f, GroundUnder({280, 200})), 1e-3f));
    EXPECT_EQ(ip->GetSelNode(0), d.parent);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);
}

TEST_F(PlacementTest, NextCreateAfterALostNodeKeepsWhatIsLeftOfTheOldCharacter)
{
    TestCharacter c = MakeCharacter(L"Anna", 3);
    Placement::StartPlacement(c.parent);
    Host::DeleteNodes({c.parent});
    // No viewport event in between: the user has left that placement some other way.
    TestCharacter d = MakeCharacter(L"Bea");
    Placement::StartPlacement(d.parent);
    EXPECT_EQ(MessageCount(DEBUG_WARNING, L"Placement::StartPlacement node alreay set!"), 0);
    for (INode* child : c.children)
        EXPECT_TRUE(InScene(child));
    Move({280, 200});
    EXPECT_NEAR(TM(d.parent).GetTrans().x, GroundUnder({280, 200}).x, 1e-3f);
    for (INode* child : c.children)
        EXPECT_TRUE(InScene(child));
}
} // namespace
