#include "HostFixture.h"
#include "TempFolder.h"

namespace
{
Object* ProxyFor(const std::wstring& path)
{
    auto* obj = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID));
    obj->GetParamBlock(0)->SetValue(2, 0, 1.0f);
    obj->GetParamBlock(0)->SetValue(0, 0, hostsdk::FromWide(path).c_str());
    return obj;
}

struct Plain : public MaxHeapOperators
{
    int value = 7;
};
} // namespace

using Objects = HostTest;

TEST_F(Objects, ProxyReadsObjTextThroughTheBackslashPath)
{
    TempFolder folder;
    folder.WriteFile("char/pose/pose.vrmesh", "# quad and a triangle\r\n"
                                              "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\n"
                                              "vt 0 0\nvn 0 0 1\n"
                                              "f 1/1/1 2//1 3 4\n"
                                              "v 0 0 5\n"
                                              "f 1 2 -1\n");
    Object* proxy = ProxyFor(folder.WidePath() + L"char\\\\pose\\pose.vrmesh");
    EXPECT_EQ(proxy->SuperClassID(), GEOMOBJECT_CLASS_ID);
    EXPECT_EQ(proxy->ClassID(), kProxyMeshObjectClassID);
    EXPECT_TRUE(Host::ProxyMeshLoadedFromFile(proxy));
    EXPECT_EQ(Host::ProxyMeshTriangleCount(proxy), 3);

    // The parameter of the ray as given, also for a direction that is not a unit vector.
    Ray ray;
    ray.p = Point3(0.5f, 0.5f, 10.0f);
    ray.dir = Point3(0.0f, 0.0f, -2.0f);
    float at = 0.0f;
    Point3 normal;
    ASSERT_TRUE(proxy->IntersectRay(0, ray, at, normal));
    EXPECT_FLOAT_EQ(at, 5.0f);
    ExpectPointNear(ray.p + ray.dir * at, Point3(0.5f, 0.5f, 0.0f));
    ray.p = Point3(5.0f, 5.0f, 10.0f);
    EXPECT_FALSE(proxy->IntersectRay(0, ray, at, normal));

    // Drawn in world space, where its node puts it.
    INode* node = ip->CreateObjectNode(proxy);
    Matrix3 tm;
    tm.Translate(Point3(100.0f, 0.0f, 0.0f));
    node->SetNodeTM(0, tm);
    const std::vector<Point3> corners = Host::WorldTriangles(node);
    ASSERT_EQ(corners.size(), 9u);
    ExpectPointNear(corners[0], Point3(99.0f, -1.0f, 0.0f));
    ExpectPointNear(Host::WorldBounds(node).pmax, Point3(101.0f, 1.0f, 5.0f));
}

TEST_F(Objects, AFileThatCannotBeUsedGivesThePlaceholderBox)
{
    TempFolder folder;
    folder.WriteFile("bad.vrmesh", "v 0 0 0\nv 1 0 0\nf 1 2 9\n");
    folder.WriteFile("empty.vrmesh", "");
    folder.WriteFile("text.vrmesh", "v 0 zero 0\nf 1 1 1\n");
    for (const wchar_t* name : {L"bad.vrmesh", L"empty.vrmesh", L"text.vrmesh", L"missing.vrmesh"})
    {
        Object* proxy = ProxyFor(folder.WidePath() + name);
        EXPECT_FALSE(Host::ProxyMeshLoadedFromFile(proxy)) << name;
        EXPECT_EQ(Host::ProxyMeshTriangleCount(proxy), 12) << name;
        const Box3 box = proxy->GetLocalBounds(0);
        ExpectPointNear(box.pmin, Point3(-10.0f, -10.0f, 0.0f));
        ExpectPointNear(box.pmax, Point3(10.0f, 10.0f, 20.0f));
    }
    // Pointing an object at a good file afterwards reads it.
    folder.WriteFile("good.vrmesh", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
    Object* proxy = ProxyFor(folder.WidePath() + L"missing.vrmesh");
    EXPECT_FALSE(Host::ProxyMeshLoadedFromFile(proxy));
    proxy->GetParamBlock(0)->SetValue(0, 0, hostsdk::FromWide(folder.WidePath() + L"good.vrmesh").c_str());
    EXPECT_TRUE(Host::ProxyMeshLoadedFromFile(proxy));
}

TEST_F(Objects, ClassesParametersAndAllocation)
{
    auto* helper = static_cast<Object*>(CreateInstance(HELPER_CLASS_ID, kHelperClassID));
    ASSERT_NE(helper, nullptr);
    EXPECT_EQ(helper->SuperClassID(), HELPER_CLASS_ID);
    EXPECT_TRUE(helper->GetParamBlock(0)->SetValue(0, 0, 50.0f));
    EXPECT_FLOAT_EQ(helper->GetParamBlock(0)->GetFloat(0), 50.0f);
    EXPECT_FALSE(helper->GetParamBlock(0)->SetValue(0, 0, _M("text"))); // wrong kind
    EXPECT_FALSE(helper->GetParamBlock(0)->SetValue(9, 0, 1.0f));       // no such parameter
    Ray ray;
    ray.dir = Point3(0.0f, 0.0f, -1.0f);
    float at = 0.0f;
    Point3 normal;
    EXPECT_FALSE(helper->IntersectRay(0, ray, at, normal));

    EXPECT_EQ(CreateInstance(HELPER_CLASS_ID, Class_ID(0x1234, 0)), nullptr);
    EXPECT_EQ(CreateInstance(GEOMOBJECT_CLASS_ID, kHelperClassID), nullptr); // wrong super class
    Host::SetClassAvailable(kProxyMeshObjectClassID, false);
    EXPECT_EQ(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID), nullptr);
    Host::SetClassAvailable(kProxyMeshObjectClassID, true);
    EXPECT_NE(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID), nullptr);

    Host::FailHeapAllocations(1);
    Plain* failed = new Plain;
    EXPECT_EQ(failed, nullptr);
    Plain* made = new Plain;
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->value, 7);
    delete made;
}

TEST_F(Objects, TabsGrowAndCopy)
{
    Tab<int> tab;
    int values[] = {1, 2, 3};
    EXPECT_EQ(tab.Append(3, values, 10), 0);
    int middle = 9;
    EXPECT_EQ(tab.Insert(1, 1, &middle), 1);
    ASSERT_EQ(tab.Count(), 4);
    EXPECT_EQ(tab[1], 9);
    EXPECT_EQ(tab[3], 3);
    Tab<int> copy = tab;
    tab.Delete(0, 2);
    EXPECT_EQ(tab.Count(), 2);
    EXPECT_EQ(copy.Count(), 4);
    EXPECT_EQ(copy[0], 1);
}
