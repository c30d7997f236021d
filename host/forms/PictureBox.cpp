#include "hostforms/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace hostforms
{
PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetImage(const QImage& image)
{
    m_image = image;
    update();
}

void PictureBox::SetClickHandler(ClickHandler handler)
{
    m_onClick = std::move(handler);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
    {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_image);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed |= event->button();
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    const bool wasPressed = m_pressed.testFlag(button);
    m_pressed &= ~Qt::MouseButtons(button);
    event->accept();
    if (!wasPressed || !rect().contains(event->position().toPoint()) || !m_onClick)
    {
        return;
    }
    // A copy: the handler may destroy this box, and with it m_onClick. Nothing here touches the box
    // after the call.
    ClickHandler onClick = m_onClick;
    onClick(button);
}
} // namespace hostforms
