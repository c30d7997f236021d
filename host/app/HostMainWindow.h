#pragma once
// The host program's main window: menus (File, Edit, Actions), the quick-access toolbar, the
// viewport and the prompt line. It follows the host's state (redraws, prompts, quick-access items,
// undo history) as plug-ins change it.

#include <QMainWindow>

#include <utility>
#include <vector>

class INode;
class QAction;
class QLabel;
class QMenu;
class QRect;
class QToolBar;

namespace scenehost
{
class PluginHost;
class ViewportWidget;

class HostMainWindow : public QMainWindow
{
public:
    explicit HostMainWindow(PluginHost& plugins);

    ViewportWidget* Viewport() const { return m_viewport; }
    QToolBar* QuickAccess() const { return m_quickAccess; }
    QLabel* PromptLine() const { return m_prompt; }
    QAction* UndoAction() const { return m_undo; }
    QAction* RedoAction() const { return m_redo; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* NewSceneAction() const { return m_newScene; }

    // Sizes the window for a screen's available area, up to a sensible largest size, and puts it at
    // the area's top-left corner: the whole window shows, on small screens as on large ones. The
    // window does this for its own screen when it is made.
    void PlaceFirst(const QRect& available);

    // Brings toolbar, prompt line, menus and viewport up to the host's state.
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void FillActionsMenu();
    void RefreshQuickAccess();

    PluginHost& m_plugins;
    ViewportWidget* m_viewport;
    QToolBar* m_quickAccess;
    QLabel* m_prompt;
    QMenu* m_actionsMenu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_newScene = nullptr;

    // What the window last showed, to redraw only on change.
    int m_redraws = -1;
    int m_nodes = -1;
    std::vector<INode*> m_selection;
    std::vector<std::pair<QString, QString>> m_quickItems;
};
} // namespace scenehost
