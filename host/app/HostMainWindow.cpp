#include "HostMainWindow.h"

#include "HostActions.h"
#include "HostCommands.h"
#include "HostText.h"
#include "PluginHost.h"
#include "ViewportWidget.h"

#include <hostsdk/Host.h>
#include <hostsdk/Interface.h>

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace scenehost
{
namespace
{
// How often the window looks at the host's state: often enough that a mouse move redraws at once.
constexpr int kRefreshMilliseconds = 30;
// The first window is no larger than this, however large the screen: room for the plug-ins' windows
// beside it.
constexpr QSize kLargestFirstSize(1100, 760);
// The window frame is not known before the window is shown: room kept for a caption and borders.
constexpr QSize kFrameAllowance(16, 48);
} // namespace

HostMainWindow::HostMainWindow(PluginHost& plugins)
    : m_plugins(plugins), m_viewport(new ViewportWidget(this)),
      m_quickAccess(new QToolBar(tr("Quick Access"), this)), m_prompt(new QLabel(this))
{
    setWindowTitle(QStringLiteral("scene-host"));
    setCentralWidget(m_viewport);
    m_quickAccess->setObjectName(QStringLiteral("quickAccess"));
    m_quickAccess->setMovable(false);
    addToolBar(Qt::TopToolBarArea, m_quickAccess);
    statusBar()->addWidget(m_prompt, 1);
    BuildMenus();

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &HostMainWindow::Refresh);
    timer->start(kRefreshMilliseconds);
    Refresh();
    if (const QScreen* first = screen())
        PlaceFirst(first->availableGeometry());
}

void HostMainWindow::PlaceFirst(const QRect& available)
{
    resize(kLargestFirstSize.boundedTo(available.size() - kFrameAllowance));
    // The frame's corner: the most room is left beside the window.
    move(available.topLeft());
}

void HostMainWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_newScene = file->addAction(tr("&New Scene"), QKeySequence::New, this, [] { NewScene(); });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    m_undo = edit->addAction(tr("&Undo"), QKeySequence::Undo, this, [] { Undo(); });
    m_redo = edit->addAction(tr("&Redo"), QKeySequence::Redo, this, [] { Redo(); });
    edit->addSeparator();
    m_delete =
        edit->addAction(tr("&Delete Selection"), QKeySequence::Delete, this, [] { DeleteSelection(); });

    m_actionsMenu = menuBar()->addMenu(tr("&Actions"));
    // Tables come and go with plug-ins: the menu is made when it opens.
    connect(m_actionsMenu, &QMenu::aboutToShow, this, &HostMainWindow::FillActionsMenu);
    FillActionsMenu();
}

void HostMainWindow::FillActionsMenu()
{
    m_actionsMenu->clear();
    QMenu* tableMenu = nullptr;
    QString tableName;
    for (const HostAction& action : RegisteredActions())
    {
        if (!tableMenu || action.tableName != tableName)
        {
            tableName = action.tableName;
            tableMenu = m_actionsMenu->addMenu(tableName);
        }
        tableMenu->addAction(action.text, this, [action] { RunAction(action); });
    }
    if (m_actionsMenu->isEmpty())
        m_actionsMenu->addAction(tr("(no plug-in actions)"))->setEnabled(false);
}

void HostMainWindow::RefreshQuickAccess()
{
    std::vector<std::pair<QString, QString>> items;
    for (const auto& [table, text] : Host::QuickAccessItems())
        items.emplace_back(ToQString(table), ToQString(text));
    if (items == m_quickItems)
        return;
    m_quickItems = items;
    m_quickAccess->clear();
    for (const auto& [table, text] : items)
    {
        QAction* button = m_quickAccess->addAction(text);
        HostAction action;
        if (FindQuickAccessAction(table, text, action))
            connect(button, &QAction::triggered, this, [action] { RunAction(action); });
        else
        {
            button->setEnabled(false);
            button->setToolTip(tr("No action \"%1\" in the table \"%2\"").arg(text, table));
        }
    }
}

void HostMainWindow::Refresh()
{
    RefreshQuickAccess();

    const std::vector<MSTR> prompts = Host::Prompts();
    const QString prompt = prompts.empty() ? QString() : ToQString(prompts.back());
    if (m_prompt->text() != prompt)
        m_prompt->setText(prompt);

    const std::vector<MSTR> undo = Host::UndoNames();
    m_undo->setEnabled(!undo.empty());
    m_undo->setText(undo.empty() ? tr("&Undo") : tr("&Undo %1").arg(ToQString(undo.back())));
    m_redo->setEnabled(Host::RedoCount() > 0);
    m_delete->setEnabled(GetCOREInterface()->GetSelNodeCount() > 0);

    std::vector<INode*> selection;
    for (int i = 0; i < GetCOREInterface()->GetSelNodeCount(); ++i)
        selection.push_back(GetCOREInterface()->GetSelNode(i));
    const int redraws = Host::RedrawCount();
    const int nodes = Host::NodeCount();
    if (redraws != m_redraws || nodes != m_nodes || selection != m_selection)
    {
        m_redraws = redraws;
        m_nodes = nodes;
        m_selection = selection;
        m_viewport->update();
    }
}

void HostMainWindow::closeEvent(QCloseEvent* event)
{
    m_plugins.Shutdown();
    event->accept();
}
} // namespace scenehost
