// The frame of the manager window: what opening builds, showing it again, resizing, closing.

#include "WindowFixture.h"

#include "plugin/Commands.h"
#include "repository/Data2.h"
#include "repository/Selection2.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowCharacterSelector2.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowClothSelector.h"
#include "ui/MainWindowMenu.h"
#include "ui/MainWindowPlacementWidget.h"
#include "ui/MainWindowSelectionInfo.h"

#include <hostforms/PictureBox.h>
#include <hostforms/ScrollPanel.h>

#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

using namespace ZANRET;

class MainWindowFrameTest : public WindowFixture
{
};

namespace
{
const QString kCaption = QStringLiteral("ZANRET Manager 1.0 - ");
} // namespace

TEST_F(MainWindowFrameTest, OpeningBuildsTheWindowWithEveryPartInPlace)
{
    OpenOnSamples();
    MainWindowClass* window = Window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), kCaption + QString::fromStdWString(SamplesPath()));
    EXPECT_TRUE(window->windowTitle().endsWith(QLatin1Char('\\')));
    EXPECT_EQ(window->size(), QSize(950, 670));
    EXPECT_EQ(window->minimumSize(), QSize(525, 500));
    EXPECT_FALSE(window->HasMaximizeBox());
    EXPECT_EQ(window->GetBorderStyle(), hostforms::BorderStyle::Sizable);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"MainWindow::OpenMainWindow : create..."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"Create main window..."), 1);

    EXPECT_EQ(window->Logo()->Image().size(), QSize(155, 49));
    // At the base size every part lies inside the window and none covers another (the tab control,
    // not shown yet, takes the panel's place once an outfit is chosen).
    const QWidget* parts[] = {window->Menu()->MenuStrip(),
                              window->Logo(),
                              window->SelectionInfo()->Label(),
                              window->PlacementWidget()->Button(),
                              window->CharacterSelector()->TreeView(),
                              window->ClothSelector()->Panel()};
    for (const QWidget* part : parts)
    {
        EXPECT_TRUE(window->rect().contains(part->geometry())) << part->metaObject()->className();
        for (const QWidget* other : parts)
        {
            EXPECT_TRUE(part == other || !part->geometry().intersects(other->geometry()))
                << part->metaObject()->className() << " and " << other->metaObject()->className();
        }
    }
    EXPECT_EQ(window->Menu()->MenuStrip()->width(), 950);
    EXPECT_EQ(window->SelectionInfo()->Label()->geometry().right() + 1,
              window->PlacementWidget()->Button()->geometry().left());
    const QLabel* info = window->SelectionInfo()->Label();

    // Nothing chosen yet: an empty info line, no outfit panel and no "Create".
    EXPECT_EQ(info->text(), QString());
    EXPECT_TRUE(window->PlacementWidget()->Button()->isHidden());
    EXPECT_TRUE(window->ClothSelector()->Panel()->isHidden());
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"current char is nullptr"), 1);
}

TEST_F(MainWindowFrameTest, RunningTheActionAgainShowsTheSameWindowRestoredAndRefreshed)
{
    OpenOnSamples();
    MainWindowClass* window = Window();
    window->showMinimized();
    Flush();
    m_log.Clear();

    // Minimised, the window skips the refresh that the command asks for.
    Commands::SetSelectedCharacterUnique(Data2::GetUnique(Data2::GetCharacter(L"anna")), true);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"update gui width..."), 0);
    EXPECT_TRUE(window->ClothSelector()->Panel()->isHidden());

    Commands::CallMainWindow();
    Flush();
    EXPECT_EQ(Window(), window);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"MainWindow::OpenMainWindow : display..."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"Create main window..."), 0);
    EXPECT_FALSE(window->ClothSelector()->Panel()->isHidden());
    EXPECT_EQ(PreviewCount(), 4);
}

TEST_F(MainWindowFrameTest, ResizingStretchesTheAnchoredPartsDownToTheMinimumSize)
{
    OpenOnSamples();
    MainWindowClass* window = Window();
    window->resize(1200, 800);
    Flush();
    EXPECT_EQ(window->Logo()->geometry(), QRect(12, 37, 155, 49));
    EXPECT_EQ(window->CharacterSelector()->TreeView()->geometry(), QRect(12, 95, 155, 650));
    EXPECT_EQ(window->ClothSelector()->Panel()->geometry(), QRect(185, 95, 982, 650));
    EXPECT_EQ(window->SelectionInfo()->Label()->geometry(), QRect(185, 37, 850, 50));
    EXPECT_EQ(window->PlacementWidget()->Button()->geometry(), QRect(1035, 37, 132, 50));
    EXPECT_EQ(window->Menu()->MenuStrip()->width(), 1200);

    window->resize(300, 200);
    Flush();
    EXPECT_EQ(window->size(), QSize(525, 500));
    EXPECT_EQ(window->ClothSelector()->Panel()->geometry(), QRect(185, 95, 307, 350));
    EXPECT_EQ(window->PlacementWidget()->Button()->geometry(), QRect(360, 37, 132, 50));
}

TEST_F(MainWindowFrameTest, ClosingDestroysTheWindowAndTheNextOpenShowsTheKeptSelection)
{
    OpenOnSamples();
    ClickNode(Node(QStringLiteral("Anna")));
    ClickPreview(1);
    ASSERT_STREQ(Selection2::GetCloth(), L"anna_dress");

    QPointer<MainWindowClass> closed = Window();
    QPointer<QTreeWidget> closedTree = closed->CharacterSelector()->TreeView();
    m_log.Clear();
    closed->close();
    Flush();
    EXPECT_EQ(Window(), nullptr);
    EXPECT_TRUE(closed.isNull());
    EXPECT_TRUE(closedTree.isNull());
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"Close main window..."), 1);

    // Without a window the refreshes only report it.
    m_log.Clear();
    MainWindow::Rebuild();
    MainWindow::RebuildTabs();
    MainWindow::UpdateCharacterSelectionFromGUI();
    MainWindow::UpdateElementSelection();
    MainWindow::UpdateInfo();
    EXPECT_EQ(m_log.Count(DEBUG_ERROR, L"MainWindow::Rebuild : no window.."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_ERROR, L"MainWindow::RebuildTabs : no window.."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_ERROR, L"MainWindow::UpdateCharacterSelectionFromGUI : no window.."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_ERROR, L"MainWindow::UpdateElementSelection : no window.."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_ERROR, L"MainWindow::UpdateInfo : no window.."), 1);
    EXPECT_EQ(m_log.CountOfType(DEBUG_ERROR), 5);

    Commands::CallMainWindow();
    Flush();
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"Create main window..."), 1);
    EXPECT_FALSE(Window()->PlacementWidget()->Button()->isHidden());
    EXPECT_TRUE(Window()->ClothSelector()->Panel()->isHidden());
    EXPECT_TRUE(Window()->SelectionInfo()->Label()->text().startsWith(
        QStringLiteral("Character: \"Anna\", Outfit: \"Summer Dress\"\n")));
    EXPECT_TRUE(Window()->CharacterSelector()->TreeView()->selectedItems().isEmpty());
}
