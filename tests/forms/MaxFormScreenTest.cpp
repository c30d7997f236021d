// Where a form opens, on two screens side by side: 1600 x 1000, and 1280 x 800 to its right. The
// host windows here have no viewport of their own: the whole host window counts as viewport.

#include "OffscreenScreens.h"

#include <hostforms/HostWindow.h>
#include <hostforms/MaxForm.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using hostforms::MaxForm;

namespace
{
class MaxFormScreenTest : public testing::Test
{
protected:
    void TearDown() override
    {
        hostforms::SetHostMainWindow(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QScreen* ScreenAt(QPoint point) { return QGuiApplication::screenAt(point); }

    // The host window shown at the place, and a manager-sized form opened with it.
    QPointer<MaxForm> OpenWithHostAt(const QRect& place)
    {
        m_host = std::make_unique<QWidget>();
        m_host->setGeometry(place);
        m_host->show();
        hostforms::SetHostMainWindow(m_host.get());
        QPointer<MaxForm> form = new MaxForm();
        form->resize(950, 670);
        form->ShowModeless();
        return form;
    }

    std::unique_ptr<QWidget> m_host;
};

TEST_F(MaxFormScreenTest, AFormOpensBesideTheHostWindowOrWhereItCoversTheLeastOfIt)
{
    const QScreen* first = ScreenAt(QPoint(10, 10));
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->availableGeometry(), QRect(0, 0, 1600, 1000));

    // Room on the right: against the host window's right edge, level with its top.
    QPointer<MaxForm> form = OpenWithHostAt(QRect(100, 120, 500, 600));
    QRect host = m_host->frameGeometry();
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(host.right() + 1, host.top()));
    EXPECT_EQ(form->size(), QSize(950, 670));
    form->close();

    // Room on the left only: against the left edge, level with the top, covering nothing.
    form = OpenWithHostAt(QRect(1000, 100, 560, 600));
    host = m_host->frameGeometry();
    EXPECT_EQ(form->frameGeometry().right() + 1, host.left());
    EXPECT_EQ(form->frameGeometry().top(), host.top());
    form->close();

    // A wide host window low on the screen: above it, against the screen's top and right edges,
    // where it covers 554 x 114 of the host window and every other place more.
    form = OpenWithHostAt(QRect(200, 560, 1000, 400));
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(1600 - form->frameGeometry().width(), 0));
    EXPECT_EQ(form->frameGeometry().intersected(m_host->geometry()).size(), QSize(554, 114));
    EXPECT_TRUE(first->availableGeometry().contains(form->frameGeometry()));

    // Shown again after the user moved it: it stays where the user put it.
    form->hide();
    form->move(40, 30);
    form->ShowModeless();
    EXPECT_EQ(form->pos(), QPoint(40, 30));
    form->close();
}

TEST_F(MaxFormScreenTest, AFormOpensOnTheScreenOfTheHostWindow)
{
    const QScreen* second = ScreenAt(QPoint(1700, 10));
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(second->geometry(), QRect(1600, 0, 1280, 800));

    // Half off the right edge of the second screen.
    QPointer<MaxForm> form = OpenWithHostAt(QRect(2400, 100, 900, 600));
    EXPECT_TRUE(second->availableGeometry().contains(form->frameGeometry()))
        << "opened at " << form->x() << "," << form->y();
    form->close();

    // Without a host window: centred on the screen; a form larger than the screen keeps its caption
    // on it.
    m_host.reset();
    QPointer<MaxForm> centred = new MaxForm();
    centred->resize(950, 670);
    centred->ShowModeless();
    // The frame is not known before the form shows: its centre may be off by its width.
    const QPoint off =
        centred->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(off.manhattanLength(), 4) << off.x() << "," << off.y();
    centred->close();
    QPointer<MaxForm> large = new MaxForm();
    large->resize(2000, 1200);
    large->ShowModeless();
    EXPECT_EQ(large->frameGeometry().topLeft(),
              QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    large->close();
}
} // namespace

int main(int argc, char** argv)
{
    return RunTestsOnScreens(argc, argv, {{"first", 0, 0, 1600, 1000}, {"second", 1600, 0, 1280, 800}});
}
