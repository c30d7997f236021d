// The character tree: what it lists, and what a click on a node chooses.

#include "WindowFixture.h"

#include "repository/Selection2.h"
#include "ui/MainWindowCharacterSelector2.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowClothSelector.h"
#include "ui/MainWindowGeneralSelector.h"
#include "ui/MainWindowPlacementWidget.h"

#include <hostforms/ScrollPanel.h>

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace ZANRET;

class CharacterTreeTest : public WindowFixture
{
};

TEST_F(CharacterTreeTest, TreeListsTheAvailableCharactersWithTheirAvailableOutfitsOnly)
{
    OpenOnSamples();
    const QTreeWidget* tree = Window()->CharacterSelector()->TreeView();
    EXPECT_EQ(tree->palette().color(QPalette::Base), QColor(68, 68, 68));
    EXPECT_EQ(tree->palette().color(QPalette::Text), QColor(Qt::white));

    // "Ghost" and "Nora" were left out by the reader; store order, not name order.
    EXPECT_EQ(TopLevelNames(), (QStringList{"Anna", "Ben", QString::fromUtf8("Zoë"), "Kai"}));
    // Sorted by name; "Winter Coat" has no folder and "Ball Gown" no picture.
    EXPECT_EQ(ChildNames("Anna"), (QStringList{"Jeans & Shirt", "Summer Dress", "Swimsuit"}));
    EXPECT_EQ(ChildNames("Ben"), (QStringList{"Business Suit", "Casual", "Tuxedo"}));
    EXPECT_EQ(ChildNames(QString::fromUtf8("Zoë")), QStringList{"Overall"});
    // Kai's only outfit has no folder.
    EXPECT_EQ(ChildNames("Kai"), QStringList());
    EXPECT_TRUE(tree->selectedItems().isEmpty());
}

TEST_F(CharacterTreeTest, ClickingNodesChoosesCharactersAndOutfits)
{
    OpenOnSamples();
    ClickNode(Node("Ben"));
    EXPECT_STREQ(Selection2::GetCharacter(), L"ben");
    EXPECT_EQ(Selection2::GetCloth(), nullptr);
    EXPECT_FALSE(Window()->ClothSelector()->Panel()->isHidden());
    EXPECT_TRUE(Window()->PlacementWidget()->Button()->isHidden());

    // An outfit node chooses its character and itself; the panel gives way to the tabs.
    ClickNode(Node("Anna", "Jeans & Shirt"));
    EXPECT_STREQ(Selection2::GetCharacter(), L"anna");
    EXPECT_STREQ(Selection2::GetCloth(), L"anna_jeans");
    EXPECT_TRUE(Window()->ClothSelector()->Panel()->isHidden());
    EXPECT_FALSE(Window()->PlacementWidget()->Button()->isHidden());

    // Choosing through a picture does not move the highlight; a click on the highlighted character
    // chooses it again, which drops its outfit.
    ClickNode(Node("Anna"));
    ClickPreview(1);
    EXPECT_STREQ(Selection2::GetCloth(), L"anna_dress");
    EXPECT_EQ(Window()->CharacterSelector()->TreeView()->selectedItems().value(0), Node("Anna"));
    m_log.Clear();
    ClickNode(Node("Anna"));
    EXPECT_STREQ(Selection2::GetCharacter(), L"anna");
    EXPECT_EQ(Selection2::GetCloth(), nullptr);
    EXPECT_EQ(Selection2::GetPose(), nullptr);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"Select Character..."), 1);
    EXPECT_FALSE(Window()->ClothSelector()->Panel()->isHidden());
    EXPECT_TRUE(Window()->PlacementWidget()->Button()->isHidden());
}

TEST_F(CharacterTreeTest, MovingTheMouseOverTheTreeOrThePanelGivesItTheFocus)
{
    OpenOnSamples();
    ClickNode(Node("Anna"));
    QTreeWidget* tree = Window()->CharacterSelector()->TreeView();
    hostforms::ScrollPanel* panel = Window()->ClothSelector()->Panel();
    QTest::mouseMove(panel->viewport(), QPoint(600, 450));
    Flush();
    EXPECT_EQ(Window()->focusWidget(), panel);
    QTest::mouseMove(tree->viewport(), QPoint(60, 400));
    Flush();
    EXPECT_EQ(Window()->focusWidget(), tree);
    // Focus is no choice: the selection stays as it was.
    EXPECT_STREQ(Selection2::GetCharacter(), L"anna");
    EXPECT_EQ(tree->selectedItems().value(0), Node("Anna"));
}

TEST_F(CharacterTreeTest, OnlyTheLeftButtonChooses)
{
    OpenOnSamples();
    ClickNode(Node("Anna", "Summer Dress"));
    QTreeWidget* tree = Window()->CharacterSelector()->TreeView();
    const auto* tabs = Window()->GeneralSelector()->GetControl();
    const QWidget* posesPage = tabs->widget(0);
    const auto clickWith = [tree](QTreeWidgetItem* node, Qt::MouseButton button)
    {
        const QPoint at = tree->visualItemRect(node).center();
        QTest::mouseClick(tree->viewport(), button, {}, at);
        QTest::mouseDClick(tree->viewport(), button, {}, at);
        Flush();
    };

    // Another outfit, another character: neither the highlight, the choice nor the tabs change.
    m_log.Clear();
    clickWith(Node("Anna", "Jeans & Shirt"), Qt::RightButton);
    clickWith(Node("Ben"), Qt::RightButton);
    clickWith(Node("Anna", "Swimsuit"), Qt::MiddleButton);
    EXPECT_EQ(tree->selectedItems().value(0), Node("Anna", "Summer Dress"));
    EXPECT_STREQ(Selection2::GetCharacter(), L"anna");
    EXPECT_STREQ(Selection2::GetCloth(), L"anna_dress");
    EXPECT_EQ(tabs->widget(0), posesPage) << "the tabs were not rebuilt";
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"Click on TreeView..."), 0);

    // With a character highlighted, a right click does not choose it again either.
    ClickNode(Node("Anna"));
    ClickPreview(1);
    ASSERT_STREQ(Selection2::GetCloth(), L"anna_dress");
    m_log.Clear();
    clickWith(Node("Anna"), Qt::RightButton);
    EXPECT_STREQ(Selection2::GetCloth(), L"anna_dress");
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"Select Character..."), 0);

    // The left button still chooses.
    ClickNode(Node("Ben", "Casual"));
    EXPECT_STREQ(Selection2::GetCharacter(), L"ben");
    EXPECT_EQ(tree->selectedItems().value(0), Node("Ben", "Casual"));
}
