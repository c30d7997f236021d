#pragma once
// A control that shows an image at its natural size from its top-left corner, clipped to the
// control, and reports mouse clicks with any button.

#include <QImage>
#include <QWidget>

#include <functional>

namespace hostforms
{
class PictureBox : public QWidget
{
public:
    // Called when a button is pressed and released over the box. The handler may destroy the box.
    using ClickHandler = std::function<void(Qt::MouseButton button)>;

    explicit PictureBox(QWidget* parent = nullptr);

    // The box keeps its own copy; a null image shows nothing.
    void SetImage(const QImage& image);
    const QImage& Image() const { return m_image; }

    void SetClickHandler(ClickHandler handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    ClickHandler m_onClick;
    Qt::MouseButtons m_pressed;
};
} // namespace hostforms
