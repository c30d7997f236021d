// Built against the 8-bit text profile: MCHAR is char, host text is UTF-8.
#include "hostsdk/Host.h"
#include "hostsdk/hostsdk.h"

#include <gtest/gtest.h>

#include <type_traits>

static_assert(std::is_same_v<MCHAR, char>);

TEST(NarrowProfile, HostTextIsEightBit)
{
    Host::Reset();
    Interface* ip = GetCOREInterface();
    auto* obj = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID));
    INode* node = ip->CreateObjectNode(obj);
    node->SetName("ZANRET Character \xC3\xA9");
    EXPECT_EQ(hostsdk::ToWide(node->GetName()), L"ZANRET Character \u00E9");
    EXPECT_EQ(hostsdk::FromWide(L"\u00E9"), "\xC3\xA9");
    EXPECT_TRUE(ExecuteMAXScriptScript("animButtonState=false", FALSE, nullptr));
    EXPECT_EQ(ip->GetINodeByName("ZANRET Character \xC3\xA9"), node);
    Host::Reset();
}
