#include <hostforms/ScrollPanel.h>

#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

using hostforms::ScrollPanel;

namespace
{
QWidget* Preview(ScrollPanel& panel, int x, int y)
{
    auto* preview = new QWidget();
    preview->setGeometry(x, y, 110, 330);
    panel.AddControl(preview);
    return preview;
}

TEST(ScrollPanelTest, TheScrollRangeFollowsTheShownControls)
{
    ScrollPanel panel;
    panel.resize(400, 300);
    panel.show();
    EXPECT_EQ(panel.Surface()->size(), QSize(0, 0));

    QWidget* first = Preview(panel, 15, 15);
    QWidget* last = Preview(panel, 515, 360);
    EXPECT_EQ(first->parentWidget(), panel.Surface());
    EXPECT_TRUE(last->isVisible());
    EXPECT_EQ(panel.Surface()->size(), QSize(625, 690));
    EXPECT_GT(panel.horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(panel.verticalScrollBar()->maximum(), 0);

    panel.SetScrollPosition(QPoint(100, 50));
    EXPECT_EQ(panel.ScrollPosition(), QPoint(100, 50));
    EXPECT_EQ(last->pos(), QPoint(515, 360)) << "positions do not depend on scrolling";

    // Remember, lay out from the origin, restore: as the preview panel does.
    const QPoint remembered = panel.ScrollPosition();
    panel.SetScrollPosition(QPoint(0, 0));
    last->move(140, 15);
    panel.SetScrollPosition(remembered);
    EXPECT_EQ(panel.Surface()->size(), QSize(250, 345));

    last->hide();
    EXPECT_EQ(panel.Surface()->size(), QSize(125, 345));
    delete first;
    EXPECT_EQ(panel.Surface()->size(), QSize(0, 0));
    EXPECT_EQ(panel.ScrollPosition(), QPoint(0, 0)) << "nothing left to scroll";

    QWidget* hidden = new QWidget();
    hidden->setGeometry(0, 0, 50, 50);
    hidden->hide();
    panel.AddControl(hidden);
    EXPECT_TRUE(hidden->isHidden());
    EXPECT_EQ(panel.Surface()->size(), QSize(0, 0));
}
} // namespace

namespace
{
TEST(ScrollPanelTest, AHiddenPanelFitsItsSurfaceWhenItShowsOrScrolls)
{
    ScrollPanel panel;
    panel.resize(400, 300);
    Preview(panel, 515, 360);
    panel.show();
    EXPECT_EQ(panel.Surface()->size(), QSize(625, 690));
    panel.hide();
    QWidget* added = Preview(panel, 900, 15);
    panel.show();
    EXPECT_EQ(panel.Surface()->size(), QSize(1010, 690));
    panel.hide();
    added->move(15, 15);
    panel.SetScrollPosition(QPoint(0, 0));
    EXPECT_EQ(panel.Surface()->size(), QSize(625, 690));
}
} // namespace
