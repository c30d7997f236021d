#include "HostFixture.h"

#include <vector>

namespace
{
class RejectNamed : public PickNodeCallback
{
public:
    explicit RejectNamed(INode* rejected) : m_rejected(rejected) {}
    BOOL Filter(INode* node) override
    {
        ++calls;
        return node != m_rejected;
    }
    int calls = 0;

private:
    INode* m_rejected;
};

class RecordingMode : public CommandMode
{
public:
    class Proc : public MouseCallBack
    {
    public:
        int proc(HWND, int msg, int, int flags, IPoint2 m) override
        {
            messages.push_back(msg);
            lastFlags = flags;
            last = m;
            return TRUE;
        }
        std::vector<int> messages;
        int lastFlags = 0;
        IPoint2 last;
    };
    int Class() override { return 10; }
    int ID() override { return 0x782F67; }
    MouseCallBack* MouseProc(int* points) override
    {
        *points = 2;
        return &proc;
    }
    ChangeForegroundCallback* ChangeFGProc() override { return &fg; }
    BOOL ChangeFG(CommandMode* old) override { return old->ChangeFGProc() != &fg; }
    void EnterMode() override
    {
        ++entered;
        GetCOREInterface()->PushPrompt(_M("Place"));
    }
    void ExitMode() override
    {
        ++exited;
        GetCOREInterface()->PopPrompt();
    }
    Proc proc;
    ChangeFGObject fg;
    int entered = 0;
    int exited = 0;
};
} // namespace

using Views = HostTest;

TEST_F(Views, RaysFromAKnownCamera)
{
    HWND vp = Host::CreateViewport(200, 100);
    Host::SetViewportCamera(vp, Point3(0.0f, 0.0f, 100.0f), Point3(0.0f, 0.0f, 0.0f),
                            Point3(0.0f, 1.0f, 0.0f), 90.0f);
    ViewExp& view = ip->GetViewExp(vp);
    ASSERT_TRUE(view.IsAlive());
    const Ray centre = view.MapScreenToWorldRay(100.0f, 50.0f);
    ExpectPointNear(centre.p, Point3(0.0f, 0.0f, 100.0f));
    ExpectPointNear(centre.dir, Point3(0.0f, 0.0f, -1.0f));
    // Top edge, centre column: 45 degrees up (towards +y) with a 90 degree field of view.
    const Ray top = view.MapScreenToWorldRay(100.0f, 0.0f);
    ExpectPointNear(top.dir, Normalize(Point3(0.0f, 1.0f, -1.0f)));
    // Right edge: twice as wide as high.
    const Ray right = view.MapScreenToWorldRay(200.0f, 50.0f);
    ExpectPointNear(right.dir, Normalize(Point3(2.0f, 0.0f, -1.0f)));

    EXPECT_FLOAT_EQ(Host::ViewportFieldOfView(vp), 90.0f);
    ViewExp& none = ip->GetViewExp(nullptr);
    EXPECT_FALSE(none.IsAlive());
    EXPECT_EQ(none.MapScreenToWorldRay(1.0f, 1.0f).dir, Point3());
}

TEST_F(Views, PickingFindsTheNearestNodeTheFilterPasses)
{
    HWND vp = Host::CreateViewport(100, 100);
    Host::SetViewportCamera(vp, Point3(0.0f, 0.0f, 200.0f), Point3(), Point3(0.0f, 1.0f, 0.0f), 60.0f);
    INode* low = MakeBoxNode(Point3(0.0f, 0.0f, 0.0f), _M("low"));
    INode* high = MakeBoxNode(Point3(0.0f, 0.0f, 50.0f), _M("high"));
    MakeHelperNode(); // no geometry: never picked
    MakeBoxNode(Point3(500.0f, 0.0f, 0.0f), _M("aside"));

    EXPECT_EQ(ip->PickNode(vp, IPoint2(50, 50)), high);
    RejectNamed filter(high);
    EXPECT_EQ(ip->PickNode(vp, IPoint2(50, 50), &filter), low);
    EXPECT_EQ(filter.calls, 2); // only nodes whose bounds the ray meets are offered
    EXPECT_EQ(ip->PickNode(vp, IPoint2(0, 0)), nullptr);
    EXPECT_EQ(ip->PickNode(nullptr, IPoint2(50, 50)), nullptr);
}

TEST_F(Views, CommandModesGetTheMouseUntilTheSelectCommand)
{
    HWND vp = Host::CreateViewport(100, 100);
    RecordingMode mode;
    EXPECT_EQ(Host::SendMouse(vp, MOUSE_FREEMOVE, 0, IPoint2(1, 2)), 0); // nothing to receive it
    ip->PushCommandMode(&mode);
    EXPECT_EQ(mode.entered, 1);
    EXPECT_EQ(ip->GetCommandMode(), &mode);
    EXPECT_EQ(Host::SendMouse(vp, MOUSE_POINT, MOUSE_LBUTTON, IPoint2(3, 4)), TRUE);
    EXPECT_EQ(mode.proc.messages, std::vector<int>{MOUSE_POINT});
    EXPECT_EQ(mode.proc.lastFlags, MOUSE_LBUTTON);
    EXPECT_EQ(mode.proc.last, IPoint2(3, 4));

    // Pushed again while active: left and entered again, once on the stack.
    ip->PushCommandMode(&mode);
    EXPECT_EQ(mode.exited, 1);
    EXPECT_EQ(mode.entered, 2);
    EXPECT_EQ(Host::CommandModes().size(), 1u);
    EXPECT_EQ(Host::Prompts().size(), 1u);

    ip->ExecuteCommand(kSelectToolCommand);
    EXPECT_EQ(mode.exited, 2);
    EXPECT_TRUE(Host::CommandModes().empty());
    EXPECT_TRUE(Host::Prompts().empty());
    EXPECT_EQ(Host::ExecutedCommands(), std::vector<int>{91});
    ip->ExecuteCommand(91); // nothing left to leave
    EXPECT_EQ(mode.exited, 2);

    ip->RedrawViews(ip->GetTime(), REDRAW_NORMAL, nullptr);
    EXPECT_EQ(Host::RedrawCount(), 1);
}
