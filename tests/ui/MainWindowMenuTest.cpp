// The menu of the manager window, used through its strip: the shop link, "Reload" and
// "Set Repository" with the file dialog answered here.

#include "SmallRepository.h"
#include "WindowFixture.h"

#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "ui/MainWindowCharacterSelector2.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowClothSelector.h"

#include <hostforms/ScrollPanel.h>
#include <hostsdk/Host.h>

#include <QPointer>
#include <QTreeWidget>

using namespace ZANRET;

class MainWindowMenuTest : public WindowFixture
{
};

namespace
{
const QString kCaption = QStringLiteral("ZANRET Manager 1.0 - ");
} // namespace

TEST_F(MainWindowMenuTest, VisitShopHandsTheShopAddressToTheLinkOpener)
{
    OpenOnSamples();
    ChooseMenuItem(QStringLiteral("ZANRET"), QStringLiteral("Visit Shop"));
    EXPECT_EQ(m_links.Links(), QStringList{QStringLiteral("https://example.com/shop/")});
}

TEST_F(MainWindowMenuTest, ReloadRebuildsEveryPartAtTheBaseSizeAndKeepsTheUsersSize)
{
    OpenOnSamples();
    ClickNode(Node(QStringLiteral("Anna")));
    ASSERT_FALSE(Window()->ClothSelector()->Panel()->isHidden());
    Window()->resize(1100, 750);
    Flush();
    const QPointer<QTreeWidget> oldTree = Window()->CharacterSelector()->TreeView();
    const QPointer<hostforms::ScrollPanel> oldPanel = Window()->ClothSelector()->Panel();
    const QStringList names = TopLevelNames();
    m_log.Clear();

    ChooseMenuItem(QStringLiteral("Repository"), QStringLiteral("Reload"));

    EXPECT_TRUE(oldTree.isNull());
    EXPECT_TRUE(oldPanel.isNull());
    EXPECT_EQ(Window()->size(), QSize(1100, 750));
    EXPECT_EQ(Window()->CharacterSelector()->TreeView()->geometry(), QRect(12, 95, 155, 600));
    EXPECT_EQ(Window()->ClothSelector()->Panel()->geometry(), QRect(185, 95, 882, 600));
    EXPECT_EQ(TopLevelNames(), names);
    EXPECT_TRUE(Window()->CharacterSelector()->TreeView()->selectedItems().isEmpty());
    // The selection went with the old store: nothing is chosen, nothing is offered.
    EXPECT_EQ(Selection2::GetCharacter(), nullptr);
    EXPECT_TRUE(Window()->ClothSelector()->Panel()->isHidden());
    EXPECT_EQ(PreviewCount(), 0);
    EXPECT_EQ(Window()->windowTitle(), kCaption + QString::fromStdWString(SamplesPath()));
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"No Characters found!"), 0);
}

TEST_F(MainWindowMenuTest, SetRepositoryLoadsTheChosenCatalogueOrChangesNothingWhenCancelled)
{
    TempFolder small;
    WriteSmallRepository(small);
    OpenOnSamples();
    ClickNode(Node(QStringLiteral("Ben")));
    const QPointer<QTreeWidget> tree = Window()->CharacterSelector()->TreeView();

    int asked = 0;
    Host::SetOpenFileHandler(
        [&](const Host::OpenFileRequest&, std::wstring&)
        {
            ++asked;
            return false;
        });
    ChooseMenuItem(QStringLiteral("Repository"), QStringLiteral("Set Repository"));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(tree.data(), Window()->CharacterSelector()->TreeView());
    EXPECT_EQ(TopLevelNames().size(), 4);
    EXPECT_EQ(Window()->windowTitle(), kCaption + QString::fromStdWString(SamplesPath()));
    EXPECT_EQ(Selection2::GetCharacter(), nullptr);

    Host::SetOpenFileHandler(
        [&](const Host::OpenFileRequest&, std::wstring& chosen)
        {
            chosen = small.WidePath() + L"zanret.xml";
            return true;
        });
    ChooseMenuItem(QStringLiteral("Repository"), QStringLiteral("Set Repository"));
    EXPECT_TRUE(tree.isNull());
    EXPECT_EQ(TopLevelNames(), QStringList{QStringLiteral("Mia")});
    EXPECT_EQ(Window()->windowTitle(), kCaption + QString::fromStdWString(small.WidePath()));
    EXPECT_EQ(std::wstring(Settings::GetPath()), small.WidePath());
}
