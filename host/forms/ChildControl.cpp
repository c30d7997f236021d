#include "ChildControl.h"

#include <QWidget>

namespace hostforms
{
void PutChildControl(QWidget* container, QWidget* control)
{
    const bool hiddenByCode = control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (control->parentWidget() != container)
    {
        control->setParent(container);
    }
    if (!hiddenByCode)
    {
        control->show();
    }
}
} // namespace hostforms
