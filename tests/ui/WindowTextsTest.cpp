// Every text of the manager window fits the control that shows it, measured with the window's own
// font, for every character and outfit of the sample repository: tab titles in their 80 x 25
// buttons, tree nodes, check box captions, the selection info line, the menu strip and "Create".

#include "WindowFixture.h"

#include "ui/MainWindowCharacterSelector2.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralPage.h"
#include "ui/MainWindowGeneralSelector.h"
#include "ui/MainWindowMenu.h"
#include "ui/MainWindowPlacementWidget.h"
#include "ui/MainWindowSelectionInfo.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <climits>

using namespace ZANRET;

namespace
{
// Room for the title inside a tab button, as the tab bar works it out before it elides a title.
int TabTitleRoom(const QTabBar& tabs, int index)
{
    QStyleOptionTab option;
    option.initFrom(&tabs);
    option.rect = tabs.tabRect(index);
    option.text = tabs.tabText(index);
    option.shape = tabs.shape();
    return tabs.style()->subElementRect(QStyle::SE_TabBarTabText, &option, &tabs).width();
}

// The caption's room in one of the element check boxes: right of the mark, wrapped at the box's width.
QSize CaptionRoom(const QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    option.text = box.text();
    option.rect.setHeight(std::min(box.height(), box.sizeHint().height()));
    const int left = box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box).left();
    return QSize(box.width() - left, box.height());
}

QSize WrappedSize(const QFontMetrics& metrics, int width, const QString& text)
{
    return metrics
        .boundingRect(QRect(0, 0, width, INT_MAX), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
        .size();
}

class WindowTextsTest : public WindowFixture
{
protected:
    // The tree's nodes, the info line and "Create" as they stand.
    static void ExpectFixedPartsFit(const QString& where)
    {
        MainWindowClass* window = Window();
        const QMenuBar* strip = window->Menu()->MenuStrip();
        for (const QAction* menu : strip->actions())
        {
            EXPECT_LE(QFontMetrics(strip->font()).horizontalAdvance(menu->text()),
                      strip->actionGeometry(const_cast<QAction*>(menu)).width())
                << menu->text().toStdString();
        }

        const QPushButton* create = window->PlacementWidget()->Button();
        EXPECT_LE(QFontMetrics(create->font()).horizontalAdvance(create->text()), create->width());

        const QLabel* info = window->SelectionInfo()->Label();
        const QRect inside = info->contentsRect();
        const QSize text = WrappedSize(QFontMetrics(info->font()), inside.width(), info->text());
        EXPECT_LE(text.width(), inside.width()) << where.toStdString() << ": " << info->text().toStdString();
        EXPECT_LE(text.height(), inside.height())
            << where.toStdString() << ": " << info->text().toStdString();

        QTreeWidget* tree = window->CharacterSelector()->TreeView();
        const QFontMetrics treeMetrics(tree->font());
        const int margins = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1);
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
        {
            const QRect node = tree->visualItemRect(*it);
            if (node.isValid())
            {
                EXPECT_LE(treeMetrics.horizontalAdvance((*it)->text(0)) + margins, node.width())
                    << (*it)->text(0).toStdString();
            }
        }
    }

    // The tab titles and the captions of every page.
    static void ExpectTabsFit(const QString& where)
    {
        const MainWindowGeneralSelector* selector = Window()->GeneralSelector();
        const QTabBar* tabs = selector->GetControl()->tabBar();
        ASSERT_GT(tabs->count(), 0) << where.toStdString();
        const QFontMetrics tabMetrics(tabs->font());
        for (int i = 0; i < tabs->count(); ++i)
        {
            EXPECT_LE(tabMetrics.horizontalAdvance(tabs->tabText(i)), TabTitleRoom(*tabs, i))
                << where.toStdString() << ": " << tabs->tabText(i).toStdString();
        }
        for (std::int32_t p = 0; p < selector->GetPageCount(); ++p)
        {
            for (const auto& element : selector->GetPage(p)->GetElements())
            {
                const QCheckBox* box = element->GetCheckBox();
                if (!element->isAvailable() || !box)
                {
                    continue;
                }
                const QSize room = CaptionRoom(*box);
                const QSize caption = WrappedSize(QFontMetrics(box->font()), room.width(), box->text());
                EXPECT_LE(caption.width(), room.width())
                    << where.toStdString() << ": " << box->text().toStdString();
                EXPECT_LE(caption.height(), room.height())
                    << where.toStdString() << ": " << box->text().toStdString();
            }
        }
    }
};

TEST_F(WindowTextsTest, EveryTextFitsItsControlForEveryOutfitOfTheSample)
{
    OpenOnSamples();
    QTreeWidget* tree = Window()->CharacterSelector()->TreeView();
    tree->expandAll();
    ExpectFixedPartsFit(QStringLiteral("opened"));

    int outfits = 0;
    for (const QString& character : TopLevelNames())
    {
        for (const QString& outfit : ChildNames(character))
        {
            ClickNode(Node(character, outfit));
            const QString where = character + QStringLiteral(" > ") + outfit;
            ExpectFixedPartsFit(where);
            ExpectTabsFit(where);
            ++outfits;
        }
    }
    EXPECT_GE(outfits, 6);
}
} // namespace
