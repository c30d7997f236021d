#include "ViewportWidget.h"

#include "SceneWalk.h"
#include "ViewProjection.h"

#include <hostsdk/CommandMode.h>
#include <hostsdk/Host.h>
#include <hostsdk/Interface.h>

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace scenehost
{
namespace
{
// A press and release closer than this is a click, not a drag.
constexpr int kClickSlop = 3;

IPoint2 ToIPoint2(const QPointF& at)
{
    return IPoint2(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y())));
}

int MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    int flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MOUSE_LBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MOUSE_MBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MOUSE_RBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MOUSE_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MOUSE_CTRL;
    if (modifiers & Qt::AltModifier)
        flags |= MOUSE_ALT;
    return flags;
}
} // namespace

ViewportWidget::ViewportWidget(QWidget* parent) : QWidget(parent), m_handle(Host::CreateViewport(640, 480))
{
    setMouseTracking(true); // command modes follow the mouse with no button held
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(320, 240);
    ApplyCamera();
}

void ViewportWidget::ApplyCamera()
{
    Host::SetViewportSize(m_handle, width(), height());
    Host::SetViewportCamera(m_handle, m_camera.Eye(), m_camera.Target(), Point3(0.0f, 0.0f, 1.0f),
                            m_camera.FieldOfView());
}

bool ViewportWidget::PixelOf(const Point3& world, QPoint& pixel) const
{
    float x = 0.0f, y = 0.0f, depth = 0.0f;
    if (!ViewProjection::Of(m_handle).Project(world, x, y, depth))
        return false;
    pixel = QPoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    return true;
}

QImage ViewportWidget::Picture()
{
    ApplyCamera();
    return m_renderer.Render(m_handle);
}

void ViewportWidget::PanBy(int dx, int dy)
{
    m_camera.Pan(static_cast<float>(dx), static_cast<float>(dy), height());
    ApplyCamera();
    update();
}

void ViewportWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}

void ViewportWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ApplyCamera();
}

bool ViewportWidget::CommandModeActive() const
{
    return !Host::CommandModes().empty();
}

void ViewportWidget::Send(int message, int point, const QMouseEvent* event, Qt::MouseButtons buttons)
{
    ApplyCamera();
    Host::SendMouse(m_handle, message, MouseFlags(buttons, event->modifiers()), ToIPoint2(event->position()),
                    point);
    update();
}

void ViewportWidget::mousePressEvent(QMouseEvent* event)
{
    m_pressAt = m_lastAt = event->position().toPoint();
    m_dragged = false;
    m_pressForMode = CommandModeActive();
    if (!m_pressForMode)
        return;
    if (event->button() == Qt::LeftButton)
        Send(MOUSE_POINT, 0, event, event->buttons());
    else if (event->button() == Qt::RightButton)
        Send(MOUSE_PROPCLICK, 0, event, event->buttons());
}

void ViewportWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressForMode)
    {
        // The release ends the point the press began, also when that click ended the mode; the
        // button is no longer down.
        if (event->button() == Qt::LeftButton && CommandModeActive())
            Send(MOUSE_POINT, 1, event, event->buttons());
        m_pressForMode = event->buttons() != Qt::NoButton;
        return;
    }
    if (event->button() == Qt::LeftButton && !m_dragged)
        SelectAt(event->position().toPoint());
}

void ViewportWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The window system sends the second press of a quick double click as a double click: it is a
    // press all the same, or a mode that counts clicks would lose one.
    mousePressEvent(event);
    if (m_pressForMode && CommandModeActive())
        Send(MOUSE_DBLCLICK, 0, event, event->buttons());
}

void ViewportWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (CommandModeActive())
    {
        Send(event->buttons() == Qt::NoButton ? MOUSE_FREEMOVE : MOUSE_MOVE, 0, event, event->buttons());
        return;
    }
    if ((at - m_pressAt).manhattanLength() > kClickSlop)
        m_dragged = true;
    const QPoint delta = at - m_lastAt;
    m_lastAt = at;
    const bool pan = (event->buttons() & Qt::MiddleButton) ||
                     ((event->buttons() & Qt::LeftButton) && (event->modifiers() & Qt::ShiftModifier));
    if (pan)
        m_camera.Pan(static_cast<float>(delta.x()), static_cast<float>(delta.y()), height());
    else if (event->buttons() & Qt::LeftButton)
        m_camera.Orbit(static_cast<float>(delta.x()), static_cast<float>(delta.y()));
    else
        return;
    ApplyCamera();
    update();
}

void ViewportWidget::wheelEvent(QWheelEvent* event)
{
    if (CommandModeActive())
        return;
    m_camera.Zoom(static_cast<float>(event->angleDelta().y()) / 120.0f);
    ApplyCamera();
    update();
}

void ViewportWidget::SelectAt(QPoint pixel)
{
    ApplyCamera();
    Interface* host = GetCOREInterface();
    if (INode* node = host->PickNode(m_handle, IPoint2(pixel.x(), pixel.y())))
        host->SelectNode(OutermostGroupHead(node), 1);
    else
        host->ClearNodeSelection(TRUE);
    update();
}
} // namespace scenehost
