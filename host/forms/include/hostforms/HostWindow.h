#pragma once
// The host program's main window, over which every form shows itself.

class QWidget;

namespace hostforms
{
// Called once by the host program when its main window exists. Null (or a window that has been
// destroyed since) means there is none: forms then show as top-level tool windows.
void SetHostMainWindow(QWidget* window);
QWidget* HostMainWindow();
} // namespace hostforms
