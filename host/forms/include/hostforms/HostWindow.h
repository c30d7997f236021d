#pragma once
// The host program's main window, over which every form shows itself, and its viewport, which a
// form opening beside the host window covers as little as it can.

class QWidget;

namespace hostforms
{
// Called once by the host program when its main window exists. Null (or a window that has been
// destroyed since) means there is none: forms then show as top-level tool windows.
void SetHostMainWindow(QWidget* window);
QWidget* HostMainWindow();

// The part of the host window that shows the scene. Null (or a widget destroyed or hidden since)
// means the whole host window counts.
void SetHostViewport(QWidget* viewport);
QWidget* HostViewport();
} // namespace hostforms
