// The library's string table, class descriptor, plug-in object, action table and callback.

#include "CommandsFixture.h"

#include "plugin/ZANRETActionTable.h"
#include "plugin/ZanretActionCallback.h"
#include "plugin/zanret.h"
#include "plugin/zanretClassDesc.h"

#include "hostsdk/hostsdk.h"

using namespace ZANRET;

namespace
{
std::wstring Text(const MCHAR* text)
{
    return text ? hostsdk::ToWide(text) : L"<null>";
}
} // namespace

TEST_F(CommandsTest, StringTableAndDescriptor)
{
    EXPECT_EQ(Text(GetString(1)), L"Zanret - Configurator");
    EXPECT_EQ(Text(GetString(6)), L"ZANRET Manager");
    EXPECT_EQ(GetString(7), nullptr);
    EXPECT_EQ(GetString(0), nullptr);
    EXPECT_TRUE(win32::ThreadLibraryCallsDisabled(kModule));

    ClassDesc2* desc = GetZanretClassDesc();
    EXPECT_EQ(desc, GetZanretClassDesc());
    EXPECT_EQ(desc->IsPublic(), 1);
    EXPECT_EQ(Text(desc->ClassName()), L"zanret");
    EXPECT_EQ(Text(desc->Category()), L"Zanret");
    EXPECT_EQ(Text(desc->InternalName()), L"zanret");
    EXPECT_EQ(desc->SuperClassID(), 0x10E0u);
    EXPECT_EQ(desc->ClassID(), Class_ID(0x269D2BA1, 0x25482A2C));
    EXPECT_EQ(desc->HInstance(), kModule);
    EXPECT_EQ(desc->NumActionTables(), 1);

    // Without a module handle there are no texts.
    DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr);
    EXPECT_EQ(GetString(1), nullptr);
    EXPECT_EQ(desc->ClassName(), nullptr);
    DllMain(kModule, DLL_PROCESS_DETACH, nullptr);
    EXPECT_EQ(GetString(1), nullptr);
}

TEST_F(CommandsTest, EveryActionTableRequestMakesANewTable)
{
    ClassDesc2* desc = GetZanretClassDesc();
    ActionTable* first = desc->GetActionTable(0);
    ActionTable* second = desc->GetActionTable(5);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_TRUE(GetCOREInterface()->GetActionManager()->IsContextRegistered(0x0B250BC2));

    EXPECT_EQ(first->GetId(), 0x0B250BC2u);
    EXPECT_EQ(first->GetContextId(), 0x0B250BC2u);
    EXPECT_EQ(first->GetName(), MSTR(_M("ZANRET")));
    ASSERT_EQ(first->Count(), 1);
    EXPECT_EQ(first->GetActionDescription(0).mCmdID, 40001);
    EXPECT_EQ(first->GetModule(), kModule);

    // One icon shared by all tables, kept while any table lives.
    auto* icon = dynamic_cast<MaxBmpFileIcon*>(first->GetIcon(40001));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->GetIconSetName(), MSTR(_M("zanret")));
    EXPECT_EQ(icon->GetIndex(), 1);
    EXPECT_EQ(second->GetIcon(7), icon);
    delete first;
    EXPECT_NE(second->GetIcon(40001), nullptr);
    delete second;
}

// The host keeps the table it registered; another table made and destroyed meanwhile must not take
// the shared icon along. Only once no table is left does a later request make a new icon.
TEST_F(CommandsTest, TheRegisteredTableKeepsTheIconAnotherTableGoing)
{
    ActionManager* actions = GetCOREInterface()->GetActionManager();
    ClassDesc2* desc = GetZanretClassDesc();
    ASSERT_TRUE(actions->RegisterActionTable(desc->GetActionTable(0)));
    ActionTable* registered = actions->FindTable(0x0B250BC2);
    ASSERT_NE(registered, nullptr);
    MaxIcon* icon = registered->GetIcon(40001);
    ASSERT_NE(icon, nullptr);

    ActionTable* other = desc->GetActionTable(0);
    EXPECT_EQ(other->GetIcon(40001), icon);
    delete other;
    ActionTable* unasked = desc->GetActionTable(0);
    delete unasked;
    // An icon freed by now would have its memory taken by this one, so a new icon could not sit
    // at the old address and pass for it.
    auto* occupant = new MaxBmpFileIcon(_M("occupant"), 2);

    auto* kept = dynamic_cast<MaxBmpFileIcon*>(registered->GetIcon(40001));
    ASSERT_EQ(kept, icon);
    EXPECT_EQ(kept->GetIconSetName(), MSTR(_M("zanret")));
    EXPECT_EQ(kept->GetIndex(), 1);
    delete occupant;

    ASSERT_TRUE(actions->RemoveActionTable(0x0B250BC2));
    ActionTable* later = desc->GetActionTable(0);
    auto* fresh = dynamic_cast<MaxBmpFileIcon*>(later->GetIcon(3));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->GetIconSetName(), MSTR(_M("zanret")));
    delete later;
}

TEST_F(CommandsTest, StartAndStop)
{
    ActionManager* actions = GetCOREInterface()->GetActionManager();
    actions->RegisterActionTable(GetZanretClassDesc()->GetActionTable(0));
    auto* plugin = static_cast<GUP*>(GetZanretClassDesc()->Create(FALSE));
    ASSERT_NE(plugin, nullptr);

    CancelDialog();
    EXPECT_EQ(plugin->Start(), GUPRESULT_KEEP);
    const std::vector<DebugRecord> expected = {
        {DEBUG_INFO, L"zanret::Start - start plugin..."},
        {DEBUG_INFO, L"zanret::Start - load settings..."},
        {DEBUG_INFO, L"zanret::Start - activate action..."},
        {DEBUG_INFO, L"zanret::Start - plugin started..."},
    };
    ASSERT_EQ(log.Messages().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(log.Messages()[i].text, expected[i].text);
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(Host::ScriptLines(), std::vector<MSTR>{MSTR(_M("qat.add \"ZANRET\" \"ZANRET Manager\""))});
    EXPECT_NE(Debug::GetDebugList(), nullptr);
    EXPECT_TRUE(Settings::CheckSingleton());
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SYSTEM_POST_NEW), 1);
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_FILE_POST_OPEN), 1);
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SCENE_PRE_DELETED_NODE), 1);
    ASSERT_NE(actions->GetActiveCallback(0x0B250BC2), nullptr);

    // Any command id opens the manager the same way.
    AnswerDialog(Samples() / "zanret.xml");
    EXPECT_TRUE(actions->ExecuteAction(0x0B250BC2, 40001));
    EXPECT_TRUE(actions->GetActiveCallback(0x0B250BC2)->ExecuteAction(12));
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Action called..."), 2);
    EXPECT_EQ(window.Count("OpenMainWindow"), 2);
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_GT(Data2::GetCharacterCount(), 0);

    plugin->Stop();
    EXPECT_EQ(actions->GetActiveCallback(0x0B250BC2), nullptr);
    EXPECT_FALSE(Data2::IsValid());
    EXPECT_EQ(Data2::GetCharacterCount(), 0);
    EXPECT_EQ(Settings::GetSingleton(), nullptr);
    EXPECT_EQ(Debug::GetDebugList(), nullptr);
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SYSTEM_POST_NEW), 0);
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_FILE_POST_OPEN), 0);
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SCENE_PRE_DELETED_NODE), 0);
    plugin->DeleteThis();
}

TEST_F(CommandsTest, FailedAllocationsLeaveNullObjects)
{
    Host::FailHeapAllocations(1);
    EXPECT_EQ(GetZanretClassDesc()->Create(FALSE), nullptr);
    Host::FailHeapAllocations(1);
    EXPECT_EQ(GetZanretClassDesc()->GetActionTable(0), nullptr);
    // The context is registered all the same.
    EXPECT_TRUE(GetCOREInterface()->GetActionManager()->IsContextRegistered(0x0B250BC2));
}
