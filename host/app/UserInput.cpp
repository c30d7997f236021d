#include "UserInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace scenehost
{
namespace
{
void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(at);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Click(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    if (!widget)
        return;
    Send(widget, QEvent::MouseButtonPress, at, button, button);
    Send(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    Settle();
}

void ClickCentre(QWidget* widget)
{
    if (widget)
        Click(widget, widget->rect().center());
}

void MoveTo(QWidget* widget, QPoint at)
{
    if (!widget)
        return;
    Send(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    Settle();
}
} // namespace scenehost
