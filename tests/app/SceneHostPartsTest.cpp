// The parts of scene-host that decide what the user sees and what a command does to the scene: the
// drawing's projection against the host's picking rays, the camera, the walks behind selecting and
// deleting a character, the file dialog's answers, and the scene dump.

#include "FileDialogHandler.h"
#include "HostCommands.h"
#include "OrbitCamera.h"
#include "SceneDump.h"
#include "SceneWalk.h"
#include "ViewProjection.h"

#include <hostsdk/Host.h>
#include <hostsdk/hostsdk.h>

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace scenehost;

namespace
{
class SceneHostParts : public testing::Test
{
protected:
    void SetUp() override { Host::Reset(); }
    void TearDown() override { Host::Reset(); }

    static INode* MakeNode(SClass_ID superClass, Class_ID classId, const MCHAR* name)
    {
        auto* object = static_cast<Object*>(CreateInstance(superClass, classId));
        INode* node = GetCOREInterface()->CreateObjectNode(object);
        node->SetName(name);
        return node;
    }

    // A character as the builder leaves it: a helper parent with two meshes below it, grouped.
    struct Character
    {
        INode* head;
        INode* parent;
        INode* body;
        INode* cloth;
    };
    static Character MakeCharacter()
    {
        Character c{};
        c.parent = MakeNode(HELPER_CLASS_ID, kHelperClassID, _M("parent"));
        c.body = MakeNode(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID, _M("body"));
        c.cloth = MakeNode(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID, _M("cloth"));
        c.parent->AttachChild(c.body, 1);
        c.parent->AttachChild(c.cloth, 1);
        INodeTab members;
        for (INode* n : {c.parent, c.body, c.cloth})
            members.AppendNode(n);
        MSTR name(_M("group"));
        c.head = GetCOREInterface()->GroupNodes(&members, &name, FALSE);
        return c;
    }
};

TEST_F(SceneHostParts, WhatIsDrawnUnderAPixelIsWhatTheHostsRayThroughItMeets)
{
    const HWND viewport = Host::CreateViewport(800, 600);
    Host::SetViewportCamera(viewport, Point3(120.0f, -340.0f, 210.0f), Point3(10.0f, 5.0f, 60.0f),
                            Point3(0.0f, 0.0f, 1.0f), 45.0f);
    const ViewProjection view = ViewProjection::Of(viewport);
    ViewExp& host = GetCOREInterface()->GetViewExp(viewport);
    for (const auto& [px, py] : {std::pair{0.0f, 0.0f}, {400.0f, 300.0f}, {799.0f, 17.0f}, {213.5f, 588.0f}})
    {
        const Ray ray = host.MapScreenToWorldRay(px, py);
        float sx = 0.0f, sy = 0.0f, depth = 0.0f;
        ASSERT_TRUE(view.Project(ray.p + ray.dir * 250.0f, sx, sy, depth));
        EXPECT_NEAR(sx, px, 0.01f);
        EXPECT_NEAR(sy, py, 0.01f);
        EXPECT_GT(depth, 0.0f);
    }
    // Behind the camera nothing is drawn.
    float sx = 0.0f, sy = 0.0f, depth = 0.0f;
    const Ray centre = host.MapScreenToWorldRay(400.0f, 300.0f);
    EXPECT_FALSE(view.Project(centre.p - centre.dir * 10.0f, sx, sy, depth));
}

TEST_F(SceneHostParts, TheCameraOrbitsAtItsDistanceStopsShortOfStraightDownAndZoomsWithinBounds)
{
    OrbitCamera camera;
    const float distance = (camera.Eye() - camera.Target()).Length();
    camera.Orbit(250.0f, 40.0f);
    EXPECT_NEAR((camera.Eye() - camera.Target()).Length(), distance, 0.01f);

    camera.Orbit(0.0f, -100000.0f);
    const Point3 down = Normalize(camera.Target() - camera.Eye());
    EXPECT_LT(down.z, 0.999f); // still a view direction the vertical can turn about

    const Point3 target = camera.Target();
    const Point3 eye = camera.Eye();
    camera.Pan(30.0f, -12.0f, 600);
    EXPECT_GT((camera.Target() - target).Length(), 0.0f);
    EXPECT_NEAR(((camera.Eye() - eye) - (camera.Target() - target)).Length(), 0.0f, 0.01f);

    camera.Zoom(1000.0f);
    EXPECT_GE((camera.Eye() - camera.Target()).Length(), 4.99f);
    camera.Zoom(-1000.0f);
    EXPECT_LE((camera.Eye() - camera.Target()).Length(), 50000.1f);
}

TEST_F(SceneHostParts, DeletingAnySelectedPartOfACharacterDeletesAllOfItAsOneUndoStep)
{
    const Character c = MakeCharacter();
    INode* other = MakeNode(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID, _M("other"));
    ASSERT_NE(c.head, nullptr);
    EXPECT_EQ(OutermostGroupHead(c.body), c.head);
    EXPECT_EQ(OutermostGroupHead(c.parent), c.head);
    EXPECT_EQ(OutermostGroupHead(other), other);
    EXPECT_EQ(NodeAndDescendants(c.head).size(), 4u);
    EXPECT_FALSE(SubtreeBounds(c.head).IsEmpty());

    // Two parts of one character selected: each node once, children before their parents.
    const std::vector<INode*> order = DeletionOrder({c.cloth, c.parent});
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(std::set<INode*>(order.begin(), order.end()).size(), 4u);
    EXPECT_EQ(order.back(), c.head);
    const auto at = [&](INode* n) { return std::find(order.begin(), order.end(), n) - order.begin(); };
    EXPECT_LT(at(c.body), at(c.parent));
    EXPECT_LT(at(c.cloth), at(c.parent));

    const int before = static_cast<int>(Host::UndoNames().size());
    GetCOREInterface()->SelectNode(c.body, 1);
    GetCOREInterface()->SelectNode(other, 0);
    DeleteSelection();
    EXPECT_EQ(Host::NodeCount(), 0);
    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 5);
    Host::DeleteNodes(order);
    EXPECT_EQ(Host::NodeCount(), 1); // only the other node
    const std::vector<int> sent = Host::SentNotifications();
    EXPECT_GE(std::count(sent.begin(), sent.end(), 0x44), 4);
    EXPECT_EQ(static_cast<int>(Host::UndoNames().size()), before + 1);
    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 5);
}

// A command mode that counts how often it is left.
class CountingMode : public CommandMode
{
public:
    int Class() override { return PICK_COMMAND; }
    int ID() override { return 0x1234; }
    MouseCallBack* MouseProc(int* numPoints) override
    {
        *numPoints = 1;
        return &m_proc;
    }
    ChangeForegroundCallback* ChangeFGProc() override { return nullptr; }
    BOOL ChangeFG(CommandMode*) override { return FALSE; }
    void EnterMode() override {}
    void ExitMode() override { ++exits; }

    int exits = 0;

private:
    MouseCallBack m_proc;
};

TEST_F(SceneHostParts, UndoRedoAndNewSceneEndARunningCommandModeFirst)
{
    CountingMode mode;
    MakeCharacter();
    const int nodes = Host::NodeCount();
    GetCOREInterface()->PushCommandMode(&mode);
    ASSERT_EQ(Host::CommandModes().size(), 1u);
    Undo(); // nothing to undo: the mode is left all the same
    EXPECT_TRUE(Host::CommandModes().empty());
    EXPECT_EQ(mode.exits, 1);
    EXPECT_EQ(Host::NodeCount(), nodes);

    GetCOREInterface()->PushCommandMode(&mode);
    Redo();
    EXPECT_TRUE(Host::CommandModes().empty());

    GetCOREInterface()->PushCommandMode(&mode);
    NewScene();
    EXPECT_TRUE(Host::CommandModes().empty());
    EXPECT_EQ(mode.exits, 3);
    EXPECT_EQ(Host::NodeCount(), 0);
    const std::vector<int> sent = Host::SentNotifications();
    EXPECT_NE(std::find(sent.begin(), sent.end(), 8), sent.end());
}

TEST_F(SceneHostParts, TheFileDialogSpeaksQtAndAnswersWithAWindowsPath)
{
    Host::OpenFileRequest request;
    request.filters = {{L"Zanret Catalogue", L"zanret.xml;*.xml"}, {L"All files (*.*)", L"*.*"}};
    EXPECT_EQ(QtFilters(request), QStringLiteral("Zanret Catalogue (zanret.xml *.xml);;All files (*.*)"));
    EXPECT_EQ(ToHostPath(QStringLiteral("/srv/chars/zanret.xml")), std::wstring(L"\\srv\\chars\\zanret.xml"));

    std::wstring chosen = L"left over";
    Host::SetOpenFileHandler(FixedOpenFileHandler(QString()));
    EXPECT_FALSE(Host::AskOpenFile(request, chosen));
    EXPECT_TRUE(chosen.empty());
    Host::SetOpenFileHandler(FixedOpenFileHandler(QStringLiteral("/srv/chars/zanret.xml")));
    EXPECT_TRUE(Host::AskOpenFile(request, chosen));
    EXPECT_EQ(chosen, L"\\srv\\chars\\zanret.xml");
    Host::SetOpenFileHandler({});
}

TEST_F(SceneHostParts, TheSceneDumpHoldsPropertiesGroupsAndTheFilesOfAMaterialsBitmaps)
{
    const Character c = MakeCharacter();
    c.parent->SetUserProperty(_M("ZANRET_PARENT"), TRUE);
    c.body->SetUserProperty(_M("ZANRET_POSE"), _M("walk"));
    auto* material = static_cast<Mtl*>(CreateInstance(MATERIAL_CLASS_ID, kStandardMaterialClassID));
    auto* bitmap = static_cast<BitmapTex*>(CreateInstance(TEXMAP_CLASS_ID, kBitmapMapClassID));
    ASSERT_NE(material, nullptr);
    ASSERT_NE(bitmap, nullptr);
    material->SetName(_M("Skin"));
    bitmap->SetMap(MaxSDK::AssetManagement::IAssetManager::GetInstance()->GetAsset(
        _M("C:\\maps\\skin.jpg"), MaxSDK::AssetManagement::kBitmapAsset));
    ASSERT_TRUE(material->SetSubTexmap(0, bitmap));
    c.body->SetMtl(material);

    const QJsonArray nodes = DumpScene()[QStringLiteral("nodes")].toArray();
    QJsonObject body, parent;
    for (const QJsonValue& value : nodes)
    {
        const QJsonObject node = value.toObject();
        if (node[QStringLiteral("name")] == QStringLiteral("body"))
            body = node;
        if (node[QStringLiteral("name")] == QStringLiteral("parent"))
            parent = node;
    }
    ASSERT_FALSE(body.isEmpty());
    EXPECT_EQ(body[QStringLiteral("properties")][QStringLiteral("ZANRET_POSE")], QStringLiteral("walk"));
    EXPECT_EQ(parent[QStringLiteral("properties")][QStringLiteral("ZANRET_PARENT")], true);
    EXPECT_EQ(body[QStringLiteral("group")], QStringLiteral("group"));
    EXPECT_EQ(body[QStringLiteral("parent")], QStringLiteral("parent"));
    EXPECT_EQ(body[QStringLiteral("material")][QStringLiteral("name")], QStringLiteral("Skin"));
    EXPECT_EQ(body[QStringLiteral("material")][QStringLiteral("textures")].toArray(),
              QJsonArray{QStringLiteral("C:\\maps\\skin.jpg")});
    EXPECT_TRUE(parent[QStringLiteral("material")].isNull());
}
} // namespace
