#include "ManagerDriver.h"

#include "UserInput.h"

#include <hostforms/MaxForm.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

namespace scenehost
{
QWidget* ManagerDriver::FindManager()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<hostforms::MaxForm*>(widget) && widget->isVisible() &&
            widget->findChild<QTreeWidget*>())
            return widget;
    return nullptr;
}

QTreeWidget* ManagerDriver::Tree() const
{
    return m_manager ? m_manager->findChild<QTreeWidget*>() : nullptr;
}

QTabWidget* ManagerDriver::Tabs() const
{
    return m_manager ? m_manager->findChild<QTabWidget*>() : nullptr;
}

bool ManagerDriver::ChooseInTree(const QString& character, const QString& outfit)
{
    QTreeWidget* tree = Tree();
    if (!tree)
        return false;
    QTreeWidgetItem* node = nullptr;
    for (int i = 0; i < tree->topLevelItemCount() && !node; ++i)
    {
        QTreeWidgetItem* top = tree->topLevelItem(i);
        if (top->text(0) != character)
            continue;
        if (outfit.isEmpty())
            node = top;
        for (int j = 0; j < top->childCount() && !node; ++j)
            if (top->child(j)->text(0) == outfit)
                node = top->child(j);
    }
    if (!node)
        return false;
    if (node->parent())
        tree->expandItem(node->parent());
    tree->scrollToItem(node);
    Settle();
    Click(tree->viewport(), tree->visualItemRect(node).center());
    return tree->currentItem() == node;
}

QStringList ManagerDriver::TabTexts() const
{
    QStringList texts;
    if (QTabWidget* tabs = Tabs())
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    return texts;
}

bool ManagerDriver::ShowTab(const QString& text)
{
    QTabWidget* tabs = Tabs();
    if (!tabs)
        return false;
    const int index = static_cast<int>(TabTexts().indexOf(text));
    if (index < 0)
        return false;
    Click(tabs->tabBar(), tabs->tabBar()->tabRect(index).center());
    return tabs->currentIndex() == index;
}

bool ManagerDriver::TickOnCurrentTab(const QString& text)
{
    QTabWidget* tabs = Tabs();
    QWidget* page = tabs ? tabs->currentWidget() : nullptr;
    if (!page)
        return false;
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
    {
        if (box->text() != text || !box->isVisibleTo(page))
            continue;
        // Scrolled into view first, as a user would.
        if (auto* scroll = page->findChild<QScrollArea*>())
            scroll->ensureWidgetVisible(box);
        if (!box->isChecked())
            ClickCentre(box);
        // The click may have rebuilt the page: look again.
        return TickedOnCurrentTab().contains(text);
    }
    return false;
}

QStringList ManagerDriver::TickedOnCurrentTab() const
{
    QStringList ticked;
    QTabWidget* tabs = Tabs();
    QWidget* page = tabs ? tabs->currentWidget() : nullptr;
    if (page)
        for (QCheckBox* box : page->findChildren<QCheckBox*>())
            if (box->isChecked() && box->isVisibleTo(page))
                ticked << box->text();
    return ticked;
}

bool ManagerDriver::Press(const QString& text)
{
    if (!m_manager)
        return false;
    for (QPushButton* button : m_manager->findChildren<QPushButton*>())
        if (button->text() == text && button->isEnabled())
        {
            ClickCentre(button);
            return true;
        }
    return false;
}
} // namespace scenehost
