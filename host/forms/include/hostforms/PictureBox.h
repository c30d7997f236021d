#pragma once
// A control that shows an image at its natural size from its top-left corner, clipped to the
// control, and reports mouse clicks with any button. The image may be given as a source that makes
// it only when the box first comes into view in its window (shown, moved into its parents' area, or
// painted), so that a box that is never seen costs no decoding.

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
    using ImageSource = std::function<QImage()>;

    explicit PictureBox(QWidget* parent = nullptr);

    // The box keeps its own copy; a null image shows nothing.
    void SetImage(const QImage& image);
    // The image is made by the source, once, when the box first comes into view or its image is
    // asked for.
    void SetImageSource(ImageSource source);
    const QImage& Image() const;
    // False while a source has not made its image yet.
    bool HasImage() const { return !m_source; }

    void SetClickHandler(ClickHandler handler);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void MakeImage() const;
    void MakeImageWhenInView();

    mutable QImage m_image;
    mutable ImageSource m_source;
    ClickHandler m_onClick;
    Qt::MouseButtons m_pressed;
};
} // namespace hostforms
