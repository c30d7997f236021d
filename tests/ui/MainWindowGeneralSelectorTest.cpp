// The tab selector in the open manager window on the sample repository, clicked as a user does:
// which tabs and elements an outfit offers, the default choices, the rebuild after a pose choice,
// choices that cannot be undone, the asset categories' rules, and Create.

#include "ui/MainWindowGeneralSelector.h"
#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "scene/Placement.h"
#include "ui/MainWindowCharacterSelector2.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralPage.h"
#include "ui/MainWindowPlacementWidget.h"
#include "ui/MainWindowSelectionInfo.h"

#include "TempFolder.h"
#include "repository/LocalAppData.h"
#include "repository/MessageLog.h"

#include <hostforms/LinkRecorder.h>
#include <hostsdk/Host.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace ZANRET;

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace
{
QString Text(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

class GeneralSelectorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Host::Reset();
        const char* samples = std::getenv("ZANRET_SAMPLES");
        ASSERT_NE(samples, nullptr);
        const std::wstring path = QString::fromLocal8Bit(samples).toStdWString() + L"\\";
        Settings::LoadSettings();
        Settings::SetPath(path.c_str());
        Commands::CallMainWindow();
        Flush();
        ASSERT_NE(MainWindowClass::window, nullptr);
    }
    void TearDown() override
    {
        Placement::CancelPlacement();
        if (MainWindowClass::window)
        {
            MainWindowClass::window->close();
        }
        Flush();
    }

    static void Flush()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Chooses the outfit as the tree does.
    static void ChooseOutfit(const wchar_t* characterId, const wchar_t* clothId)
    {
        CharacterData* character = Data2::GetCharacter(characterId);
        ASSERT_NE(character, nullptr);
        Commands::SetSelectedClothUnique(Data2::GetUnique(character),
                                         Data2::GetUnique(character->GetCloth(clothId)), true);
        Flush();
    }

    static MainWindowGeneralSelector* Selector() { return MainWindowClass::window->GeneralSelector(); }

    static QStringList TabTitles()
    {
        QStringList titles;
        const QTabWidget* control = Selector()->GetControl();
        for (int i = 0; i < control->count(); ++i)
        {
            titles << control->tabText(i);
        }
        return titles;
    }

    // The page under the tab with this title, made current by a click on its tab.
    static MainWindowGeneralPage* OpenTab(const QString& title)
    {
        QTabWidget* control = Selector()->GetControl();
        for (int i = 0; i < control->count(); ++i)
        {
            if (control->tabText(i) == title)
            {
                QTabBar* bar = control->tabBar();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
                Flush();
                return Selector()->GetPage(i);
            }
        }
        ADD_FAILURE() << "no tab " << title.toStdString();
        return nullptr;
    }

    static QStringList Captions(const MainWindowGeneralPage* page)
    {
        QStringList captions;
        for (const auto& element : page->GetElements())
        {
            captions << element->GetCheckBox()->text();
        }
        return captions;
    }
    static QStringList Ticked(const MainWindowGeneralPage* page)
    {
        QStringList ticked;
        for (const auto& element : page->GetElements())
        {
            if (element->GetSelected())
            {
                ticked << element->GetCheckBox()->text();
            }
        }
        return ticked;
    }
    static MainWindowElementBase* Element(const MainWindowGeneralPage* page, const QString& caption)
    {
        for (const auto& element : page->GetElements())
        {
            if (element->GetCheckBox()->text() == caption)
            {
                return element.get();
            }
        }
        ADD_FAILURE() << "no element " << caption.toStdString();
        return nullptr;
    }
    // A click on the element's check box, on the current tab.
    static void ClickBox(const QString& tab, const QString& caption)
    {
        MainWindowElementBase* element = Element(OpenTab(tab), caption);
        ASSERT_NE(element, nullptr);
        ASSERT_TRUE(element->GetCheckBox()->isVisible()) << caption.toStdString();
        QTest::mouseClick(element->GetCheckBox(), Qt::LeftButton, {}, QPoint(5, 5));
        Flush();
    }

    static QString InfoLine() { return MainWindowClass::window->SelectionInfo()->Label()->text(); }

    // The names of the chosen assets (or asset materials), in selection order.
    static QStringList ChosenAssets(const wchar_t* characterId)
    {
        const CharacterData* character = Data2::GetCharacter(characterId);
        QStringList names;
        for (std::int32_t i = 0; i < Selection2::GetAssetCount(); ++i)
        {
            const std::int32_t unique = Selection2::GetAsset(i);
            DataContainer* asset = nullptr;
            DataContainer* material = nullptr;
            if (!character->GetAssetAndMaterial(unique, &asset, &material))
            {
                Data2::GetGlobalAssetAndMaterial(unique, &asset, &material);
            }
            bool found = false;
            names << Text(material ? material->GetData(L"id", &found)
                          : asset  ? asset->GetData(L"id", &found)
                                   : nullptr);
        }
        return names;
    }

    CleanModel m_clean;
    TempFolder m_appData;
    LocalAppData m_localAppData{m_appData.Path()};
    MessageLog m_log;
    hostforms::LinkRecorder m_links;
};
} // namespace

TEST_F(GeneralSelectorTest, AFullBuildOffersTheOutfitsChoicesAndMakesTheDefaultOnes)
{
    // No outfit: the control is hidden.
    EXPECT_FALSE(Selector()->GetControl()->isVisible());
    m_log.Clear();
    ChooseOutfit(L"anna", L"anna_dress");
    ASSERT_TRUE(Selector()->GetControl()->isVisible());
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"Show general selector..."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"update width..."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"set multiple true..."), 2);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"set required true..."), 2);
    EXPECT_EQ(TabTitles(),
              QStringList({"Poses", "Skin", "Cloth Material", "Bags", "Hats", "Jewellery", "Extras"}));
    EXPECT_EQ(Selector()->GetControl()->currentIndex(), 0);

    // Poses with a dress mesh first; "Running" has no folder and is not listed.
    const MainWindowGeneralPage* poses = Selector()->GetPage(0);
    EXPECT_EQ(Captions(poses), QStringList({"Standing", "Walking", "Waving", "Sitting"}));
    EXPECT_EQ(Ticked(poses), QStringList({"Standing"}));
    const MainWindowElementBase* sitting = Element(poses, "Sitting");
    EXPECT_FALSE(sitting->isAvailable());
    EXPECT_EQ(sitting->GetCheckBox()->parentWidget(), nullptr);
    ASSERT_NE(sitting->GetLogo(), nullptr);
    EXPECT_TRUE(sitting->GetLogo()->isVisible());

    EXPECT_EQ(Captions(Selector()->GetPage(1)), QStringList({"Light", "Tan"}));
    EXPECT_EQ(Ticked(Selector()->GetPage(1)), QStringList({"Light"}));
    EXPECT_EQ(Captions(Selector()->GetPage(2)), QStringList({"Red", "Blue"}));
    EXPECT_EQ(Ticked(Selector()->GetPage(2)), QStringList({"Red"}));
    // Required single category: the first material, then the select list's canvas replaces it.
    EXPECT_EQ(Captions(Selector()->GetPage(3)), QStringList({"Handbag : Leather", "Handbag : Canvas"}));
    EXPECT_EQ(Ticked(Selector()->GetPage(3)), QStringList({"Handbag : Canvas"}));
    EXPECT_EQ(Ticked(Selector()->GetPage(4)), QStringList({"Sun Hat"}));
    EXPECT_EQ(Captions(Selector()->GetPage(5)),
              QStringList({"Necklace", "Bracelet", "Watch : Gold", "Watch : Silver"}));
    EXPECT_TRUE(Ticked(Selector()->GetPage(5)).isEmpty());
    EXPECT_EQ(Captions(Selector()->GetPage(6)), QStringList({"Sunglasses", "Scarf"}));
    EXPECT_EQ(Ticked(Selector()->GetPage(6)), QStringList({"Sunglasses"}));

    EXPECT_EQ(Text(Selection2::GetPose()), "stand");
    EXPECT_EQ(Text(Selection2::GetSkin()), "anna_light");
    EXPECT_EQ(Text(Selection2::GetStyle()), "dress_red");
    EXPECT_EQ(ChosenAssets(L"anna"), QStringList({"bag_canvas", "hat", "g_sunglasses"}));
    EXPECT_EQ(InfoLine(), QStringLiteral("Character: \"Anna\", Outfit: \"Summer Dress\"\n"
                                         "Poses: \"Standing\", Skin: \"Light\", Cloth Material: \"Red\"\n"
                                         "\"Handbag:Canvas\", \"Sun Hat\", \"Sunglasses\", "));

    // Another outfit: its own select list (a global reference, and a global asset's material).
    ChooseOutfit(L"anna", L"anna_jeans");
    // The sunglasses are chosen twice: as the first of a required category, and by the select list.
    EXPECT_EQ(ChosenAssets(L"anna"),
              QStringList({"bag_leather", "watch_silver", "g_sunglasses", "g_sunglasses"}));
    EXPECT_EQ(Ticked(OpenTab("Extras")), QStringList({"Sunglasses"}));
    EXPECT_EQ(Ticked(OpenTab("Jewellery")), QStringList({"Watch : Silver"}));
    // Only the dress excludes the backpack.
    EXPECT_EQ(Captions(OpenTab("Bags")), QStringList({"Handbag : Leather", "Handbag : Canvas", "Backpack"}));
}

TEST_F(GeneralSelectorTest, ElementsThatCannotBeChosenOpenTheirBuyLink)
{
    ChooseOutfit(L"anna", L"anna_dress");
    MainWindowElementBase* sitting = Element(OpenTab("Poses"), "Sitting");
    QTest::mouseClick(sitting->GetLogo(), Qt::LeftButton);
    Flush();
    EXPECT_EQ(m_links.Links(), QStringList({"https://example.com/shop/buy?pose=anna_sit&gid=anna_dress"}));
    EXPECT_EQ(Text(Selection2::GetPose()), "stand");

    // Ben's suit has no mesh for "Leaning": chosen, every skin and material cannot be chosen.
    ChooseOutfit(L"ben", L"ben_suit");
    MainWindowGeneralPage* poses = OpenTab("Poses");
    EXPECT_EQ(Captions(poses), QStringList({"Standing", "Sitting", "Leaning"}));
    EXPECT_FALSE(Element(poses, "Leaning")->isAvailable());
    // Ben's outfit without any mesh: nothing is chosen and the skin page is empty.
    ChooseOutfit(L"ben", L"ben_tux");
    EXPECT_EQ(Selection2::GetPose(), nullptr);
    EXPECT_TRUE(Ticked(Selector()->GetPage(0)).isEmpty());
    for (const auto& element : Selector()->GetPage(0)->GetElements())
    {
        EXPECT_FALSE(element->isAvailable());
    }
    EXPECT_TRUE(Selector()->GetPage(1)->GetElements().empty());
    m_links.Clear();
    QTest::mouseClick(Selector()->GetPage(0)->GetElements()[0]->GetLogo(), Qt::LeftButton);
    EXPECT_EQ(m_links.Links(), QStringList({"https://example.com/shop/buy?pose=ben_stand&gid=ben_tux"}));
}

TEST_F(GeneralSelectorTest, APoseChoiceRebuildsTheOtherPagesAndKeepsTheEarlierChoices)
{
    ChooseOutfit(L"anna", L"anna_dress");
    m_log.Clear();
    ClickBox("Skin", "Tan");
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"select..."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"selected a skin in the GUI"), 1);
    EXPECT_EQ(Text(Selection2::GetSkin()), "anna_tan");
    EXPECT_TRUE(InfoLine().contains("Skin: \"Tan\""));
    ClickBox("Cloth Material", "Blue");
    EXPECT_EQ(Text(Selection2::GetStyle()), "dress_blue");
    EXPECT_TRUE(InfoLine().contains("Cloth Material: \"Blue\""));
    ClickBox("Jewellery", "Necklace");
    EXPECT_TRUE(InfoLine().contains("\"Necklace\""));

    const MainWindowGeneralPage* posesBefore = Selector()->GetPage(0);
    QPointer<QWidget> oldSkinPage = Selector()->GetPage(1)->GetPageControl();
    m_log.Clear();
    ClickBox("Poses", "Walking");
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"selected a pose in the GUI"), 1);
    // The rebuilt pages are not laid out through the logged width update.
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"update width..."), 0);
    EXPECT_EQ(Text(Selection2::GetPose()), "walk");
    EXPECT_TRUE(InfoLine().contains("Poses: \"Walking\""));
    // The poses page stays, and stays the current tab; the others are new.
    EXPECT_EQ(Selector()->GetPage(0), posesBefore);
    EXPECT_EQ(Selector()->GetControl()->currentIndex(), 0);
    EXPECT_TRUE(oldSkinPage.isNull());
    EXPECT_EQ(Ticked(Selector()->GetPage(0)), QStringList({"Walking"}));
    // No default choice after a pose change: the earlier ones stay, ticked.
    EXPECT_EQ(Text(Selection2::GetSkin()), "anna_tan");
    EXPECT_EQ(Text(Selection2::GetStyle()), "dress_blue");
    EXPECT_EQ(ChosenAssets(L"anna"), QStringList({"bag_canvas", "hat", "g_sunglasses", "necklace"}));
    EXPECT_EQ(Ticked(Selector()->GetPage(1)), QStringList({"Tan"}));
    EXPECT_EQ(Ticked(Selector()->GetPage(2)), QStringList({"Blue"}));
    EXPECT_EQ(Ticked(OpenTab("Jewellery")), QStringList({"Necklace"}));
    EXPECT_EQ(Ticked(OpenTab("Bags")), QStringList({"Handbag : Canvas"}));

    // Neither a pose, a skin nor a material can be un-ticked, also after the rebuild.
    ClickBox("Poses", "Walking");
    EXPECT_EQ(Text(Selection2::GetPose()), "walk");
    EXPECT_EQ(Ticked(Selector()->GetPage(0)), QStringList({"Walking"}));
    ClickBox("Skin", "Tan");
    EXPECT_EQ(Text(Selection2::GetSkin()), "anna_tan");
    EXPECT_EQ(Ticked(OpenTab("Skin")), QStringList({"Tan"}));
    ClickBox("Cloth Material", "Blue");
    EXPECT_EQ(Text(Selection2::GetStyle()), "dress_blue");
    EXPECT_EQ(Ticked(OpenTab("Cloth Material")), QStringList({"Blue"}));

    // Showing the window again is a full build: the first available ones are chosen again.
    Commands::CallMainWindow();
    Flush();
    EXPECT_EQ(Text(Selection2::GetPose()), "stand");
    EXPECT_EQ(Text(Selection2::GetSkin()), "anna_light");
    EXPECT_EQ(Text(Selection2::GetStyle()), "dress_red");
}

TEST_F(GeneralSelectorTest, AssetCategoriesFollowTheirRules)
{
    ChooseOutfit(L"anna", L"anna_dress");
    // Single and required: a tick replaces the other, the last one cannot be un-ticked.
    ClickBox("Bags", "Handbag : Leather");
    EXPECT_EQ(Ticked(OpenTab("Bags")), QStringList({"Handbag : Leather"}));
    ClickBox("Bags", "Handbag : Leather");
    EXPECT_EQ(Ticked(OpenTab("Bags")), QStringList({"Handbag : Leather"}));
    EXPECT_TRUE(ChosenAssets(L"anna").contains("bag_leather"));
    EXPECT_FALSE(ChosenAssets(L"anna").contains("bag_canvas"));

    // Multiple: several at once, each can go.
    ClickBox("Jewellery", "Necklace");
    ClickBox("Jewellery", "Watch : Gold");
    EXPECT_EQ(Ticked(OpenTab("Jewellery")), QStringList({"Necklace", "Watch : Gold"}));
    ClickBox("Jewellery", "Necklace");
    EXPECT_EQ(Ticked(OpenTab("Jewellery")), QStringList({"Watch : Gold"}));
    EXPECT_TRUE(InfoLine().contains("\"Watch:Gold\""));

    // Neither multiple nor required: un-ticking drops it.
    ClickBox("Hats", "Sun Hat");
    EXPECT_TRUE(Ticked(OpenTab("Hats")).isEmpty());
    EXPECT_FALSE(ChosenAssets(L"anna").contains("hat"));

    // A click on the picture of an available element asks as the box does.
    MainWindowElementBase* necklace = Element(OpenTab("Jewellery"), "Necklace");
    QTest::mouseClick(necklace->GetLogo(), Qt::LeftButton);
    Flush();
    EXPECT_EQ(Ticked(OpenTab("Jewellery")), QStringList({"Necklace", "Watch : Gold"}));
    EXPECT_TRUE(m_links.Links().isEmpty());
}

TEST_F(GeneralSelectorTest, PagesFollowTheWindowWidth)
{
    ChooseOutfit(L"anna", L"anna_dress");
    MainWindowClass::window->resize(525, 670);
    Flush();
    EXPECT_EQ(Selector()->GetPage(0)->GetStep(), 1);
    EXPECT_EQ(Selector()->GetPage(1)->GetStep(), 0);
    EXPECT_EQ(Selector()->GetPage(0)->GetElements()[2]->GetCheckBox()->pos(), QPoint(15, 680));
    MainWindowClass::window->resize(950, 670);
    Flush();
    EXPECT_EQ(Selector()->GetPage(0)->GetStep(), 5);
    EXPECT_EQ(Selector()->GetPage(1)->GetStep(), 3);
    EXPECT_EQ(Selector()->GetPage(1)->GetElements()[1]->GetCheckBox()->pos(), QPoint(180, 165));
}

TEST_F(GeneralSelectorTest, EveryTabButtonIs80By25BorderIncluded)
{
    ChooseOutfit(L"anna", L"anna_dress");
    QTabBar* bar = Selector()->GetControl()->tabBar();
    ASSERT_GE(bar->count(), 3);
    const QImage drawn = bar->grab().toImage();
    // The outer size as drawn: from the first to the last border pixel across the middle of the
    // button, within its place on the bar (the chosen tab's border has a colour of its own).
    for (int i = 0; i < bar->count(); ++i)
    {
        const QColor border = i == bar->currentIndex() ? QColor(0x3c, 0x7f, 0xb1) : QColor(0x7a, 0x7a, 0x7a);
        const QRect place = bar->tabRect(i);
        const auto extent = [&](bool across)
        {
            int first = -1;
            int last = -1;
            const int from = across ? place.left() : place.top();
            const int to = across ? place.right() : place.bottom();
            for (int p = from; p <= to; ++p)
            {
                const QPoint at = across ? QPoint(p, place.top() + 12) : QPoint(place.left() + 10, p);
                if (drawn.pixelColor(at) == border)
                {
                    first = first < 0 ? p : first;
                    last = p;
                }
            }
            return last - first + 1;
        };
        EXPECT_EQ(extent(true), 80) << "tab " << i;
        EXPECT_EQ(extent(false), 25) << "tab " << i;
    }
}

TEST_F(GeneralSelectorTest, AReloadDropsEveryPage)
{
    ChooseOutfit(L"anna", L"anna_dress");
    QPointer<QWidget> posesPage = Selector()->GetPage(0)->GetPageControl();
    Commands::ReloadRepository();
    Flush();
    EXPECT_TRUE(posesPage.isNull());
    EXPECT_EQ(Selector()->GetPageCount(), 0);
    // Re-marking and laying out with no page left is harmless.
    Selector()->UpdateSelection();
    Selector()->UpdateWidth(950);
    ChooseOutfit(L"anna", L"anna_jeans");
    EXPECT_EQ(TabTitles().first(), "Poses");
}

TEST_F(GeneralSelectorTest, CreateAfterACompleteSelectionBuildsAndStartsPlacement)
{
    ChooseOutfit(L"anna", L"anna_dress");
    ClickBox("Poses", "Walking");
    QPushButton* create = MainWindowClass::window->PlacementWidget()->Button();
    ASSERT_TRUE(create->isVisible());
    QTest::mouseClick(create, Qt::LeftButton);
    Flush();
    EXPECT_GT(Host::NodeCount(), 0);
    ASSERT_NE(Placement::GetNode(), nullptr);
    EXPECT_EQ(Placement::GetState(), Placement::STATE_PLACE);
    EXPECT_FALSE(Host::CommandModes().empty());
}

TEST_F(GeneralSelectorTest, TheMouseOverAPageOrAChosenTabGivesTheFocusToThePagesFirstControl)
{
    ChooseOutfit(L"anna", L"anna_dress");
    QWidget* window = MainWindowClass::window;
    EXPECT_EQ(window->focusWidget(), Selector()->GetPage(0)->GetFirstControl());

    MainWindowGeneralPage* skins = OpenTab("Skin");
    ASSERT_NE(skins, nullptr);
    QWidget* first = skins->GetFirstControl();
    ASSERT_NE(first, skins->GetPageControl());
    EXPECT_EQ(window->focusWidget(), first);

    // Anywhere on the page's empty area, also beyond the last element.
    QWidget* viewport = skins->GetPageControl()->viewport();
    const QPoint empty(viewport->width() - 20, viewport->height() - 20);
    ASSERT_EQ(viewport->childAt(empty), nullptr);
    MainWindowClass::window->CharacterSelector()->TreeView()->setFocus();
    QTest::mouseMove(viewport, empty);
    Flush();
    EXPECT_EQ(window->focusWidget(), first);

    // Between two elements, on the surface that holds them.
    MainWindowClass::window->CharacterSelector()->TreeView()->setFocus();
    QTest::mouseMove(skins->GetSurface(), QPoint(172, 100));
    Flush();
    EXPECT_EQ(window->focusWidget(), first);

    // A control of the page that has the focus keeps it.
    QWidget* second = skins->GetElements()[1]->GetCheckBox();
    second->setFocus();
    QTest::mouseMove(viewport, empty);
    Flush();
    EXPECT_EQ(window->focusWidget(), second);
}
