// "Create": the build from the selection and the hand-over to placement.

#include "CommandsFixture.h"

#include "scene/ObjectDatabase.h"
#include "scene/Placement.h"
#include "scene/SceneEvents.h"

#include "hostsdk/hostsdk.h"

using namespace ZANRET;

namespace
{
std::int32_t UniqueOf(DataContainer* element)
{
    return element ? Data2::GetUnique(element) : 0;
}

std::wstring NameOf(const MCHAR* name)
{
    return name ? hostsdk::ToWide(name) : L"-";
}

// What the user sees of the scene: each node with its parent, group, layer and material.
std::vector<std::wstring> SceneState()
{
    std::vector<std::wstring> lines;
    for (INode* node : Host::SceneNodes())
    {
        std::wstring line = NameOf(node->GetName()) + L" < " + NameOf(node->GetParentNode()->GetName());
        line += node->IsGroupHead() ? L" head" : node->IsGroupMember() ? L" member" : L"";
        line += L" @ " + (node->GetLayer() ? NameOf(node->GetLayer()->GetName()) : L"-");
        line += L" : " + (node->GetMtl() ? NameOf(node->GetMtl()->GetName().c_str()) : L"-");
        lines.push_back(line);
    }
    return lines;
}

// How many built nodes the instance store counts for each mesh node of the character.
std::vector<int> StoreCounts(INode* parent)
{
    std::vector<int> counts;
    for (int i = 0; i < parent->NumberOfChildren(); ++i)
        counts.push_back(ObjectDatabase::GetReferenceCount(parent->GetChildNode(i)->GetObjectRef()));
    return counts;
}
} // namespace

class CreateCharacterTest : public CommandsTest
{
protected:
    void SetUp() override
    {
        CommandsTest::SetUp();
        viewport = Host::CreateViewport(400, 400);
        Host::SetViewportCamera(viewport, {0.0f, 0.0f, 800.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
                                45.0f);
        OpenSamples();
        CharacterData* anna = Data2::GetCharacter(L"anna");
        Commands::SetSelectedClothUnique(UniqueOf(anna), UniqueOf(anna->GetCloth(L"anna_dress")), false);
        Commands::SetSelectedPose(UniqueOf(anna->GetPose(L"stand")), false);
        Commands::SetSelectedSkin(UniqueOf(anna->GetSkin(L"anna_light")), false);
        ObjectDatabase::Clear();
        log.Clear();
    }
    void TearDown() override
    {
        Placement::CancelPlacement();
        SceneEvents::Unregister();
        ObjectDatabase::Clear();
        CommandsTest::TearDown();
    }

    void SelectStyle()
    {
        CharacterData* anna = Data2::GetCharacter(L"anna");
        Commands::SetSelectedStyle(UniqueOf(anna->GetStyle(L"anna_dress", L"dress_red")), false);
    }
    void Move(IPoint2 m) { Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, m); }
    void LeftClick(IPoint2 m) { Host::SendMouse(viewport, MOUSE_POINT, MOUSE_LBUTTON, m); }
    void RightClick(IPoint2 m) { Host::SendMouse(viewport, MOUSE_PROPCLICK, MOUSE_RBUTTON, m); }
    static int PromptCount(const MCHAR* text)
    {
        const auto prompts = Host::Prompts();
        return static_cast<int>(std::count(prompts.begin(), prompts.end(), MSTR(text)));
    }

    HWND viewport = nullptr;
};

TEST_F(CreateCharacterTest, IncompleteSelectionBuildsAndPlacesNothing)
{
    // No cloth material chosen.
    GetCOREInterface()->SetAnimateMode(TRUE);
    Commands::CreateCharacter();
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Commands::CreateCharacter could not create character"), 1);
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_TRUE(Host::CommandModes().empty());
    EXPECT_EQ(Placement::GetNode(), nullptr);
    // Auto Key goes off before anything is tried.
    ASSERT_FALSE(Host::ScriptLines().empty());
    EXPECT_EQ(Host::ScriptLines().back(), MSTR(_M("animButtonState=false")));
    EXPECT_FALSE(GetCOREInterface()->IsAnimateOn());
    EXPECT_TRUE(window.Calls().empty());
}

TEST_F(CreateCharacterTest, CompleteSelectionIsBuiltAndPlacedWithTheMouse)
{
    CharacterData* anna = Data2::GetCharacter(L"anna");
    Commands::SetSelectedStyle(UniqueOf(anna->GetStyle(L"anna_dress", L"dress_red")), false);
    Commands::CreateCharacter();
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Commands::CreateCharacter could not create character"), 0);
    INode* node = Placement::GetNode();
    ASSERT_NE(node, nullptr);
    EXPECT_GT(Host::NodeCount(), 1);
    EXPECT_EQ(Host::CommandModes().size(), 1u);
    EXPECT_TRUE(window.Calls().empty());

    // Move, fix the position, turn, fix the rotation.
    Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, {250, 200});
    Host::SendMouse(viewport, MOUSE_POINT, MOUSE_LBUTTON, {250, 200});
    Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, {300, 200});
    Host::SendMouse(viewport, MOUSE_POINT, MOUSE_LBUTTON, {300, 200});
    EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);
    EXPECT_EQ(Placement::GetNode(), nullptr);
    EXPECT_GT(Host::NodeCount(), 1);
    EXPECT_EQ(GetCOREInterface()->GetSelNodeCount(), 1);
}

// A second Create while the first character turns: when the second placement ends, the prompt line
// holds what both builds pushed and nothing of either placement.
TEST_F(CreateCharacterTest, SecondCreateWhileTurningLeavesOnlyTheBuildsPrompts)
{
    SelectStyle();
    Commands::CreateCharacter();
    Move({250, 200});
    LeftClick({250, 200});
    Move({280, 200});
    ASSERT_EQ(Host::Prompts().back(), MSTR(_M("Rotate your ZANRET Character")));

    Commands::CreateCharacter();
    EXPECT_EQ(log.Count(DEBUG_WARNING, L"Placement::StartPlacement node alreay set!"), 1);
    EXPECT_EQ(PromptCount(_M("Rotate your ZANRET Character")), 0);
    EXPECT_EQ(PromptCount(_M("Place your ZANRET Character")), 1);
    EXPECT_EQ(Host::Prompts().back(), MSTR(_M("Place your ZANRET Character")));
    Move({150, 150});
    LeftClick({150, 150});
    Move({200, 150});
    LeftClick({200, 150});

    const MSTR start(_M("Create ZANRET Character...")), done(_M("ZANRET Character created"));
    EXPECT_EQ(Host::Prompts(), (std::vector<MSTR>{start, done, start, done}));
    EXPECT_EQ(Placement::GetState(), Placement::STATE_IDLE);
}

// A right click takes the new character away as an undo step of its own: undo brings it back as it
// was, redo takes it away again, and the instance store counts what the scene holds all along.
TEST_F(CreateCharacterTest, UndoAfterARightClickBringsTheCharacterBackAsItWas)
{
    SceneEvents::Register();
    SelectStyle();
    Commands::CreateCharacter();
    INode* parent = Placement::GetNode();
    ASSERT_NE(parent, nullptr);
    INode* head = parent->GetParentNode();
    Move({150, 150});
    const std::vector<INode*> nodes = Host::SceneNodes();
    const std::vector<std::wstring> state = SceneState();
    const std::vector<int> counts = StoreCounts(parent);
    const int entries = ObjectDatabase::GetEntryCount();
    const Matrix3 placedAt = parent->GetNodeTM(0);
    ASSERT_GT(entries, 0);
    ASSERT_EQ(counts, std::vector<int>(counts.size(), 1));

    RightClick({150, 150});
    const MSTR build(_M("ZANRET Character")), removal(_M("Delete ZANRET Character"));
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 0);
    EXPECT_EQ(Host::UndoNames(), (std::vector<MSTR>{build, removal}));

    for (int round = 0; round < 2; ++round)
    {
        SCOPED_TRACE(round);
        ASSERT_TRUE(Host::Undo());
        EXPECT_EQ(Host::SceneNodes(), nodes);
        EXPECT_EQ(SceneState(), state);
        EXPECT_EQ(parent->GetParentNode(), head);
        EXPECT_TRUE(parent->GetNodeTM(0).Equals(placedAt));
        EXPECT_EQ(StoreCounts(parent), counts);
        EXPECT_EQ(ObjectDatabase::GetEntryCount(), entries);
        EXPECT_EQ(Host::UndoNames(), std::vector<MSTR>{build});
        EXPECT_EQ(Placement::GetNode(), nullptr);

        ASSERT_TRUE(Host::Redo());
        EXPECT_EQ(Host::NodeCount(), 0);
        EXPECT_EQ(ObjectDatabase::GetEntryCount(), 0);
        EXPECT_EQ(Host::UndoNames(), (std::vector<MSTR>{build, removal}));
    }

    // Back once more, the character's meshes are shared by the next one like any placed character's.
    ASSERT_TRUE(Host::Undo());
    Commands::CreateCharacter();
    EXPECT_EQ(StoreCounts(parent), std::vector<int>(counts.size(), 2));
    EXPECT_EQ(Host::RedoCount(), 0);
    Placement::CancelPlacement();
    EXPECT_EQ(StoreCounts(parent), counts);
    EXPECT_EQ(SceneState(), state);

    // Undoing the build itself leaves the scene as it was before Create.
    ASSERT_TRUE(Host::Undo());
    ASSERT_TRUE(Host::Undo());
    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_TRUE(Host::UndoNames().empty());
}
