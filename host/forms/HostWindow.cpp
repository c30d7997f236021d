#include "hostforms/HostWindow.h"

#include <QPointer>
#include <QWidget>

namespace hostforms
{
namespace
{
// A guarded pointer, so that a host window destroyed before the forms never dangles here.
QPointer<QWidget>& Stored()
{
    static QPointer<QWidget> window;
    return window;
}
} // namespace

void SetHostMainWindow(QWidget* window)
{
    Stored() = window;
}

QWidget* HostMainWindow()
{
    return Stored().data();
}
} // namespace hostforms
