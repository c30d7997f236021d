// Each built plug-in library in a host session: loaded through the host's loader, started, the
// manager opened through the action with the catalogue picked in the file dialog, a character
// created in the window and placed with the mouse, stopped and unloaded.

#include "BuiltModules.h"
#include "ModuleProbe.h"
#include "TempFolder.h"
#include "repository/LocalAppData.h"

#include "repository/Debug.h"

#include "hostsdk/Host.h"
#include "hostsdk/ModuleLoader.h"
#include "hostsdk/hostsdk.h"
#include "win32/libloader.h"
#include "win32/resources.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
constexpr DWORD kTableId = 0x0B250BC2;

std::wstring Wide(const MCHAR* text)
{
    return text ? hostsdk::ToWide(text) : L"<null>";
}

std::filesystem::path Samples()
{
    const char* folder = std::getenv("ZANRET_SAMPLES");
    return folder ? folder : "";
}

bool LibraryIsMapped(const std::string& file)
{
    struct Search
    {
        std::string name;
        bool found = false;
    } search{std::filesystem::canonical(file).string()};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data)
        {
            auto* s = static_cast<Search*>(data);
            if (info->dlpi_name && *info->dlpi_name && std::filesystem::exists(info->dlpi_name) &&
                std::filesystem::canonical(info->dlpi_name).string() == s->name)
                s->found = true;
            return 0;
        },
        &search);
    return search.found;
}

void Flush()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The manager window: the visible top-level window with a character tree.
QWidget* ManagerWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->findChild<QTreeWidget*>())
            return widget;
    return nullptr;
}

QTreeWidgetItem* TreeNode(QTreeWidget* tree, const QString& character, const QString& outfit)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
    {
        QTreeWidgetItem* node = tree->topLevelItem(i);
        if (node->text(0) != character)
            continue;
        for (int c = 0; c < node->childCount(); ++c)
            if (node->child(c)->text(0) == outfit)
                return node->child(c);
    }
    return nullptr;
}

void Click(QTreeWidget* tree, QTreeWidgetItem* node)
{
    tree->expandItem(node->parent());
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
    Flush();
}
} // namespace

class ModuleSessionTest : public testing::TestWithParam<BuiltModule>
{
protected:
    void SetUp() override
    {
        Host::Reset();
        viewport = Host::CreateViewport(400, 400);
        Host::SetViewportCamera(viewport, {0.0f, 0.0f, 800.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
                                45.0f);
    }
    void TearDown() override { Host::Reset(); }

    TempFolder appData;
    LocalAppData env{appData.Path()};
    HWND viewport = nullptr;
};

TEST_P(ModuleSessionTest, RefusedByAHostOfAnotherRelease)
{
    const BuiltModule& built = GetParam();
    const DWORD other = built.year == 2019 ? Host::kSdk2018 : Host::kSdk2019;
    Host::ModuleLoader loader(other);
    std::wstring message;
    EXPECT_FALSE(loader.Load(built.file, message));
    EXPECT_NE(message.find(L"built for SDK release " + std::to_wstring(HostVersionOf(built.year) >> 16)),
              std::wstring::npos)
        << std::string(message.begin(), message.end());
    EXPECT_TRUE(loader.Modules().empty());
    EXPECT_EQ(GetCOREInterface()->GetActionManager()->NumActionTables(), 0);
    EXPECT_FALSE(LibraryIsMapped(built.file));
}

TEST_P(ModuleSessionTest, LoadStartCreatePlaceStopUnload)
{
    const BuiltModule& built = GetParam();
    ActionManager* actions = GetCOREInterface()->GetActionManager();
    Host::ModuleLoader loader(HostVersionOf(built.year));
    std::wstring message;
    ASSERT_TRUE(loader.Load(built.file, message)) << std::string(message.begin(), message.end());
    ASSERT_EQ(loader.Modules().size(), 1u);
    const Host::PluginModule& module = loader.Modules()[0];

    // Entry points and what they tell.
    EXPECT_EQ(module.version, HostVersionOf(built.year));
    EXPECT_EQ(module.description, L"Zanret - Configurator");
    const auto libClassDesc =
        reinterpret_cast<ClassDesc* (*)(int)>(loader.FindExport(module, "LibClassDesc"));
    const auto libNumberClasses = reinterpret_cast<int (*)()>(loader.FindExport(module, "LibNumberClasses"));
    const auto libShutdown = reinterpret_cast<int (*)()>(loader.FindExport(module, "LibShutdown"));
    ASSERT_TRUE(libClassDesc && libNumberClasses && libShutdown);
    EXPECT_EQ(libNumberClasses(), 1);
    EXPECT_EQ(libClassDesc(1), nullptr);
    EXPECT_EQ(libClassDesc(-1), nullptr);
    EXPECT_EQ(libClassDesc(0), libClassDesc(0));
    EXPECT_EQ(libShutdown(), 1);
    EXPECT_EQ(loader.FindExport(module, "GetZanretClassDesc"), nullptr);
    EXPECT_EQ(loader.FindExport(module, "DllMain"), nullptr);
    ASSERT_EQ(module.classes.size(), 1u);
    ClassDesc* desc = module.classes[0];
    EXPECT_EQ(Wide(desc->ClassName()), L"zanret");
    EXPECT_EQ(Wide(desc->Category()), L"Zanret");
    EXPECT_EQ(desc->SuperClassID(), GUP_CLASS_ID);
    EXPECT_EQ(desc->ClassID(), Class_ID(0x269D2BA1, 0x25482A2C));
    // The module handle is the library's base address, and DllMain has run with it.
    EXPECT_EQ(desc->HInstance(), module.handle);
    EXPECT_TRUE(win32::ThreadLibraryCallsDisabled(module.handle));
    ActionTable* table = actions->FindTable(kTableId);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(Wide(table->GetDescription(40001).data()), L"ZANRET Manager");
    EXPECT_EQ(Wide(table->GetCategory(40001).data()), L"ZANRET Manager");

    // Watch the plug-in's messages.
    ModuleProbe probe(built.file, module.library);
    const auto setMessageHook = probe.Get<void(ZANRET::Debug::MessageHook)>("ZANRET::Debug::SetMessageHook(");
    const auto isValid = probe.Get<bool()>("ZANRET::Data2::IsValid()");
    const auto characterCount = probe.Get<int()>("ZANRET::Data2::GetCharacterCount()");
    const auto settings = probe.Get<void*()>("ZANRET::Settings::GetSingleton()");
    ASSERT_TRUE(setMessageHook && isValid && characterCount && settings);
    std::vector<std::wstring> messages;
    setMessageHook([&](ZANRET::DEBUG_TYPE, const wchar_t* text) { messages.push_back(text ? text : L""); });

    // Start: nothing is asked without a settings file.
    int dialogs = 0;
    Host::SetOpenFileHandler(
        [&](const Host::OpenFileRequest&, std::wstring& chosen)
        {
            ++dialogs;
            chosen = (Samples() / "zanret.xml").wstring();
            return true;
        });
    loader.StartPlugins();
    ASSERT_EQ(loader.Modules()[0].plugins.size(), 1u);
    EXPECT_EQ(messages, (std::vector<std::wstring>{
                            L"zanret::Start - start plugin...", L"zanret::Start - load settings...",
                            L"zanret::Start - activate action...", L"zanret::Start - plugin started..."}));
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(Host::ScriptLines(), std::vector<MSTR>{MSTR(_M("qat.add \"ZANRET\" \"ZANRET Manager\""))});
    EXPECT_TRUE(Host::ScriptErrors().empty());
    EXPECT_NE(actions->GetActiveCallback(kTableId), nullptr);
    for (int code : {NOTIFY_SYSTEM_POST_NEW, NOTIFY_FILE_POST_OPEN, NOTIFY_SCENE_PRE_DELETED_NODE})
        EXPECT_EQ(Host::RegistrationCount(code), 1) << code;

    // The user runs "ZANRET Manager" from the quick-access toolbar and picks the catalogue.
    ASSERT_EQ(Host::QuickAccessItems().size(), 1u);
    ActionTableId tableId = 0;
    int command = 0;
    ASSERT_TRUE(actions->FindActionByName(Host::QuickAccessItems()[0].first,
                                          Host::QuickAccessItems()[0].second, tableId, command));
    EXPECT_TRUE(actions->ExecuteAction(tableId, command));
    Flush();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(isValid());
    EXPECT_GT(characterCount(), 0);
    EXPECT_EQ(appData.ReadFile("zanret.ini"), Samples().string() + "/");
    QWidget* window = ManagerWindow();
    ASSERT_NE(window, nullptr);

    // Anna in her summer dress; the tabs choose the first pose, skin and material; "Create".
    auto* tree = window->findChild<QTreeWidget*>();
    QTreeWidgetItem* dress = TreeNode(tree, QStringLiteral("Anna"), QStringLiteral("Summer Dress"));
    ASSERT_NE(dress, nullptr);
    Click(tree, dress);
    QPushButton* create = nullptr;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Create"))
            create = button;
    ASSERT_NE(create, nullptr);
    QTest::mouseClick(create, Qt::LeftButton);
    Flush();
    const int built_nodes = Host::NodeCount();
    EXPECT_GT(built_nodes, 1);
    ASSERT_EQ(Host::CommandModes().size(), 1u);
    EXPECT_EQ(Host::UndoNames().back(), MSTR(_M("ZANRET Character")));

    // Placed with the mouse: follow, fix, turn, fix.
    Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, {220, 200});
    Host::SendMouse(viewport, MOUSE_POINT, MOUSE_LBUTTON, {220, 200});
    Host::SendMouse(viewport, MOUSE_FREEMOVE, 0, {320, 200});
    Host::SendMouse(viewport, MOUSE_POINT, MOUSE_LBUTTON, {320, 200});
    EXPECT_EQ(Host::NodeCount(), built_nodes);
    ASSERT_EQ(GetCOREInterface()->GetSelNodeCount(), 1);
    EXPECT_EQ(Wide(GetCOREInterface()->GetSelNode(0)->GetName()), L"ZANRET Character Anna");
    const Point3 at = GetCOREInterface()->GetSelNode(0)->GetNodeTM(0).GetTrans();
    EXPECT_GT(at.x, 0.0f);
    EXPECT_NEAR(at.z, 0.0f, 1e-3f);

    // The user closes the manager; the host shuts down.
    window->close();
    Flush();
    EXPECT_EQ(ManagerWindow(), nullptr);
    loader.StopPlugins();
    EXPECT_FALSE(isValid());
    EXPECT_EQ(characterCount(), 0);
    EXPECT_EQ(settings(), nullptr);
    EXPECT_EQ(actions->GetActiveCallback(kTableId), nullptr);
    for (int code : {NOTIFY_SYSTEM_POST_NEW, NOTIFY_FILE_POST_OPEN, NOTIFY_SCENE_PRE_DELETED_NODE})
        EXPECT_EQ(Host::RegistrationCount(code), 0) << code;
    // The scene keeps the character.
    EXPECT_EQ(Host::NodeCount(), built_nodes);

    setMessageHook({});
    const HINSTANCE handle = module.handle;
    loader.Shutdown();
    EXPECT_TRUE(loader.Modules().empty());
    EXPECT_EQ(actions->FindTable(kTableId), nullptr);
    EXPECT_EQ(win32::FindModuleResources(handle), nullptr);
    EXPECT_FALSE(win32::ThreadLibraryCallsDisabled(handle));
    EXPECT_FALSE(LibraryIsMapped(built.file));
}

INSTANTIATE_TEST_SUITE_P(Built, ModuleSessionTest, testing::ValuesIn(BuiltModules()),
                         [](const testing::TestParamInfo<BuiltModule>& info)
                         { return "zanret" + std::to_string(info.param.year) + "_64"; });

TEST(ModuleLoaderTest, RefusesWhatIsNotAPlugInLibrary)
{
    Host::Reset();
    Host::ModuleLoader loader(Host::kSdk2019);
    std::wstring message;
    EXPECT_FALSE(loader.Load(NotAPluginLibrary(), message));
    EXPECT_NE(message.find(L"not a plug-in library: the entry point LibDescription is missing"),
              std::wstring::npos);
    EXPECT_FALSE(loader.Load("/nonexistent/zanret.so", message));
    EXPECT_NE(message.find(L"cannot be loaded"), std::wstring::npos);
    EXPECT_TRUE(loader.Modules().empty());
    EXPECT_FALSE(LibraryIsMapped(NotAPluginLibrary()));
}
