#pragma once
// Finds the parts of a plug-in's manager window by what a user sees (captions, texts of tree nodes,
// tabs, check boxes and buttons) and clicks them. The host program knows nothing else of the window:
// it was made by the plug-in's code.

#include <QString>
#include <QStringList>

class QCheckBox;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QWidget;

namespace scenehost
{
class ManagerDriver
{
public:
    // The open window of the plug-ins that holds a character tree, or null.
    static QWidget* FindManager();

    explicit ManagerDriver(QWidget* manager) : m_manager(manager) {}

    // Clicks the tree node of the character, or of its outfit when one is given. False when there
    // is no such node; the node is then the tree's current one.
    bool ChooseInTree(const QString& character, const QString& outfit = QString());
    // Brings the tab up with a click on it. False when there is no tab of that text.
    bool ShowTab(const QString& text);
    QStringList TabTexts() const;
    // Clicks the check box of that text on the current tab page. True when it is checked after.
    bool TickOnCurrentTab(const QString& text);
    // The check boxes of the current tab page that are ticked.
    QStringList TickedOnCurrentTab() const;
    // Clicks the button of that text; false when there is none or it is disabled.
    bool Press(const QString& text);

private:
    QTreeWidget* Tree() const;
    QTabWidget* Tabs() const;

    QWidget* m_manager;
};
} // namespace scenehost
