#pragma once
// Mouse input as a user gives it, for the scripted session: the events go through the application
// to the widget under the pointer, as the window system's would.

#include <QPoint>

class QWidget;

namespace scenehost
{
// Delivers what is pending, deferred deletions included.
void Settle();
// Press and release of the button at the point of the widget.
void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void ClickCentre(QWidget* widget);
// The pointer moves to the point with no button held.
void MoveTo(QWidget* widget, QPoint at);
} // namespace scenehost
