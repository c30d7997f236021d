#include <hostforms/PictureBox.h>

#include <QImage>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using hostforms::PictureBox;

namespace
{
TEST(PictureBoxTest, TheImageShowsAtItsOwnSizeFromTheTopLeftCornerClipped)
{
    QImage image(200, 40, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.setPixelColor(0, 0, Qt::blue);

    PictureBox box;
    box.resize(110, 330);
    box.SetImage(image);
    image.fill(Qt::green);
    EXPECT_EQ(box.Image().pixelColor(5, 5), QColor(Qt::red)) << "the box keeps its own copy";

    const QImage shown = box.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(110, 330));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(109, 39), QColor(Qt::red)) << "not scaled: clipped at the box's edge";
    EXPECT_NE(shown.pixelColor(50, 100), QColor(Qt::red)) << "nothing below the image";
}

TEST(PictureBoxTest, ClicksWithAnyButtonAreReported)
{
    QWidget parent;
    parent.resize(300, 400);
    auto* box = new PictureBox(&parent);
    box->setGeometry(10, 10, 110, 330);
    std::vector<Qt::MouseButton> clicks;
    box->SetClickHandler([&clicks](Qt::MouseButton button) { clicks.push_back(button); });
    parent.show();

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(100, 300));
    QTest::mouseClick(box, Qt::MiddleButton);
    // Pressed over the box but released outside it: no click.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(clicks, (std::vector<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}));
}

TEST(PictureBoxTest, AClickMayRemoveTheBox)
{
    // As a preview does: its click rebuilds the panel, which destroys the clicked box.
    QWidget parent;
    parent.resize(300, 400);
    QPointer<PictureBox> box = new PictureBox(&parent);
    box->resize(110, 330);
    int clicks = 0;
    box->SetClickHandler(
        [&](Qt::MouseButton)
        {
            ++clicks;
            delete box.data();
        });
    parent.show();
    QTest::mouseClick(box.data(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box.isNull());
}
} // namespace

namespace
{
TEST(PictureBoxTest, AnImageSourceRunsOnceWhenTheBoxFirstComesIntoView)
{
    QWidget window;
    window.resize(300, 400);
    auto* page = new QWidget(&window);
    page->setGeometry(0, 0, 300, 400);
    int made = 0;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    const auto source = [&made, image]
    {
        ++made;
        return image;
    };

    // Out of its parent's area, and on a hidden page: not made.
    auto* outside = new PictureBox(&window);
    outside->setGeometry(0, 500, 100, 100);
    outside->SetImageSource(source);
    page->hide();
    auto* onHiddenPage = new PictureBox(page);
    onHiddenPage->setGeometry(10, 10, 100, 100);
    onHiddenPage->SetImageSource(source);
    window.show();
    EXPECT_EQ(made, 0);
    EXPECT_FALSE(outside->HasImage());

    // Shown with its page, or moved into view: made, once.
    page->show();
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(onHiddenPage->HasImage());
    outside->move(0, 350);
    outside->move(10, 350);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(outside->Image().pixelColor(0, 0), QColor(Qt::red));

    // Asked for, a box that was never seen makes its image too; a plain image replaces a source.
    PictureBox unseen;
    unseen.SetImageSource(source);
    EXPECT_EQ(unseen.Image().size(), QSize(10, 10));
    EXPECT_EQ(made, 3);
    PictureBox replaced;
    replaced.SetImageSource(source);
    replaced.SetImage(QImage());
    EXPECT_TRUE(replaced.HasImage());
    EXPECT_TRUE(replaced.Image().isNull());
    EXPECT_EQ(made, 3);
}
} // namespace
