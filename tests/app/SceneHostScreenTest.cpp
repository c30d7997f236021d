// Where scene-host's window first opens and where a plug-in's form opens with it, on two screens of
// stated sizes: a small one of 1024 x 768 (the primary screen) and a roomy one of 2560 x 1440 to its
// right. The form is the manager's size, 950 x 670.

#include "HostMainWindow.h"
#include "OffscreenScreens.h"
#include "PluginHost.h"
#include "ViewportWidget.h"

#include <hostforms/HostWindow.h>
#include <hostforms/MaxForm.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>

namespace
{
QRect OnScreen(const QWidget* widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

std::int64_t Covered(const QRect& frame, const QRect& viewport)
{
    const QRect covered = frame.intersected(viewport);
    return covered.isEmpty() ? 0 : std::int64_t{covered.width()} * covered.height();
}

// The least of the viewport that a frame of the size wholly in the area can cover, tried everywhere.
std::int64_t LeastCovered(const QSize& frame, const QRect& area, const QRect& viewport)
{
    std::int64_t least = std::numeric_limits<std::int64_t>::max();
    for (int x = area.left(); x + frame.width() - 1 <= area.right(); ++x)
        for (int y = area.top(); y + frame.height() - 1 <= area.bottom(); ++y)
            least = std::min(least, Covered(QRect(QPoint(x, y), frame), viewport));
    return least;
}

class SceneHostScreen : public testing::Test
{
protected:
    void TearDown() override
    {
        if (m_form)
            m_form->close();
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        hostforms::SetHostMainWindow(nullptr);
        hostforms::SetHostViewport(nullptr);
    }

    static QScreen* Screen(const QString& name)
    {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name)
                return screen;
        return nullptr;
    }

    // The host window as scene-host opens it, put first on the screen, and the form opened with it.
    void OpenOn(const QScreen& screen)
    {
        m_window = std::make_unique<scenehost::HostMainWindow>(m_plugins);
        m_window->PlaceFirst(screen.availableGeometry());
        m_window->show();
        hostforms::SetHostMainWindow(m_window.get());
        hostforms::SetHostViewport(m_window->Viewport());
        m_form = new hostforms::MaxForm();
        m_form->resize(950, 670);
        m_form->ShowModeless();
    }

    // Every part of the host window lies on the screen.
    void ExpectWholeWindowOn(const QRect& available) const
    {
        EXPECT_TRUE(available.contains(m_window->frameGeometry()));
        for (const QWidget* part : {static_cast<const QWidget*>(m_window->menuBar()),
                                    static_cast<const QWidget*>(m_window->QuickAccess()),
                                    static_cast<const QWidget*>(m_window->Viewport()),
                                    static_cast<const QWidget*>(m_window->statusBar()),
                                    static_cast<const QWidget*>(m_window->PromptLine())})
            EXPECT_TRUE(available.contains(OnScreen(part))) << part->metaObject()->className();
        // Above the host: a tool window of its own.
        EXPECT_EQ(m_form->windowType(), Qt::Tool);
        ASSERT_NE(m_form->windowHandle(), nullptr);
        EXPECT_EQ(m_form->windowHandle()->transientParent(), m_window->windowHandle());
        EXPECT_TRUE(available.contains(m_form->frameGeometry()));
        EXPECT_EQ(m_form->size(), QSize(950, 670));
    }

    scenehost::PluginHost m_plugins;
    std::unique_ptr<scenehost::HostMainWindow> m_window;
    QPointer<hostforms::MaxForm> m_form;
};

TEST_F(SceneHostScreen, OnARoomyScreenTheFormOpensAgainstTheHostWindowsRightEdge)
{
    const QScreen* wide = Screen(QStringLiteral("wide"));
    ASSERT_NE(wide, nullptr);
    const QRect available = wide->availableGeometry();
    ASSERT_EQ(available, QRect(1024, 0, 2560, 1440));
    OpenOn(*wide);

    ExpectWholeWindowOn(available);
    // A sensible size, not the whole of a large screen.
    EXPECT_LE(m_window->width(), 1100);
    EXPECT_LE(m_window->height(), 760);
    EXPECT_GE(m_window->width(), 800);
    EXPECT_GE(m_window->height(), 600);

    const QRect host = m_window->frameGeometry();
    EXPECT_EQ(m_form->frameGeometry().left(), host.right() + 1);
    EXPECT_EQ(m_form->frameGeometry().top(), host.top());
    EXPECT_FALSE(m_form->frameGeometry().intersects(host));
}

TEST_F(SceneHostScreen, OnASmallScreenEveryPartShowsAndTheFormCoversTheLeastOfTheViewport)
{
    const QScreen* small = QGuiApplication::primaryScreen();
    ASSERT_EQ(small, Screen(QStringLiteral("small")));
    const QRect available = small->availableGeometry();
    ASSERT_EQ(available, QRect(0, 0, 1024, 768));
    OpenOn(*small);

    ExpectWholeWindowOn(available);
    // The window uses the screen: most of its width and height.
    EXPECT_GE(m_window->frameGeometry().width(), available.width() - 50);
    EXPECT_GE(m_window->frameGeometry().height(), available.height() - 100);

    // No room beside the host window: wherever the form could be on the screen, it covers at least
    // as much of the viewport as where it opened.
    const QRect viewport = OnScreen(m_window->Viewport());
    const std::int64_t covered = Covered(m_form->frameGeometry(), viewport);
    EXPECT_EQ(covered, LeastCovered(m_form->frameGeometry().size(), available, viewport));
    EXPECT_LT(covered, std::int64_t{viewport.width()} * viewport.height());
}

TEST_F(SceneHostScreen, TheWindowMadeByTheProgramOpensOnThePrimaryScreen)
{
    // As main() makes it: placed by its constructor, for the screen it is made on.
    scenehost::HostMainWindow window(m_plugins);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window.show();
    EXPECT_TRUE(available.contains(window.frameGeometry()));
    EXPECT_EQ(window.frameGeometry().topLeft(), available.topLeft());
    window.close();
}
} // namespace

int main(int argc, char** argv)
{
    return RunTestsOnScreens(argc, argv, {{"small", 0, 0, 1024, 768}, {"wide", 1024, 0, 2560, 1440}});
}
