#pragma once
// A fresh stand-in host for each test.

#include "hostsdk/Host.h"
#include "hostsdk/hostsdk.h"

#include <gtest/gtest.h>

class HostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Host::Reset();
        ip = GetCOREInterface();
    }
    void TearDown() override { Host::Reset(); }

    // A proxy-mesh node with the placeholder box (no file), at the position.
    INode* MakeBoxNode(const Point3& at = Point3(), const MCHAR* name = _M("box"))
    {
        auto* obj = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID));
        INode* node = ip->CreateObjectNode(obj);
        Matrix3 tm;
        tm.Translate(at);
        node->SetNodeTM(0, tm);
        node->SetName(name);
        return node;
    }
    INode* MakeHelperNode(const MCHAR* name = _M("helper"))
    {
        auto* obj = static_cast<Object*>(CreateInstance(HELPER_CLASS_ID, kHelperClassID));
        INode* node = ip->CreateObjectNode(obj);
        node->SetName(name);
        return node;
    }

    // The child attached below the parent, and the two grouped without a name.
    INode* GroupParentAndChild(INode* parent, INode* child)
    {
        parent->AttachChild(child, TRUE);
        INodeTab table;
        table.AppendNode(parent);
        table.AppendNode(child);
        return ip->GroupNodes(&table, nullptr, FALSE);
    }

    Interface* ip = nullptr;
};

inline void ExpectPointNear(const Point3& actual, const Point3& expected, float eps = 1e-3f)
{
    EXPECT_NEAR(actual.x, expected.x, eps);
    EXPECT_NEAR(actual.y, expected.y, eps);
    EXPECT_NEAR(actual.z, expected.z, eps);
}
