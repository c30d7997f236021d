// Where a form opens, on two screens side by side: 1600 x 1000, and 1280 x 800 to its right.

#include <hostforms/HostWindow.h>
#include <hostforms/MaxForm.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

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

    // The host window shown at the place, and a manager-sized form opened over it.
    QPointer<MaxForm> OpenOverHostAt(const QRect& place)
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

TEST_F(MaxFormScreenTest, AFormOpensOverTheHostWindowAndWhollyOnItsScreen)
{
    const QScreen* first = ScreenAt(QPoint(10, 10));
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->geometry(), QRect(0, 0, 1600, 1000));

    // A host window low on the screen: centred over it the form would reach past the bottom.
    QPointer<MaxForm> form = OpenOverHostAt(QRect(200, 560, 1000, 400));
    EXPECT_TRUE(first->availableGeometry().contains(form->frameGeometry()))
        << "opened at " << form->x() << "," << form->y();
    EXPECT_EQ(form->frameGeometry().bottom(), first->availableGeometry().bottom());
    EXPECT_EQ(form->size(), QSize(950, 670));
    // Across, it stands centred over the host window.
    EXPECT_LE(std::abs(form->frameGeometry().center().x() - m_host->frameGeometry().center().x()), 1);

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
    QPointer<MaxForm> form = OpenOverHostAt(QRect(2400, 100, 900, 600));
    EXPECT_TRUE(second->availableGeometry().contains(form->frameGeometry()))
        << "opened at " << form->x() << "," << form->y();
    form->close();

    // A form larger than the screen keeps its caption on it.
    m_host.reset();
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
    testing::InitGoogleTest(&argc, argv);
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("zanret-screens-" + std::to_string(::getpid()) + ".json");
    std::ofstream(config) << R"({ "screens": [
        { "name": "first", "x": 0, "y": 0, "width": 1600, "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 },
        { "name": "second", "x": 1600, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 }
    ] })";
    std::string platform = "offscreen:configfile=" + config.string();
    char name[] = "maxform_screen_tests";
    char option[] = "-platform";
    char* arguments[] = {name, option, platform.data(), nullptr};
    int count = 3;
    int result = 0;
    {
        QApplication application(count, arguments);
        result = RUN_ALL_TESTS();
    }
    std::filesystem::remove(config);
    return result;
}
