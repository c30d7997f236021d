// Placing a character made by the builder: the hand-over to its group head, and a cancel that
// leaves nothing of it in the scene.

#include "BuilderFixture.h"

#include "scene/Placement.h"

namespace
{
using namespace ZANRET;

class PlacementOfBuiltCharacter : public BuilderTest
{
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        viewport = Host::CreateViewport(400, 400);
        Host::SetViewportCamera(viewport, {0.0f, 0.0f, 500.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
                                45.0f);
    }
    void TearDown() override
    {
        Placement::CancelPlacement();
        BuilderTest::TearDown();
    }

    INode* BuildAnnaWithAssets()
    {
        SelectAnna();
        SelectAsset(L"bag");
        SelectAsset(L"bracelet");
        return Builder::BuildCharacter();
    }

    HWND viewport = nullptr;
};

TEST_F(PlacementOfBuiltCharacter, FinishedPlacementMovesTheWholeGroup)
{
    INode* parent = BuildAnnaWithAssets();
    ASSERT_NE(parent, nullptr);
    INode* head = parent->GetParentNode();
    ASSERT_TRUE(head && head->IsGroupHead());
    Placement::StartPlacement(parent);
    Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, {300, 120});
    Host::SendMouse(viewport, MOUSE_POINT, MOUSE_LBUTTON, {300, 120});
    Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, {350, 120});
    const Matrix3 placed = parent->GetNodeTM(0);
    Host::SendMouse(viewport, MOUSE_POINT, MOUSE_LBUTTON, {350, 120});
    EXPECT_TRUE(head->GetNodeTM(0).Equals(placed, 1e-4f));
    EXPECT_TRUE(parent->GetNodeTM(0).Equals(placed, 1e-4f));
    EXPECT_EQ(ip->GetSelNode(0), parent);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);
    // One undo step still takes the whole build back.
    EXPECT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 0);
}

TEST_F(PlacementOfBuiltCharacter, RightClickLeavesAnEmptyScene)
{
    INode* parent = BuildAnnaWithAssets();
    ASSERT_NE(parent, nullptr);
    ASSERT_GT(parent->NumberOfChildren(), 3);
    Placement::StartPlacement(parent);
    Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, {300, 120});
    Host::SendMouse(viewport, MOUSE_PROPCLICK, MOUSE_RBUTTON, {300, 120});
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_EQ(CharacterLayer(), nullptr);
    EXPECT_EQ(Placement::GetNode(), nullptr);
}
} // namespace
