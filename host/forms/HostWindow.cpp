#include "hostforms/HostWindow.h"

#include <QPointer>
#include <QWidget>

namespace hostforms
{
namespace
{
// Guarded pointers, so that a host window destroyed before the forms never dangles here.
QPointer<QWidget>& StoredWindow()
{
    static QPointer<QWidget> window;
    return window;
}

QPointer<QWidget>& StoredViewport()
{
    static QPointer<QWidget> viewport;
    return viewport;
}
} // namespace

void SetHostMainWindow(QWidget* window)
{
    StoredWindow() = window;
}

QWidget* HostMainWindow()
{
    return StoredWindow().data();
}

void SetHostViewport(QWidget* viewport)
{
    StoredViewport() = viewport;
}

QWidget* HostViewport()
{
    return StoredViewport().data();
}
} // namespace hostforms
