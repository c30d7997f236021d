#pragma once
// Internal: puts a control into a container the way Windows Forms adds a control: it is shown
// with the container unless code hid it explicitly.

class QWidget;

namespace hostforms
{
void PutChildControl(QWidget* container, QWidget* control);
} // namespace hostforms
