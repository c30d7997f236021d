#pragma once
// A panel that scrolls automatically: controls stand at fixed positions on its surface, and scroll
// bars appear when the shown controls reach beyond the visible area.

#include <QPoint>
#include <QScrollArea>

namespace hostforms
{
class ScrollPanel : public QScrollArea
{
public:
    explicit ScrollPanel(QWidget* parent = nullptr);

    // Where controls go. Positions on it do not depend on the scroll position.
    QWidget* Surface() const { return m_surface; }
    // Puts a control on the surface; it is shown with the panel unless code hid it explicitly.
    void AddControl(QWidget* control);

    // How far the panel is scrolled, right and down, in pixels. Positions beyond the end are
    // clamped to it.
    QPoint ScrollPosition() const;
    void SetScrollPosition(QPoint position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The surface covers exactly the shown controls, so that the scroll range follows them.
    void FitSurface();
    void RequestFit();

    QWidget* m_surface;
    bool m_fitPending = false;
};
} // namespace hostforms
