#include "hostforms/ScrollPanel.h"

#include "ChildControl.h"

#include <QChildEvent>
#include <QEvent>
#include <QScrollBar>

namespace hostforms
{
ScrollPanel::ScrollPanel(QWidget* parent) : QScrollArea(parent), m_surface(new QWidget())
{
    m_surface->resize(0, 0);
    m_surface->installEventFilter(this);
    setWidget(m_surface);
    setWidgetResizable(false);
    // The panel's own background shows behind the controls, also beyond them.
    m_surface->setAutoFillBackground(false);
}

void ScrollPanel::AddControl(QWidget* control)
{
    if (control)
    {
        PutChildControl(m_surface, control);
    }
}

QPoint ScrollPanel::ScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void ScrollPanel::SetScrollPosition(QPoint position)
{
    // Controls moved while the panel was hidden have not reported it yet.
    FitSurface();
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

bool ScrollPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_surface)
    {
        if (event->type() == QEvent::ChildAdded)
        {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType())
            {
                child->installEventFilter(this);
            }
            RequestFit();
        }
        else if (event->type() == QEvent::ChildRemoved)
        {
            RequestFit();
        }
    }
    else if (watched->parent() == m_surface)
    {
        switch (event->type())
        {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            RequestFit();
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void ScrollPanel::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    if (m_fitPending)
    {
        FitSurface();
    }
}

void ScrollPanel::RequestFit()
{
    // A hidden panel (a tab page not shown) fits once when it shows, not after every control.
    if (isVisible())
    {
        FitSurface();
    }
    else
    {
        m_fitPending = true;
    }
}

void ScrollPanel::FitSurface()
{
    m_fitPending = false;
    QSize size(0, 0);
    for (QObject* child : m_surface->children())
    {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (control && !control->isWindow() && !control->isHidden())
        {
            const QRect bounds = control->geometry();
            size = size.expandedTo(QSize(bounds.x() + bounds.width(), bounds.y() + bounds.height()));
        }
    }
    if (m_surface->size() != size)
    {
        m_surface->resize(size);
    }
}
} // namespace hostforms
