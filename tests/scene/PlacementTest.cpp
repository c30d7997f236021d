#include "PlacementFixture.h"

#include <cstdlib>

namespace
{
using namespace ZANRET;
using PlacementTestScene::MakeBox;
using PlacementTestScene::MakeCharacter;

// Another mode, to see whether the placement mode asks for a foreground change.
class OtherMode : public CommandMode
{
public:
    int Class() override { return 1; }
    int ID() override { return 1; }
    MouseCallBack* MouseProc(int*) override { return &proc; }
    ChangeForegroundCallback* ChangeFGProc() override { return &fg; }
    BOOL ChangeFG(CommandMode*) override { return FALSE; }
    void EnterMode() override {}
    void ExitMode() override {}

private:
    MouseCallBack proc;
    ChangeFGObject fg;
};

TEST_F(PlacementTest, ModeAnswersTheHostAndEveryMessageAnswersTrue)
{
    TestCharacter c = MakeCharacter(L"Anna");
    Placement::StartPlacement(c.parent);
    PlacementMode* mode = Placement::GetMode();
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->Class(), 10);
    EXPECT_EQ(mode->ID(), 0x782F67);
    EXPECT_EQ(mode->SuperVal(), 0);
    int points = 0;
    MouseCallBack* proc = mode->MouseProc(&points);
    EXPECT_EQ(points, 2);
    ASSERT_NE(proc, nullptr);
    OtherMode other;
    EXPECT_TRUE(mode->ChangeFG(&other));
    EXPECT_FALSE(mode->ChangeFG(mode));
    EXPECT_TRUE(ModeActive());
    EXPECT_EQ(Host::Prompts().back(), MSTR(_M("Place your ZANRET Character")));
    EXPECT_EQ(Placement::GetState(), Placement::STATE_PLACE);
    EXPECT_EQ(Placement::GetNode(), c.parent);

    // A click without the left button, drags and double clicks change nothing.
    const Matrix3 before = TM(c.parent);
    const int redraws = Host::RedrawCount();
    EXPECT_EQ(Host::SendMouse(viewport, MOUSE_POINT, MOUSE_RBUTTON, {300, 300}), TRUE);
    EXPECT_EQ(Host::SendMouse(viewport, MOUSE_MOVE, MOUSE_LBUTTON, {300, 300}), TRUE);
    EXPECT_EQ(Host::SendMouse(viewport, MOUSE_DBLCLICK, MOUSE_LBUTTON, {300, 300}), TRUE);
    EXPECT_EQ(Host::SendMouse(viewport, MOUSE_ABORT, 0, {300, 300}), TRUE);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_PLACE);
    EXPECT_TRUE(TM(c.parent).Equals(before));
    EXPECT_EQ(Host::RedrawCount(), redraws);

    EXPECT_EQ(Move({300, 300}), TRUE);
    EXPECT_EQ(LeftClick({300, 300}), TRUE);
    EXPECT_EQ(Move({310, 300}), TRUE);
    EXPECT_EQ(RightClick(), TRUE);
    // Idle, with the mode gone from the stack: the procedure still answers TRUE.
    EXPECT_EQ(proc->proc(viewport, MOUSE_PROPCLICK, 0, 0, kCentre), TRUE);
    EXPECT_EQ(proc->proc(viewport, MOUSE_POINT, 0, MOUSE_LBUTTON, kCentre), TRUE);
}

TEST_F(PlacementTest, FollowsTheGroundPlaneKeepingRotationAndScale)
{
    TestCharacter c = MakeCharacter(L"Anna");
    Matrix3 start;
    start.Scale(Point3(3.0f, 3.0f, 3.0f));
    start.RotateX(0.5f);
    c.parent->SetNodeTM(0, start);
    Placement::StartPlacement(c.parent);

    const int redraws = Host::RedrawCount();
    const IPoint2 m{300, 120};
    Move(m);
    Matrix3 expected = start;
    expected.SetTrans(GroundUnder(m));
    EXPECT_TRUE(TM(c.parent).Equals(expected, 1e-3f));
    EXPECT_FALSE(TM(c.parent).GetIdentFlags() & POS_IDENT);
    EXPECT_EQ(Host::RedrawCount(), redraws + 1);
    // The meshes come along with their parent.
    EXPECT_NEAR(TM(c.children[0]).GetTrans().x, expected.GetTrans().x, 1e-3f);

    // The character's own meshes are under the pointer now, and are no surface for it.
    Move(m);
    EXPECT_NEAR(TM(c.parent).GetTrans().z, 0.0f, 1e-4f);
    Point3 surface;
    EXPECT_FALSE(Placement::PickSurfacePoint(surface, m, viewport));
}

TEST_F(PlacementTest, LandsOnOtherGeometryAndOnEarlierCharacters)
{
    TestCharacter first = MakeCharacter(L"First");
    TestCharacter second = MakeCharacter(L"Second");
    Placement::StartPlacement(second.parent);

    // The first character's meshes reach up to 20 * 2 (unit scale) at the origin.
    Move(kCentre);
    const Point3 onFirst = TM(second.parent).GetTrans();
    EXPECT_NEAR(onFirst.x, 0.0f, 1e-3f);
    EXPECT_NEAR(onFirst.y, 0.0f, 1e-3f);
    EXPECT_NEAR(onFirst.z, 20.0f * UnitScale(), 1e-3f);

    // A plain box elsewhere carries it too; the point lies on the ray through the pointer.
    const IPoint2 m{330, 200};
    MakeBox(GroundUnder(m));
    Move(m);
    const Point3 onBox = TM(second.parent).GetTrans();
    EXPECT_NEAR(onBox.z, 20.0f, 1e-3f);
    const Ray ray = ip->GetViewExp(viewport).MapScreenToWorldRay(330.0f, 200.0f);
    const float t = (onBox.z - ray.p.z) / ray.dir.z;
    EXPECT_NEAR(onBox.x, ray.p.x + ray.dir.x * t, 1e-2f);
    Point3 surface;
    ASSERT_TRUE(Placement::PickSurfacePoint(surface, m, viewport));
    EXPECT_NEAR(surface.z, 20.0f, 1e-3f);

    // The pick filter: never the placed parent or its direct children, never non-geometry.
    EXPECT_FALSE(Placement::IsPickable(second.parent));
    EXPECT_FALSE(Placement::IsPickable(second.children[0]));
    EXPECT_FALSE(Placement::IsPickable(second.children[1]));
    EXPECT_TRUE(Placement::IsPickable(first.children[0]));
    EXPECT_FALSE(Placement::IsPickable(first.parent));
    EXPECT_TRUE(Placement::IsPickable(first.head)); // no object at all
    EXPECT_FALSE(Placement::IsPickable(nullptr));
}

TEST_F(PlacementTest, StaysWhereItWasWhenTheRayMissesTheGround)
{
    TestCharacter c = MakeCharacter(L"Anna");
    Placement::StartPlacement(c.parent);
    Move({230, 190});
    const Matrix3 placed = TM(c.parent);
    const int redraws = Host::RedrawCount();

    // Looking up into the sky: every ray points away from the ground.
    Host::SetViewportCamera(viewport, {0.0f, 0.0f, 100.0f}, {0.0f, 500.0f, 600.0f}, {0.0f, 0.0f, 1.0f},
                            45.0f);
    Move(kCentre);
    Move({10, 10});
    // Level with the ground: the middle row runs parallel to it.
    Host::SetViewportCamera(viewport, {0.0f, -300.0f, 50.0f}, {0.0f, 0.0f, 50.0f}, {0.0f, 0.0f, 1.0f}, 45.0f);
    Move(kCentre);
    // A window that is no viewport gives no ray at all.
    Host::SendMouse(reinterpret_cast<HWND>(0x7), MOUSE_FREEMOVE, 0, kCentre);
    EXPECT_TRUE(TM(c.parent).Equals(placed));
    EXPECT_EQ(Host::RedrawCount(), redraws);

    // From below, looking up, the ground is still ahead of the ray.
    Host::SetViewportCamera(viewport, {0.0f, 0.0f, -500.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, 45.0f);
    Move({300, 200});
    EXPECT_NEAR(TM(c.parent).GetTrans().x, GroundUnder({300, 200}).x, 1e-3f);
    EXPECT_EQ(Host::RedrawCount(), redraws + 1);
}

TEST_F(PlacementTest, TurnsByTheHorizontalPixelDistanceFromTheFixingClick)
{
    ASSERT_NE(UnitScale(), 1.0f);
    TestCharacter c = MakeCharacter(L"Anna");
    Placement::StartPlacement(c.parent);
    const IPoint2 fix{250, 180};
    Move(fix);
    const Point3 position = TM(c.parent).GetTrans();
    LeftClick(fix);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_ROTATE);
    EXPECT_EQ(Placement::GetRotateStart(), fix);
    EXPECT_EQ(MessageCount(DEBUG_INFO, L"Clicked in place mode..."), 1);
    EXPECT_EQ(Host::Prompts().back(), MSTR(_M("Rotate your ZANRET Character")));
    EXPECT_EQ(PromptCount(L"Place your ZANRET Character"), 1);

    // A tilt and another scale from before are dropped by the first turn.
    Matrix3 tilted;
    tilted.Scale(Point3(5.0f, 5.0f, 5.0f));
    tilted.RotateX(0.7f);
    tilted.Translate(position);
    c.parent->SetNodeTM(0, tilted);
    const int redraws = Host::RedrawCount();
    Move({fix.x + 100, fix.y + 40});
    EXPECT_TRUE(TM(c.parent).Equals(Turned(1.0f, position), 1e-4f));
    EXPECT_EQ(Host::RedrawCount(), redraws + 1);
    // Up and down have no effect; left turns the other way; the click's column is no turn at all.
    Move({fix.x + 100, fix.y - 90});
    EXPECT_TRUE(TM(c.parent).Equals(Turned(1.0f, position), 1e-4f));
    Move({fix.x - 50, 0});
    EXPECT_TRUE(TM(c.parent).Equals(Turned(-0.5f, position), 1e-4f));
    Move({fix.x, 399});
    EXPECT_TRUE(TM(c.parent).Equals(Turned(0.0f, position), 1e-5f));
    // The surface under the pointer does not matter any more.
    MakeBox(GroundUnder({fix.x + 30, fix.y}));
    Move({fix.x + 30, fix.y});
    EXPECT_TRUE(TM(c.parent).Equals(Turned(0.3f, position), 1e-4f));
}

TEST_F(PlacementTest, SecondClickHandsTheTransformToTheGroupHeadAndSelectsTheNode)
{
    TestCharacter other = MakeCharacter(L"Other");
    ip->SelectNode(other.parent, 1);
    TestCharacter c = MakeCharacter(L"Anna");
    Placement::StartPlacement(c.parent);
    Move({300, 150});
    LeftClick({300, 150});
    Move({357, 150});
    const Matrix3 placed = TM(c.parent);
    const Matrix3 childBefore = TM(c.children[1]);
    ASSERT_TRUE(TM(c.head).IsIdentity());

    LeftClick({357, 150});
    EXPECT_TRUE(TM(c.head).Equals(placed, 1e-4f));
    // The node now sits at the identity below the head, so nothing of the character moved.
    EXPECT_TRUE(TM(c.parent).Equals(placed, 1e-4f));
    EXPECT_TRUE(TM(c.children[1]).Equals(childBefore, 1e-3f));
    EXPECT_EQ(ip->GetSelNodeCount(), 1);
    EXPECT_EQ(ip->GetSelNode(0), c.parent);
    EXPECT_EQ(Executed(kSelectToolCommand), 1);
    EXPECT_FALSE(ModeActive());
    EXPECT_EQ(PromptCount(L"Place your ZANRET Character"), 0);
    EXPECT_EQ(PromptCount(L"Rotate your ZANRET Character"), 0);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);
    EXPECT_EQ(Placement::GetNode(), nullptr);
    EXPECT_EQ(MessageCount(DEBUG_INFO, L"Clicked in rotate mode..."), 1);

    // Idle: a move only reports that nothing is being placed; clicks and right clicks leave the scene alone.
    const int nodes = Host::NodeCount();
    Placement::OnMouseMove(kCentre, viewport);
    EXPECT_EQ(MessageCount(DEBUG_ERROR, L"No node selected for placement"), 1);
    Placement::OnClick(kCentre);
    Placement::CancelPlacement();
    EXPECT_EQ(MessageCount(DEBUG_INFO, L"cancel placement..."), 1);
    EXPECT_EQ(Host::NodeCount(), nodes);
    EXPECT_TRUE(TM(c.head).Equals(placed, 1e-4f));
    EXPECT_EQ(Executed(kSelectToolCommand), 1);
}

TEST_F(PlacementTest, RightClickLeavesNothingOfTheCharacterBehind)
{
    for (const bool fixed : {false, true})
    {
        SCOPED_TRACE(fixed ? "while turning" : "while placing");
        const int nodes = Host::NodeCount();
        const int executed = Executed(kSelectToolCommand);
        TestCharacter c = MakeCharacter(L"Anna", 3);
        ASSERT_NE(PlacementTestScene::CharacterLayer(), nullptr);
        Placement::StartPlacement(c.parent);
        Move({220, 210});
        if (fixed)
        {
            LeftClick({220, 210});
            Move({260, 210});
        }
        messages.clear();
        RightClick();
        EXPECT_EQ(MessageCount(DEBUG_INFO, L"cancel placement..."), 1);
        EXPECT_EQ(Host::NodeCount(), nodes);
        EXPECT_EQ(ip->GetINodeByName(_M("ZANRET Character Anna")), nullptr);
        EXPECT_EQ(PlacementTestScene::CharacterLayer(), nullptr);
        EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);
        EXPECT_EQ(Placement::GetNode(), nullptr);
        EXPECT_FALSE(ModeActive());
        EXPECT_EQ(Executed(kSelectToolCommand), executed + 1);
        EXPECT_EQ(PromptCount(L"Place your ZANRET Character"), 0);
        EXPECT_EQ(PromptCount(L"Rotate your ZANRET Character"), 0);
    }
}

TEST_F(PlacementTest, CancelKeepsTheLayerWhileOtherCharactersAreOnIt)
{
    TestCharacter other = MakeCharacter(L"Other");
    const int onLayer = PlacementTestScene::CharacterLayerNodeCount();
    TestCharacter c = MakeCharacter(L"Anna");
    Placement::StartPlacement(c.parent);
    RightClick();
    ASSERT_NE(PlacementTestScene::CharacterLayer(), nullptr);
    EXPECT_EQ(PlacementTestScene::CharacterLayerNodeCount(), onLayer);
    EXPECT_TRUE(InScene(other.parent));
    EXPECT_TRUE(InScene(other.head));
    EXPECT_TRUE(InScene(other.children[0]));
    EXPECT_EQ(other.parent->NumberOfChildren(), 2);
}

TEST_F(PlacementTest, SecondStartWhilePlacingLeavesTheFirstWhereItWas)
{
    TestCharacter a = MakeCharacter(L"A");
    TestCharacter b = MakeCharacter(L"B");
    Placement::StartPlacement(a.parent);
    Move({300, 100});
    LeftClick({300, 100});
    Move({330, 100});
    const Matrix3 aAt = TM(a.parent);

    messages.clear();
    Placement::StartPlacement(b.parent);
    EXPECT_EQ(MessageCount(DEBUG_WARNING, L"Placement::StartPlacement node alreay set!"), 1);
    EXPECT_EQ(Placement::GetNode(), b.parent);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_PLACE);
    const auto modes = Host::CommandModes();
    EXPECT_EQ(std::count(modes.begin(), modes.end(), static_cast<CommandMode*>(Placement::GetMode())), 1);
    EXPECT_EQ(PromptCount(L"Place your ZANRET Character"), 1);
    EXPECT_EQ(PromptCount(L"Rotate your ZANRET Character"), 0);

    // Only the second follows the mouse now, and the first one can carry it.
    Move({120, 260});
    EXPECT_NEAR(TM(b.parent).GetTrans().x, GroundUnder({120, 260}).x, 1e-3f);
    EXPECT_TRUE(TM(a.parent).Equals(aAt));
    EXPECT_TRUE(Placement::IsPickable(a.children[0]));
    RightClick();
    EXPECT_FALSE(InScene(b.parent));
    EXPECT_TRUE(InScene(a.parent));
    EXPECT_TRUE(InScene(a.head));
    EXPECT_TRUE(TM(a.parent).Equals(aAt));
}

TEST_F(PlacementTest, StartWithoutANodeChangesNothing)
{
    Placement::StartPlacement(nullptr);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);
    EXPECT_FALSE(ModeActive());
    EXPECT_EQ(MessageCount(DEBUG_ERROR, L"Placement::StartPlacement - node is nullptr"), 1);
}

// The mode is made once per process, so the failed allocation is tried in a fresh one.
TEST_F(PlacementTest, ModeThatCannotBeMadeLeavesTheCharacterWhereTheBuildPutIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool ok = Placement::GetMode() == nullptr;
            TestCharacter c = MakeCharacter(L"Anna");
            const Matrix3 built = TM(c.parent);
            Host::FailHeapAllocations(1);
            Placement::StartPlacement(c.parent);
            ok = ok && Placement::GetMode() == nullptr && Placement::GetNode() == nullptr &&
                 Placement::GetState() == Placement::STATE_IDLE && !ModeActive() &&
                 MessageCount(DEBUG_ERROR,
                              L"Placement::StartPlacement - could not create the placement mode") == 1 &&
                 InScene(c.parent) && TM(c.parent).Equals(built);
            // The next placement makes the mode after all.
            Placement::StartPlacement(c.parent);
            ok = ok && Placement::GetMode() != nullptr && ModeActive() &&
                 Placement::GetState() == Placement::STATE_PLACE && Placement::GetNode() == c.parent;
            std::_Exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
} // namespace
