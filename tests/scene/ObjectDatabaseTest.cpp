#include "scene/ObjectDatabase.h"
#include "repository/Debug.h"
#include "scene/SceneEvents.h"

#include "hostsdk/Host.h"
#include "hostsdk/hostsdk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using namespace ZANRET;

class ObjectDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Host::Reset();
        ObjectDatabase::Clear();
        ObjectDatabase::SetEnabled(true);
        SceneEvents::Register();
        Debug::SetMessageHook([this](DEBUG_TYPE type, const wchar_t* text)
                              { messages.push_back(std::to_wstring(type) + L" " + (text ? text : L"")); });
        ip = GetCOREInterface();
    }
    void TearDown() override
    {
        Debug::SetMessageHook(nullptr);
        SceneEvents::Unregister();
        ObjectDatabase::Clear();
        ObjectDatabase::SetEnabled(true);
        Host::Reset();
    }

    // Makes a node for the mesh path as the builder does: an instance of a registered object, or
    // a new proxy object that is registered.
    INode* ProxyNode(const std::wstring& path, INode* parent)
    {
        Object* obj = ObjectDatabase::Find(path.c_str());
        if (!obj)
        {
            obj = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID));
            ObjectDatabase::Add(obj, path.c_str());
        }
        obj->GetParamBlock(0)->SetValue(2, 0, 1.0f);
        obj->GetParamBlock(0)->SetValue(0, 0, hostsdk::FromWide(path).c_str());
        INode* node = ip->CreateObjectNode(obj);
        parent->AttachChild(node, TRUE);
        return node;
    }

    // One character: a helper parent with a body and a cloth, grouped, as one undo step.
    INode* Build(const std::wstring& body = L"C:\\repo\\a\\pose.vrmesh",
                 const std::wstring& cloth = L"C:\\repo\\a\\cloth\\c_p.vrmesh")
    {
        theHold.Begin();
        INode* parent =
            ip->CreateObjectNode(static_cast<Object*>(CreateInstance(HELPER_CLASS_ID, kHelperClassID)));
        ProxyNode(body, parent);
        ProxyNode(cloth, parent);
        INodeTab table;
        table.AppendNode(parent);
        for (int i = 0; i < parent->NumberOfChildren(); ++i)
            table.AppendNode(parent->GetChildNode(i), true);
        ip->GroupNodes(&table, nullptr, FALSE);
        theHold.Accept(_M("ZANRET Character"));
        return parent;
    }

    // Deletes a character as placement's cancel does: children first, then the parent.
    void Cancel(INode* parent)
    {
        while (parent->NumberOfChildren() > 0)
            ip->DeleteNode(parent->GetChildNode(0), TRUE, FALSE);
        ip->DeleteNode(parent, TRUE, FALSE);
    }

    int Count(const wchar_t* text) const
    {
        return static_cast<int>(std::count(messages.begin(), messages.end(), std::wstring(L"0 ") + text));
    }

    Interface* ip = nullptr;
    std::vector<std::wstring> messages;
};

const wchar_t* const kBody = L"C:\\repo\\a\\pose.vrmesh";
const wchar_t* const kCloth = L"C:\\repo\\a\\cloth\\c_p.vrmesh";
} // namespace

TEST_F(ObjectDatabaseTest, SecondBuildInstancesTheFirstAndDeletionsCountDown)
{
    INode* first = Build();
    Object* body = first->GetChildNode(0)->GetObjectRef();
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(body), 1);
    INode* second = Build();
    EXPECT_EQ(second->GetChildNode(0)->GetObjectRef(), body);
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(body), 2);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 2);

    messages.clear();
    Cancel(first);
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(body), 1);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 2);
    EXPECT_EQ(Count(L"Decrease count..."), 2);
    EXPECT_EQ(Count(L"Delete object from database..."), 0);
    // The helper and the group head are not in the store.
    EXPECT_EQ(Count(L"PreNodeDelete"), 4);
    EXPECT_EQ(Count(L"got obj..."), 3);

    INode* third = Build();
    EXPECT_EQ(third->GetChildNode(0)->GetObjectRef(), body);
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(body), 2);
}

TEST_F(ObjectDatabaseTest, TheLastNodeTakesTheObjectOutAndTheNextBuildMakesANewOne)
{
    INode* only = Build();
    Object* body = only->GetChildNode(0)->GetObjectRef();
    messages.clear();
    Host::DeleteNodes({only->GetChildNode(0)});
    EXPECT_EQ(Count(L"Delete object from database..."), 1);
    EXPECT_EQ(ObjectDatabase::Find(kBody), nullptr);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 1);

    INode* next = Build();
    Object* fresh = next->GetChildNode(0)->GetObjectRef();
    EXPECT_NE(fresh, body);
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(fresh), 1);
}

TEST_F(ObjectDatabaseTest, NodesTheBuilderDidNotMake)
{
    Build();
    auto* box = ip->CreateObjectNode(
        static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID)));
    messages.clear();
    ip->DeleteNode(box);
    EXPECT_EQ(Count(L"PreNodeDelete"), 1);
    EXPECT_EQ(Count(L"got obj..."), 1);
    EXPECT_EQ(Count(L"Decrease count..."), 0);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 2);

    // A copy made outside the builder is not counted, but its deletion takes one away.
    Object* body = ObjectDatabase::Find(kBody); // count 2 now, as for a build
    ObjectDatabase::Release(body);              // back to 1
    INode* copy = ip->CreateObjectNode(body);
    ip->DeleteNode(copy);
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(body), 0);
    EXPECT_EQ(ObjectDatabase::Find(kBody), nullptr);
    // Null nodes and nodes without objects release nothing.
    NotifyInfo info{NOTIFY_SCENE_PRE_DELETED_NODE, nullptr};
    SceneEvents::OnPreNodeDelete(nullptr, &info);
    SceneEvents::OnPreNodeDelete(nullptr, nullptr);
}

TEST_F(ObjectDatabaseTest, NewSceneAndOpenEmptyTheStore)
{
    Build();
    Host::OpenScene(1);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 2);
    BroadcastNotification(NOTIFY_FILE_POST_OPEN, nullptr); // no parameter: nothing happens
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 2);
    Host::OpenScene(0);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 0);
    EXPECT_EQ(Count(L"open max file..."), 1);

    Build();
    Host::NewScene();
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 0);
    EXPECT_EQ(Count(L"new max scene..."), 1);
    INode* rebuilt = Build();
    EXPECT_EQ(rebuilt->GetChildNode(0)->GetObjectRef(), ObjectDatabase::Find(kBody));
}

TEST_F(ObjectDatabaseTest, UndoingABuildReleasesItsObjects)
{
    Build();
    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 0);
    ASSERT_TRUE(Host::Redo());
    // The redone nodes are not counted; a later build makes its own objects.
    INode* again = Build();
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(again->GetChildNode(0)->GetObjectRef()), 1);
    EXPECT_EQ(Host::NodeCount(), 8);
}

TEST_F(ObjectDatabaseTest, DisabledStoreFindsNothingAndKeepsNothing)
{
    Build();
    ObjectDatabase::SetEnabled(false);
    EXPECT_EQ(ObjectDatabase::Find(kBody), nullptr);
    INode* second = Build();
    Object* own = second->GetChildNode(0)->GetObjectRef();
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(own), 0);
    Cancel(second);
    ObjectDatabase::SetEnabled(true);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 2);
    Object* body = ObjectDatabase::Find(kBody);
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(body), 2);
    ObjectDatabase::SetEnabled(false);
    ObjectDatabase::Clear();
    ObjectDatabase::SetEnabled(true);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 0);
}

TEST_F(ObjectDatabaseTest, ReplacingAPathKeepsCountsOnlyForRegisteredObjects)
{
    auto* a = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID));
    auto* b = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID));
    ObjectDatabase::Add(a, kBody);
    ObjectDatabase::Add(b, kBody);
    EXPECT_EQ(ObjectDatabase::Find(kBody), b);
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(a), 0);
    ObjectDatabase::Add(nullptr, kCloth);
    ObjectDatabase::Add(a, nullptr);
    EXPECT_EQ(ObjectDatabase::Find(nullptr), nullptr);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 1);
    // Paths are compared exactly.
    EXPECT_EQ(ObjectDatabase::Find(L"c:\\repo\\a\\pose.vrmesh"), nullptr);
}

TEST_F(ObjectDatabaseTest, UnregisteredEventsNoLongerArrive)
{
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SYSTEM_POST_NEW), 1);
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_FILE_POST_OPEN), 1);
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SCENE_PRE_DELETED_NODE), 1);
    SceneEvents::Unregister();
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SYSTEM_POST_NEW), 0);
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SCENE_PRE_DELETED_NODE), 0);
    Build();
    Host::NewScene();
    EXPECT_EQ(Count(L"new max scene..."), 0);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 2);
}
