// Picking in scenes that keep changing, against picks that work everything out again each time.

#include "HostFixture.h"
#include "TempFolder.h"

#include "EveryTriangle.h"
#include "Objects.h"
#include "RayBox.h"
#include "SceneNode.h"

#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

using hostsdk::SceneNode;

namespace
{
constexpr int kViewSize = 200;

SceneNode* AsScene(INode* node)
{
    return dynamic_cast<SceneNode*>(node);
}

Matrix3 WorldFromParents(SceneNode* node)
{
    if (node->IsRootNode() || !node->Parent())
        return node->LocalTM();
    return node->LocalTM() * WorldFromParents(node->Parent());
}

Matrix3 ObjectTMFromParents(SceneNode* node)
{
    return node->ObjectOffset() * WorldFromParents(node);
}

Box3 BoundsFromParents(SceneNode* node)
{
    Box3 box;
    const Box3 local = node->GetObjectRef() ? node->GetObjectRef()->GetLocalBounds(0) : Box3();
    if (local.IsEmpty())
    {
        box += WorldFromParents(node).GetTrans();
        return box;
    }
    const Matrix3 tm = ObjectTMFromParents(node);
    for (int corner = 0; corner < 8; ++corner)
        box += Point3(corner & 1 ? local.pmax.x : local.pmin.x, corner & 2 ? local.pmax.y : local.pmin.y,
                      corner & 4 ? local.pmax.z : local.pmin.z) *
               tm;
    return box;
}

Ray InObjectSpace(const Matrix3& objectTM, const Ray& world)
{
    const Matrix3 inverse = Inverse(objectTM);
    Ray local;
    local.p = world.p * inverse;
    local.dir = VectorTransform(inverse, world.dir);
    return local;
}

// The nearest of all the node's triangles, in its object space.
bool HitEveryTriangle(SceneNode* node, const Ray& world, float& at)
{
    auto* proxy = dynamic_cast<hostsdk::ProxyMeshObject*>(node->GetObjectRef());
    size_t triangle = 0;
    return proxy &&
           FirstNearestTriangle(proxy->Mesh(), InObjectSpace(ObjectTMFromParents(node), world), at, triangle);
}

bool Passes(INode* node)
{
    return node->GetHandle() % 3 != 0;
}

struct Pick
{
    INode* node = nullptr;
    float at = std::numeric_limits<float>::max();
    std::vector<INode*> offered;
};

// Every node in the scene's order. With bounds, as the pick has always walked: a node whose bounds
// the ray misses or enters beyond the nearest hit so far is not offered to the filter. Without,
// every triangle of every node that passes.
Pick PickByHand(const Ray& ray, bool bounds)
{
    Pick pick;
    for (INode* n : Host::SceneNodes())
    {
        SceneNode* node = AsScene(n);
        Object* obj = node->GetObjectRef();
        float enter = 0.0f;
        if (bounds && (!obj || obj->GetLocalBounds(0).IsEmpty() ||
                       !hostsdk::RayHitsBox(ray, BoundsFromParents(node), enter) || enter > pick.at))
            continue;
        pick.offered.push_back(n);
        float at = 0.0f;
        if (Passes(n) && HitEveryTriangle(node, ray, at) && at < pick.at)
        {
            pick.at = at;
            pick.node = n;
        }
    }
    return pick;
}

class Recording : public PickNodeCallback
{
public:
    BOOL Filter(INode* node) override
    {
        offered.push_back(node);
        return Passes(node) ? TRUE : FALSE;
    }
    std::vector<INode*> offered;
};

std::string ObjText(std::mt19937& rng, int triangles)
{
    std::uniform_real_distribution<float> d(-12.0f, 12.0f);
    std::string text;
    for (int i = 0; i < triangles * 3; ++i)
        text += "v " + std::to_string(d(rng)) + " " + std::to_string(d(rng)) + " " + std::to_string(d(rng)) +
                "\n";
    for (int i = 0; i < triangles; ++i)
        text += "f " + std::to_string(3 * i + 1) + " " + std::to_string(3 * i + 2) + " " +
                std::to_string(3 * i + 3) + "\n";
    return text;
}

class ChangingScene : public HostTest
{
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        viewport = Host::CreateViewport(kViewSize, kViewSize);
        folder.WriteFile("soup.vrmesh", ObjText(rng, 40));
        folder.WriteFile("few.vrmesh", ObjText(rng, 3));
        MakeObjects();
    }

    void MakeObjects()
    {
        objects.clear();
        for (const char* file : {"missing", "missing", "soup", "soup", "few"})
            objects.push_back(MakeProxy(file));
    }

    Object* MakeProxy(const std::string& file)
    {
        auto* obj = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID));
        SetPath(obj, file);
        return obj;
    }
    void SetPath(Object* obj, const std::string& file)
    {
        const std::wstring path = folder.WidePath() + std::wstring(file.begin(), file.end()) + L".vrmesh";
        obj->GetParamBlock(0)->SetValue(hostsdk::ProxyMeshObject::kPathParam, 0,
                                        hostsdk::FromWide(path).c_str());
    }

    int Below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); }
    template <class T> T OneOf(const std::vector<T>& v)
    {
        return v[static_cast<size_t>(Below(static_cast<int>(v.size())))];
    }

    Matrix3 RandomTM()
    {
        Matrix3 tm;
        tm.Scale(Point3(Uniform(0.3f, 2.0f), Uniform(0.3f, 2.0f), Uniform(0.3f, 2.0f)));
        tm.RotateX(Uniform(-3.0f, 3.0f));
        tm.RotateZ(Uniform(-3.0f, 3.0f));
        tm.Translate(Point3(Uniform(-90.0f, 90.0f), Uniform(-90.0f, 90.0f), Uniform(-40.0f, 40.0f)));
        return tm;
    }

    // Some changes are made inside a hold, so that undo and redo have steps to replay.
    void MaybeHeld(const std::function<void()>& change)
    {
        const bool held = Below(2) == 0;
        if (held)
            theHold.Begin();
        change();
        if (held)
            theHold.Accept(_M("step"));
    }

    void AddNodes(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            const std::vector<INode*> nodes = Host::SceneNodes();
            Object* obj = Below(5) == 0
                              ? static_cast<Object*>(CreateInstance(HELPER_CLASS_ID, kHelperClassID))
                              : OneOf(objects);
            INode* node = ip->CreateObjectNode(obj);
            node->SetNodeTM(0, RandomTM());
            if (!nodes.empty() && Below(3) != 0)
                OneOf(nodes)->AttachChild(node, Below(2));
        }
    }

    void RandomChange()
    {
        const std::vector<INode*> nodes = Host::SceneNodes();
        if (nodes.size() < 4)
            return MaybeHeld([&] { AddNodes(8); });
        if (std::exchange(adoptionUndone, false) && Below(2) == 0)
        {
            Host::Redo();
            return;
        }
        if (Below(150) == 0)
        {
            // Everything goes, and with it the objects.
            Host::NewScene();
            return MakeObjects();
        }
        INode* node = OneOf(nodes);
        switch (Below(13))
        {
        case 0:
            return MaybeHeld([&] { AddNodes(nodes.size() < 60 ? 1 + Below(12) : 1); });
        case 1:
        case 2:
            return MaybeHeld([&] { node->SetNodeTM(0, RandomTM()); });
        case 3:
            return MaybeHeld([&] { OneOf(nodes)->AttachChild(node, Below(2)); });
        case 4:
            return MaybeHeld([&] { node->Detach(0, Below(2)); });
        case 5:
            return Host::DeleteNodes({node, OneOf(nodes)});
        case 6:
            Host::Undo();
            return;
        case 7:
            Host::Redo();
            return;
        case 8:
            return MaybeHeld([&] { node->SetObjectRef(OneOf(objects)); });
        case 9:
            return MaybeHeld(
                [&] {
                    SetPath(OneOf(objects), OneOf(std::vector<std::string>{"missing", "soup", "few"}));
                });
        case 10:
            return Adopt(nodes);
        case 11:
            theHold.Begin();
            node->SetNodeTM(0, RandomTM());
            AddNodes(3);
            OneOf(nodes)->AttachChild(node, TRUE);
            theHold.Cancel();
            return;
        default:
            return MaybeHeld(
                [&]
                {
                    node->Move(0, Matrix3(), Point3(Uniform(-9.0f, 9.0f), 0.0f, Uniform(-9.0f, 9.0f)), FALSE,
                               TRUE, Below(2) ? PIV_OBJECT_ONLY : PIV_PIVOT_ONLY);
                });
        }
    }

    // A node made in a step of its own takes others below it; undoing that step takes them all
    // out of the scene at once, and redoing it brings them back.
    void Adopt(const std::vector<INode*>& nodes)
    {
        theHold.Begin();
        AddNodes(1);
        theHold.Accept(_M("step"));
        INode* head = Host::SceneNodes().back();
        for (int i = 0; i < 3; ++i)
            head->AttachChild(OneOf(nodes), Below(2));
        adoptionUndone = Below(2) == 0 && Host::Undo();
    }

    void LookFromSomewhere()
    {
        const Point3 eye = Below(4) == 0 ? Point3(0.0f, 0.0f, 400.0f)
                                         : Point3(Uniform(-300.0f, 300.0f), Uniform(-300.0f, 300.0f),
                                                  Uniform(-200.0f, 300.0f));
        Host::SetViewportCamera(viewport, eye, Point3(Uniform(-30.0f, 30.0f), 0.0f, 0.0f),
                                Point3(0.0f, 1.0f, 0.0f), Uniform(30.0f, 90.0f));
    }

    // The pixel whose ray passes through p, or a random one when p is not in front of the camera.
    IPoint2 PixelAt(const Point3& p)
    {
        const Matrix3 camera = ip->GetViewExp(viewport).GetCameraTM();
        const Point3 v = p - camera.GetTrans();
        const float depth = -DotProd(v, camera.GetRow(2));
        const float half = std::tan(Host::ViewportFieldOfView(viewport) * 3.14159265f / 360.0f) * depth;
        if (depth <= 0.0f)
            return IPoint2(Below(kViewSize), Below(kViewSize));
        const float x = (DotProd(v, camera.GetRow(0)) / half + 1.0f) * kViewSize / 2.0f;
        const float y = (1.0f - DotProd(v, camera.GetRow(1)) / half) * kViewSize / 2.0f;
        return IPoint2(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    }

    void ExpectPicksAgree()
    {
        for (INode* n : Host::SceneNodes())
        {
            SceneNode* node = AsScene(n);
            ASSERT_EQ(n->GetNodeTM(0), WorldFromParents(node));
            ASSERT_EQ(n->GetObjectTM(0), ObjectTMFromParents(node));
            const Box3 kept = Host::WorldBounds(n);
            const Box3 fresh = BoundsFromParents(node);
            ASSERT_EQ(kept.pmin, fresh.pmin);
            ASSERT_EQ(kept.pmax, fresh.pmax);
        }
        LookFromSomewhere();
        const std::vector<INode*> nodes = Host::SceneNodes();
        for (int i = 0; i < 8; ++i)
        {
            // Half of the rays go through a node's bounds.
            const IPoint2 pixel = i % 2 || nodes.empty() ? IPoint2(Below(kViewSize), Below(kViewSize))
                                                         : PixelAt(Host::WorldBounds(OneOf(nodes)).Center());
            const Ray ray = ip->GetViewExp(viewport).MapScreenToWorldRay(static_cast<float>(pixel.x),
                                                                         static_cast<float>(pixel.y));
            Recording filter;
            INode* picked = ip->PickNode(viewport, pixel, &filter);
            const Pick walk = PickByHand(ray, true);
            ASSERT_EQ(filter.offered, walk.offered);
            ASSERT_EQ(picked, walk.node);
            const Pick all = PickByHand(ray, false);
            ASSERT_EQ(picked, all.node);
            if (!picked)
                continue;
            // Where the plug-in puts the character: the object's own intersection, in world terms.
            Ray local = InObjectSpace(picked->GetObjectTM(0), ray);
            float at = 0.0f;
            Point3 normal;
            ASSERT_TRUE(picked->GetObjectRef()->IntersectRay(0, local, at, normal));
            ASSERT_EQ(at, walk.at);
            ExpectPointNear(ray.p + ray.dir * at, ray.p + ray.dir * all.at, 1e-3f);
            ++hits;
        }
    }

    TempFolder folder;
    std::mt19937 rng{2718};
    HWND viewport = nullptr;
    std::vector<Object*> objects;
    int hits = 0;
    bool adoptionUndone = false;
};
} // namespace

TEST_F(ChangingScene, PicksMatchTestingEveryNodeAndEveryTriangleThroughMovesLinksDeletesUndoAndRedo)
{
    for (int step = 0; step < 1500; ++step)
    {
        RandomChange();
        ExpectPicksAgree();
        if (HasFatalFailure())
            FAIL() << "after step " << step;
    }
    EXPECT_GT(hits, 3000); // the rays mostly hit something
}
