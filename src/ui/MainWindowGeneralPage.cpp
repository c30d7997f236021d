#include "ui/MainWindowGeneralPage.h"

#include "repository/Selection2.h"
#include "ui/MainWindowElementBase.h"

#include <QEvent>
#include <QTabWidget>

#include <algorithm>
#include <functional>
#include <utility>

namespace ZANRET
{
namespace
{
constexpr int PageGrey = 68;

// Passes the mouse moves of one widget to a handler; the widget keeps it as a child.
class MouseMoveWatcher : public QObject
{
public:
    MouseMoveWatcher(QWidget* watched, std::function<void()> handler)
        : QObject(watched), m_handler(std::move(handler))
    {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && watched == parent())
        {
            m_handler();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};
} // namespace

MainWindowGeneralPage::MainWindowGeneralPage() = default;

MainWindowGeneralPage::~MainWindowGeneralPage()
{
    // The page control first, with every control on it at once (the elements' controls one by one
    // would re-fit the page after each); its tab goes with it.
    delete m_page;
    m_elements.clear();
}

void MainWindowGeneralPage::Create(QTabWidget* control, std::int32_t width, const QString& title)
{
    m_page = new hostforms::ScrollPanel();
    m_page->setFrameShape(QFrame::Box);
    m_page->setFrameShadow(QFrame::Plain);
    m_page->setLineWidth(1);
    QPalette palette = m_page->palette();
    const QColor grey(PageGrey, PageGrey, PageGrey);
    palette.setColor(QPalette::Window, grey);
    // Captions light on the grey; check boxes keep a light square with a dark mark.
    palette.setColor(QPalette::WindowText, QColor(235, 235, 235));
    m_page->setPalette(palette);
    m_page->setAutoFillBackground(true);
    m_page->viewport()->setBackgroundRole(QPalette::Window);
    m_page->viewport()->setAutoFillBackground(true);
    SetWidth(width);
    // The surface covers only the elements; the rest of the page is the viewport around it.
    new MouseMoveWatcher(m_page->viewport(), [this] { MouseMoved(); });
    new MouseMoveWatcher(m_page->Surface(), [this] { MouseMoved(); });
    if (control)
    {
        control->addTab(m_page, title);
    }
}

void MainWindowGeneralPage::SetSize(std::int32_t width, std::int32_t height)
{
    m_w = width;
    m_h = height;
}

void MainWindowGeneralPage::SetWidth(std::int32_t width)
{
    // At least one column, however narrow the window and whatever the cell size.
    const std::int32_t cell = std::max(1, m_w + 15);
    m_step = std::max(0, (width - 250) / cell - 1);
    if (m_page)
    {
        m_page->SetScrollPosition(QPoint(0, 0));
    }
    std::int32_t row = 0;
    for (std::size_t i = 0; i < m_elements.size(); ++i)
    {
        const std::int32_t column = static_cast<std::int32_t>(i % static_cast<std::size_t>(m_step + 1));
        m_elements[i]->Place(15 + column * (m_w + 15), GetY(row));
        if (column == m_step)
        {
            ++row;
        }
    }
}

std::int32_t MainWindowGeneralPage::GetX(std::int32_t column) const
{
    return 15 + column * (m_w + 15);
}

std::int32_t MainWindowGeneralPage::GetY(std::int32_t row) const
{
    return m_h + 15 + row * (m_h + 65);
}

void MainWindowGeneralPage::SelectOnlyUnique(std::int32_t unique)
{
    for (const auto& element : m_elements)
    {
        element->SelectThisUnique(unique);
    }
}

void MainWindowGeneralPage::SelectElement(std::int32_t unique)
{
    for (const auto& element : m_elements)
    {
        element->SelectThisInCase(unique);
    }
}

void MainWindowGeneralPage::UpdateSelection()
{
    for (const auto& element : m_elements)
    {
        element->SetSelected(Selection2::CheckSelectedAsset(element->GetUnique()));
    }
}

QWidget* MainWindowGeneralPage::GetSurface() const
{
    return m_page ? m_page->Surface() : nullptr;
}

QWidget* MainWindowGeneralPage::GetFirstControl() const
{
    if (!m_page)
    {
        return nullptr;
    }
    for (QObject* child : m_page->Surface()->children())
    {
        if (child->isWidgetType())
        {
            return static_cast<QWidget*>(child);
        }
    }
    return m_page;
}

MainWindowElementBase*
MainWindowGeneralPage::InsertByAvailability(std::unique_ptr<MainWindowElementBase> element)
{
    if (!element->isAvailable())
    {
        return Append(std::move(element));
    }
    const auto firstUnavailable = std::find_if(m_elements.begin(), m_elements.end(),
                                               [](const auto& other) { return !other->isAvailable(); });
    return m_elements.insert(firstUnavailable, std::move(element))->get();
}

MainWindowElementBase* MainWindowGeneralPage::Append(std::unique_ptr<MainWindowElementBase> element)
{
    m_elements.push_back(std::move(element));
    return m_elements.back().get();
}

void MainWindowGeneralPage::AddChoice(std::unique_ptr<MainWindowElementBase> element, std::int32_t unique,
                                      const std::wstring& preview, const QString& caption, bool available,
                                      const QString& url, void (*command)(std::int32_t, bool), bool& chosen)
{
    element->Create(m_page, unique, 0, 0, caption, preview, this, available, url);
    MainWindowElementBase* made = InsertByAvailability(std::move(element));
    if (available && !chosen)
    {
        chosen = true;
        m_lastSelected = unique;
        command(unique, false);
        made->SetSelected(true);
    }
}

void MainWindowGeneralPage::MouseMoved()
{
    if (!m_page)
    {
        return;
    }
    QWidget* window = m_page->window();
    if (!window)
    {
        return;
    }
    const QWidget* active = window->focusWidget();
    if (!active || active->parentWidget() != m_page->Surface())
    {
        if (QWidget* first = GetFirstControl())
        {
            first->setFocus();
        }
    }
}
} // namespace ZANRET
