#pragma once
// The host's one viewport on the screen. While no command mode is active the mouse steers the
// camera (left drag orbits, middle drag or Shift + left drag pans, the wheel zooms) and a left click
// selects what is under it; while a command mode is active, every mouse event goes to that mode's
// mouse procedure as the host's mouse messages.

#include "OrbitCamera.h"
#include "SceneRenderer.h"

#include <hostsdk/Types.h>

#include <QPoint>
#include <QWidget>

namespace scenehost
{
class ViewportWidget : public QWidget
{
public:
    explicit ViewportWidget(QWidget* parent = nullptr);

    // The host's window handle of this viewport.
    HWND Handle() const { return m_handle; }
    // The pixel where a world point shows, or false when it is behind the camera.
    bool PixelOf(const Point3& world, QPoint& pixel) const;
    // The picture as it is drawn now.
    QImage Picture();
    // Slides the view by pixels, as a pan drag does.
    void PanBy(int dx, int dy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Hands the camera and the size to the host's viewport.
    void ApplyCamera();
    bool CommandModeActive() const;
    // A mouse message to the active command mode.
    void Send(int message, int point, const QMouseEvent* event, Qt::MouseButtons buttons);
    void SelectAt(QPoint pixel);

    HWND m_handle;
    OrbitCamera m_camera;
    SceneRenderer m_renderer;
    QPoint m_pressAt;
    QPoint m_lastAt;
    bool m_dragged = false;
    // The press went to a command mode: its release is the mode's too.
    bool m_pressForMode = false;
};
} // namespace scenehost
