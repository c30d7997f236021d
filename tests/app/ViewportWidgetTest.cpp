// The viewport's mouse: the host's mouse messages to a running command mode, and camera steering
// and selection while none runs.

#include "ViewportWidget.h"
#include "SceneWalk.h"
#include "UserInput.h"
#include "ViewProjection.h"

#include <hostsdk/Host.h>
#include <hostsdk/hostsdk.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace scenehost;

namespace
{
struct MouseMessage
{
    HWND hwnd;
    int msg;
    int point;
    int flags;
    IPoint2 at;
};

// A command mode that records what its mouse procedure receives, and may act on it.
class RecordingMode : public CommandMode
{
public:
    class Proc : public MouseCallBack
    {
    public:
        explicit Proc(RecordingMode& mode) : m_mode(mode) {}
        int proc(HWND hwnd, int msg, int point, int flags, IPoint2 m) override
        {
            m_mode.messages.push_back({hwnd, msg, point, flags, m});
            if (m_mode.onMessage)
                m_mode.onMessage(msg, flags);
            return TRUE;
        }

    private:
        RecordingMode& m_mode;
    };

    int Class() override { return PICK_COMMAND; }
    int ID() override { return 0x4321; }
    MouseCallBack* MouseProc(int* numPoints) override
    {
        *numPoints = 2;
        return &m_proc;
    }
    ChangeForegroundCallback* ChangeFGProc() override { return nullptr; }
    BOOL ChangeFG(CommandMode*) override { return FALSE; }
    void EnterMode() override {}
    void ExitMode() override {}

    std::vector<MouseMessage> messages;
    std::function<void(int msg, int flags)> onMessage;

private:
    Proc m_proc{*this};
};

void Drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(from), widget->mapToGlobal(QPointF(from)), button,
                      button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton, button,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(to), widget->mapToGlobal(QPointF(to)), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    Settle();
}

class ViewportMouse : public testing::Test
{
protected:
    void SetUp() override
    {
        Host::Reset();
        m_viewport = std::make_unique<ViewportWidget>();
        m_viewport->resize(400, 300);
        m_viewport->show();
        Settle();
    }
    void TearDown() override
    {
        m_viewport.reset();
        Host::Reset();
    }

    // A grouped character of two boxes standing at the origin; returns its group head.
    static INode* MakeCharacter()
    {
        Interface* host = GetCOREInterface();
        INode* parent =
            host->CreateObjectNode(static_cast<Object*>(CreateInstance(HELPER_CLASS_ID, kHelperClassID)));
        INodeTab members;
        members.AppendNode(parent);
        for (int i = 0; i < 2; ++i)
        {
            INode* mesh = host->CreateObjectNode(
                static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID)));
            parent->AttachChild(mesh, 1);
            members.AppendNode(mesh);
        }
        MSTR name(_M("character"));
        return host->GroupNodes(&members, &name, FALSE);
    }

    std::unique_ptr<ViewportWidget> m_viewport;
};

TEST_F(ViewportMouse, ARunningCommandModeGetsTheHostsMouseMessages)
{
    RecordingMode mode;
    GetCOREInterface()->PushCommandMode(&mode);
    MoveTo(m_viewport.get(), QPoint(50, 60));
    Click(m_viewport.get(), QPoint(70, 80));
    Click(m_viewport.get(), QPoint(90, 20), Qt::RightButton);
    GetCOREInterface()->PopCommandMode();

    ASSERT_EQ(mode.messages.size(), 4u);
    for (const MouseMessage& m : mode.messages)
        EXPECT_EQ(m.hwnd, m_viewport->Handle());
    EXPECT_EQ(mode.messages[0].msg, MOUSE_FREEMOVE);
    EXPECT_EQ(mode.messages[0].at, IPoint2(50, 60));
    EXPECT_EQ(mode.messages[0].flags & MOUSE_LBUTTON, 0);
    // Press and release of the left button: a point with the button down, then one without.
    EXPECT_EQ(mode.messages[1].msg, MOUSE_POINT);
    EXPECT_NE(mode.messages[1].flags & MOUSE_LBUTTON, 0);
    EXPECT_EQ(mode.messages[1].at, IPoint2(70, 80));
    EXPECT_EQ(mode.messages[2].msg, MOUSE_POINT);
    EXPECT_EQ(mode.messages[2].flags & MOUSE_LBUTTON, 0);
    EXPECT_EQ(mode.messages[3].msg, MOUSE_PROPCLICK);
}

TEST_F(ViewportMouse, AQuickSecondClickIsAClickForTheCommandModeToo)
{
    RecordingMode mode;
    GetCOREInterface()->PushCommandMode(&mode);
    Click(m_viewport.get(), QPoint(70, 80));
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(71, 80), m_viewport->mapToGlobal(QPointF(71, 80)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_viewport.get(), &twice);
    GetCOREInterface()->PopCommandMode();

    int clicks = 0;
    for (const MouseMessage& m : mode.messages)
        if (m.msg == MOUSE_POINT && (m.flags & MOUSE_LBUTTON))
            ++clicks;
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(mode.messages.back().msg, MOUSE_DBLCLICK);
}

TEST_F(ViewportMouse, WithoutACommandModeTheMouseSteersTheCameraAndSelectsWholeCharacters)
{
    const Point3 eye = ViewProjection::Of(m_viewport->Handle()).Eye();
    Drag(m_viewport.get(), QPoint(200, 150), QPoint(260, 140), Qt::LeftButton);
    const Point3 orbited = ViewProjection::Of(m_viewport->Handle()).Eye();
    EXPECT_GT((orbited - eye).Length(), 1.0f);
    EXPECT_EQ(GetCOREInterface()->GetSelNodeCount(), 0); // a drag selects nothing

    QWheelEvent wheel(QPointF(200, 150), m_viewport->mapToGlobal(QPointF(200, 150)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_viewport.get(), &wheel);
    const ViewProjection zoomed = ViewProjection::Of(m_viewport->Handle());
    EXPECT_LT((zoomed.Eye() - Point3(0.0f, 0.0f, 80.0f)).Length(),
              (orbited - Point3(0.0f, 0.0f, 80.0f)).Length());

    INode* head = MakeCharacter();
    QPoint pixel;
    ASSERT_TRUE(m_viewport->PixelOf(SubtreeBounds(head).Center(), pixel));
    Click(m_viewport.get(), pixel);
    ASSERT_EQ(GetCOREInterface()->GetSelNodeCount(), 1);
    EXPECT_EQ(GetCOREInterface()->GetSelNode(0), head);

    Click(m_viewport.get(), QPoint(2, 2)); // sky
    EXPECT_EQ(GetCOREInterface()->GetSelNodeCount(), 0);
}

TEST_F(ViewportMouse, TheReleaseOfAClickThatEndedTheCommandModeSelectsNothing)
{
    INode* head = MakeCharacter();
    QPoint pixel;
    ASSERT_TRUE(m_viewport->PixelOf(SubtreeBounds(head).Center(), pixel));
    RecordingMode mode;
    mode.onMessage = [](int msg, int flags)
    {
        if (msg == MOUSE_POINT && (flags & MOUSE_LBUTTON))
            GetCOREInterface()->PopCommandMode();
    };
    GetCOREInterface()->PushCommandMode(&mode);
    Click(m_viewport.get(), pixel);
    EXPECT_TRUE(Host::CommandModes().empty());
    EXPECT_EQ(mode.messages.size(), 1u);
    EXPECT_EQ(GetCOREInterface()->GetSelNodeCount(), 0);
}
} // namespace
