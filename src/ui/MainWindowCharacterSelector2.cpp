#include "ui/MainWindowCharacterSelector2.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/DataContainer.h"
#include "repository/Debug.h"
#include "ui/MainWindowGeneralFill.h"

#include <hostforms/MaxForm.h>

#include <QColor>
#include <QEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>

#include <functional>
#include <utility>

namespace ZANRET
{
namespace
{
QString Name(const DataContainer* element)
{
    return MainWindowGeneralFill::ToQString(MainWindowGeneralFill::Field(element, L"name"));
}

std::int32_t UniqueOf(const std::unordered_map<const QTreeWidgetItem*, std::int32_t>& uniques,
                      const QTreeWidgetItem* node)
{
    const auto found = uniques.find(node);
    return found != uniques.end() ? found->second : 0;
}

// Clicks released on the tree's surface, and every mouse move over it. Only the left button
// chooses, as in the platform's own tree controls: Qt's tree selects with any button, so the other
// buttons never reach it.
class TreeMouseWatcher : public QObject
{
public:
    TreeMouseWatcher(QObject* parent, std::function<void()> onClick, std::function<void()> onMove)
        : QObject(parent), m_onClick(std::move(onClick)), m_onMove(std::move(onMove))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type())
        {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            {
                return true;
            }
            m_onClick();
            return false;
        case QEvent::MouseMove:
            m_onMove();
            return false;
        default:
            return false;
        }
    }

private:
    std::function<void()> m_onClick;
    std::function<void()> m_onMove;
};
} // namespace

MainWindowCharacterSelector2::~MainWindowCharacterSelector2()
{
    DestroyTree();
}

void MainWindowCharacterSelector2::CreateSelektor(hostforms::MaxForm* parent)
{
    m_treeView = new QTreeWidget();
    m_treeView->setGeometry(12, 95, 155, 520);
    m_treeView->setHeaderHidden(true);
    m_treeView->setColumnCount(1);
    m_treeView->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette palette = m_treeView->palette();
    palette.setColor(QPalette::Base, QColor(68, 68, 68));
    palette.setColor(QPalette::Text, Qt::white);
    // The branch arrows are drawn in the window text colour; on the dark back they must be light.
    palette.setColor(QPalette::WindowText, Qt::white);
    m_treeView->setPalette(palette);

    QObject::connect(m_treeView, &QTreeWidget::itemSelectionChanged, m_treeView, [this] { AterSelect(); });
    auto* watcher = new TreeMouseWatcher(
        m_treeView, [this] { OnClick(); }, [this] { MouseMove(); });
    m_treeView->viewport()->setMouseTracking(true);
    m_treeView->viewport()->installEventFilter(watcher);
    parent->AddControl(m_treeView,
                       hostforms::Anchor::Top | hostforms::Anchor::Bottom | hostforms::Anchor::Left);
    InitSelector();
}

void MainWindowCharacterSelector2::Rebuild(hostforms::MaxForm* parent)
{
    DestroyTree();
    CreateSelektor(parent);
}

void MainWindowCharacterSelector2::InitSelector()
{
    // Emptying the tree is no choice of the user's.
    {
        const QSignalBlocker quiet(m_treeView);
        m_treeView->clear();
    }
    m_characterUniques.clear();
    m_clothUniques.clear();

    const std::int32_t count = Data2::GetCharacterCount();
    if (count == 0)
    {
        return;
    }
    Debug::AddDebugMessage(DEBUG_INFO, L"create character nodes...");
    for (std::int32_t i = 0; i < count; ++i)
    {
        CharacterData* character = Data2::GetCharacter(i);
        if (!character || !character->GetFastFlag(DataContainer::AVAILABLE))
        {
            continue;
        }
        auto* node = new QTreeWidgetItem(m_treeView, QStringList(Name(character)));
        m_characterUniques[node] = Data2::GetUnique(character);
        CreateClothNodes(node, character);
    }
}

void MainWindowCharacterSelector2::CreateClothNodes(QTreeWidgetItem* node, CharacterData* character)
{
    if (!node || !character)
    {
        return;
    }
    Debug::AddDebugMessage(DEBUG_INFO, L"create cloth nodes...");
    const std::int32_t count = character->GetCount(CharacterData::CLOTH);
    for (std::int32_t i = 0; i < count; ++i)
    {
        DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, i);
        if (!cloth || !cloth->GetFastFlag(DataContainer::AVAILABLE))
        {
            continue;
        }
        auto* child = new QTreeWidgetItem(node, QStringList(Name(cloth)));
        m_clothUniques[child] = Data2::GetUnique(cloth);
    }
}

void MainWindowCharacterSelector2::AterSelect()
{
    Debug::AddDebugMessage(DEBUG_INFO, L"Click on TreeView...");
    const QList<QTreeWidgetItem*> selected = m_treeView->selectedItems();
    if (selected.isEmpty())
    {
        return;
    }
    const QTreeWidgetItem* node = selected.first();
    if (const QTreeWidgetItem* characterNode = node->parent())
    {
        Commands::SetSelectedClothUnique(UniqueOf(m_characterUniques, characterNode),
                                         UniqueOf(m_clothUniques, node), true);
    }
    else
    {
        Commands::SetSelectedCharacterUnique(UniqueOf(m_characterUniques, node), true);
    }
}

void MainWindowCharacterSelector2::OnClick()
{
    const QList<QTreeWidgetItem*> selected = m_treeView->selectedItems();
    if (selected.isEmpty() || selected.first()->parent())
    {
        return;
    }
    Debug::AddDebugMessage(DEBUG_INFO, L"Select Character...");
    Commands::SetSelectedCharacterUnique(UniqueOf(m_characterUniques, selected.first()), true);
}

void MainWindowCharacterSelector2::MouseMove()
{
    m_treeView->setFocus(Qt::MouseFocusReason);
}

void MainWindowCharacterSelector2::DestroyTree()
{
    m_characterUniques.clear();
    m_clothUniques.clear();
    if (m_treeView)
    {
        // A tree going away reports its selection as cleared; that is no choice of the user's.
        m_treeView->blockSignals(true);
        delete m_treeView;
        m_treeView = nullptr;
    }
}
} // namespace ZANRET
