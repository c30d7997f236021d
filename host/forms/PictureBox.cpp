#include "hostforms/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace hostforms
{
PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetImage(const QImage& image)
{
    m_source = {};
    m_image = image;
    update();
}

void PictureBox::SetImageSource(ImageSource source)
{
    m_image = QImage();
    m_source = std::move(source);
    if (isVisible())
    {
        MakeImage();
    }
    update();
}

const QImage& PictureBox::Image() const
{
    MakeImage();
    return m_image;
}

void PictureBox::MakeImage() const
{
    if (m_source)
    {
        // Taken first: whatever the source does, it runs once.
        const ImageSource source = std::move(m_source);
        m_source = {};
        m_image = source();
    }
}

void PictureBox::MakeImageWhenInView()
{
    if (!m_source || !isVisible())
    {
        return;
    }
    // The part of the box that its parents leave in view, up to its window; a box scrolled out of
    // view makes its image when it is painted.
    QRect area = rect();
    for (const QWidget* control = this; !control->isWindow(); control = control->parentWidget())
    {
        area.translate(control->pos());
        area &= control->parentWidget()->rect();
        if (area.isEmpty())
        {
            return;
        }
    }
    MakeImage();
}

void PictureBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    MakeImageWhenInView();
}

void PictureBox::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    MakeImageWhenInView();
}

void PictureBox::SetClickHandler(ClickHandler handler)
{
    m_onClick = std::move(handler);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    MakeImage();
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
