#pragma once
// Opens the manager window as the action does, on the sample repository or another one, with the
// settings file in a temporary folder, every message recorded and every link recorded instead of
// opened. Closes the window and empties the model after each test.

#include "TempFolder.h"
#include "repository/LocalAppData.h"
#include "repository/MessageLog.h"

#include <hostforms/LinkRecorder.h>

#include <QImage>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

class QTreeWidgetItem;

namespace ZANRET
{
class MainWindowClass;
class MainWindowClothPreview;
class MainWindowGeneralSelector;
} // namespace ZANRET

class WindowFixture : public testing::Test
{
public:
    // What a page shows, element by element: caption, unique, tick, and picture.
    using Shown = std::vector<std::tuple<QString, std::int32_t, bool, QImage>>;

protected:
    void TearDown() override;

    // The sample repository's folder, ending with a backslash as the file dialog stores it.
    static std::wstring SamplesPath();
    // Stores the path in the settings and runs the action's command.
    void OpenOn(const std::wstring& repositoryPath);
    void OpenOnSamples() { OpenOn(SamplesPath()); }

    static ZANRET::MainWindowClass* Window();
    // Delivers pending events, deferred deletions included.
    static void Flush();

    // Nodes of the character tree.
    static QStringList TopLevelNames();
    static QStringList ChildNames(const QString& character);
    static QTreeWidgetItem* Node(const QString& character, const QString& outfit = QString());
    // A left click on the node, as the user does it (the character's node expanded first).
    static void ClickNode(QTreeWidgetItem* node);

    // The shown outfit pictures, in panel order.
    static int PreviewCount();
    static ZANRET::MainWindowClothPreview* Preview(int index);
    static void ClickPreview(int index);

    // The tab selector, and one of its tabs shown.
    static ZANRET::MainWindowGeneralSelector* Tabs();
    static void ShowTab(int index);
    // Every tab shown in turn, and what each page shows.
    static std::vector<Shown> ShowEveryPage();

    // Opens the top menu through the strip and clicks the item in it.
    static void ChooseMenuItem(const QString& menu, const QString& item);

    // The element's unique id, by character id and outfit id.
    static std::int32_t ClothUnique(const wchar_t* characterId, const wchar_t* clothId);

    static QImage ReadPicture(const std::wstring& repositoryRelative);

    CleanModel m_clean;
    TempFolder m_appData;
    LocalAppData m_localAppData{m_appData.Path()};
    MessageLog m_log;
    hostforms::LinkRecorder m_links;
};
