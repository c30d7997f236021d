#include "HostFixture.h"

#include <vector>

namespace
{
class CountingCallback : public ActionCallback
{
public:
    BOOL ExecuteAction(int id) override
    {
        ids.push_back(id);
        return TRUE;
    }
    std::vector<int> ids;
};

class IconTable : public ActionTable
{
public:
    IconTable(MSTR& name, ActionDescription* ops)
        : ActionTable(0x0B250BC2, 0x0B250BC2, name, nullptr, 1, ops, nullptr)
    {
    }
    ~IconTable() override { delete icon; }
    MaxIcon* GetIcon(int) override
    {
        if (!icon)
            icon = new MaxBmpFileIcon(_M("zanret"), 1);
        return icon;
    }
    MaxIcon* icon = nullptr;
};

class Utility : public GUP
{
public:
    DWORD Start() override { return GUPRESULT_KEEP; }
    void Stop() override {}
};

class Descriptor : public ClassDesc2
{
public:
    int IsPublic() override { return 1; }
    void* Create(BOOL) override { return new Utility; }
    const MCHAR* ClassName() override { return _M("zanret"); }
    SClass_ID SuperClassID() override { return GUP_CLASS_ID; }
    Class_ID ClassID() override { return Class_ID(0x269D2BA1, 0x25482A2C); }
    const MCHAR* Category() override { return _M("Zanret"); }
};

int calls = 0;
void Unregistering(void*, NotifyInfo*);
void Second(void*, NotifyInfo*)
{
    calls += 10;
}
void Unregistering(void*, NotifyInfo*)
{
    ++calls;
    UnRegisterNotification(Second, nullptr, NOTIFY_SYSTEM_POST_NEW);
}
} // namespace

using Services = HostTest;

TEST_F(Services, ScriptLinesAreRecordedAndTheKnownOnesRun)
{
    ip->SetAnimateMode(TRUE);
    EXPECT_TRUE(ExecuteMAXScriptScript(_M("animButtonState=false"), FALSE, nullptr));
    EXPECT_FALSE(ip->IsAnimateOn());
    EXPECT_TRUE(ExecuteMAXScriptScript(_M("qat.add \"ZANRET\" \"ZANRET Manager\""), FALSE, nullptr, TRUE));
    EXPECT_TRUE(ExecuteMAXScriptScript(_M("qat.add \"ZANRET\" \"ZANRET Manager\""), FALSE, nullptr));
    ASSERT_EQ(Host::QuickAccessItems().size(), 1u); // added once
    EXPECT_EQ(Host::QuickAccessItems()[0].second, MSTR(_M("ZANRET Manager")));
    EXPECT_FALSE(ExecuteMAXScriptScript(_M("delete $*"), FALSE, nullptr));
    EXPECT_FALSE(ExecuteMAXScriptScript(_M("qat.add \"unterminated"), FALSE, nullptr));
    EXPECT_FALSE(ExecuteMAXScriptScript(nullptr));
    EXPECT_EQ(Host::ScriptLines().size(), 6u);
    EXPECT_EQ(Host::ScriptErrors().size(), 3u);
}

TEST_F(Services, ActionsRunThroughTheActiveCallback)
{
    ActionManager* manager = ip->GetActionManager();
    ASSERT_NE(manager, nullptr);
    MSTR name(_M("ZANRET"));
    ActionDescription ops[] = {{40001, 6, 6, 6}};
    Host::SetStringLoader([](HINSTANCE, int id) { return id == 6 ? MSTR(_M("ZANRET Manager")) : MSTR(); });
    auto* table = new IconTable(name, ops);
    ASSERT_TRUE(manager->RegisterActionTable(table));
    EXPECT_TRUE(manager->RegisterActionContext(0x0B250BC2, _M("ZANRET")));
    EXPECT_EQ(table->GetDescription(40001), MSTR(_M("ZANRET Manager")));
    ActionTableId tableId = 0;
    int cmdId = 0;
    EXPECT_TRUE(manager->FindActionByName(MSTR(_M("ZANRET")), MSTR(_M("ZANRET Manager")), tableId, cmdId));
    EXPECT_EQ(cmdId, 40001);

    EXPECT_FALSE(manager->ExecuteAction(0x0B250BC2, 40001)); // nothing active yet
    CountingCallback callback;
    EXPECT_TRUE(manager->ActivateActionTable(&callback, 0x0B250BC2));
    EXPECT_TRUE(manager->ExecuteAction(0x0B250BC2, 40001));
    EXPECT_EQ(callback.ids, std::vector<int>{40001});
    EXPECT_TRUE(manager->DeactivateActionTable(&callback, 0x0B250BC2));
    EXPECT_FALSE(manager->ExecuteAction(0x0B250BC2, 40001));

    auto* icon = dynamic_cast<MaxBmpFileIcon*>(table->GetIcon(40001));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->GetIconSetName(), MSTR(_M("zanret")));
    EXPECT_EQ(table->GetIcon(1), icon);
    EXPECT_TRUE(manager->RemoveActionTable(0x0B250BC2)); // deletes the table and its icon
    EXPECT_EQ(manager->NumActionTables(), 0);
}

TEST_F(Services, BaseClassDefaultsAndClassRegistration)
{
    Descriptor desc;
    EXPECT_EQ(desc.BeginCreate(ip), 0);
    EXPECT_EQ(desc.EndCreate(ip), 0);
    EXPECT_EQ(desc.OkToCreate(ip), TRUE);
    EXPECT_EQ(desc.InitialRollupPageState(), 0x7FFFFFFFu);
    EXPECT_EQ(desc.NumActionTables(), 0);
    EXPECT_EQ(desc.NumParamBlockDescs(), 0);
    EXPECT_EQ(desc.NumInterfaces(), 0);
    Host::RegisterClass(&desc);
    auto* utility = static_cast<GUP*>(CreateInstance(GUP_CLASS_ID, desc.ClassID()));
    ASSERT_NE(utility, nullptr);
    EXPECT_EQ(utility->Start(), GUPRESULT_KEEP);
    EXPECT_EQ(utility->Control(5), 0u);
    EXPECT_EQ(utility->Save(nullptr), IO_OK);
    EXPECT_EQ(utility->Max(), ip);
    utility->DeleteThis();
}

TEST_F(Services, UnitsNotificationsAndPrompts)
{
    int type = -1;
    float scale = 0.0f;
    GetMasterUnitInfo(&type, &scale);
    EXPECT_EQ(type, UNITS_CENTIMETERS);
    EXPECT_FLOAT_EQ(scale, 1.0f);
    EXPECT_DOUBLE_EQ(GetMasterScale(UNITS_CENTIMETERS), 1.0);
    Host::SetSystemUnit(UNITS_METERS, 1.0f);
    EXPECT_DOUBLE_EQ(GetMasterScale(UNITS_METERS), 1.0);
    EXPECT_DOUBLE_EQ(GetMasterScale(UNITS_CENTIMETERS), 100.0);
    Host::SetSystemUnit(UNITS_INCHES, 2.0f);
    EXPECT_DOUBLE_EQ(GetMasterScale(UNITS_INCHES), 2.0);
    EXPECT_DOUBLE_EQ(GetMasterScale(UNITS_CENTIMETERS), 5.08);
    Host::SetSystemUnit(99, 1.0f); // refused
    GetMasterUnitInfo(&type, &scale);
    EXPECT_EQ(type, UNITS_INCHES);

    calls = 0;
    RegisterNotification(Unregistering, nullptr, NOTIFY_SYSTEM_POST_NEW);
    RegisterNotification(Second, nullptr, NOTIFY_SYSTEM_POST_NEW);
    RegisterNotification(Second, nullptr, NOTIFY_SYSTEM_POST_NEW); // the same registration once
    EXPECT_EQ(Host::RegistrationCount(NOTIFY_SYSTEM_POST_NEW), 2);
    BroadcastNotification(NOTIFY_SYSTEM_POST_NEW);
    EXPECT_EQ(calls, 1); // removed before its turn: not called
    EXPECT_EQ(UnRegisterNotification(Second, nullptr, NOTIFY_SYSTEM_POST_NEW), 0);

    ip->PushPrompt(_M("one"));
    ip->PushPrompt(_M("two"));
    ip->PopPrompt();
    ip->PopPrompt();
    ip->PopPrompt(); // an empty stack stays empty
    EXPECT_TRUE(Host::Prompts().empty());
    // A prompt taken by name leaves the ones above it; the topmost of equal texts goes first.
    for (const MCHAR* text : {_M("mode"), _M("build"), _M("mode"), _M("build")})
        ip->PushPrompt(text);
    ip->RemovePrompt(_M("mode"));
    ip->RemovePrompt(_M("absent"));
    ip->RemovePrompt(nullptr);
    EXPECT_EQ(Host::Prompts(), (std::vector<MSTR>{MSTR(_M("mode")), MSTR(_M("build")), MSTR(_M("build"))}));

    Host::OpenFileRequest request;
    std::wstring chosen = L"x";
    EXPECT_FALSE(Host::AskOpenFile(request, chosen));
    EXPECT_TRUE(chosen.empty());
    Host::SetOpenFileHandler(
        [](const Host::OpenFileRequest&, std::wstring& path)
        {
            path = L"D:\\Chars\\zanret.xml";
            return true;
        });
    EXPECT_TRUE(Host::AskOpenFile(request, chosen));
    EXPECT_EQ(chosen, L"D:\\Chars\\zanret.xml");
    EXPECT_EQ(Host::OpenFileRequestCount(), 2);
}
