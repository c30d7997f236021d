#include "scene/Placement.h"

#include "repository/Debug.h"
#include "scene/Builder.h"
#include "scene/PlacementCleanup.h"
#include "scene/PlacementMode.h"
#include "scene/PlacementRay.h"
#include "scene/PlacementState.h"
#include "scene/PlacementWatch.h"

#include "hostsdk/Interface.h"

namespace ZANRET::Placement
{
namespace
{
constexpr double kRadiansPerPixel = 0.01;

// Everything placement reads and writes of the node happens at time 0.
constexpr TimeValue kNodeTime = 0;

// Ends the host's command mode; the placement itself is idle by now.
void LeavePlacementMode()
{
    GetCOREInterface()->ExecuteCommand(kSelectToolCommand);
}

// Winds up a placement whose node left the scene meanwhile, as a cancel would: what is left of the
// character goes and the mode is left. True when there was one; the event that found it does
// nothing else.
bool EndLostPlacement()
{
    PlacementState& s = Current();
    if (!s.lost)
        return false;
    s.lost = false;
    Debug::AddDebugMessage(DEBUG_WARNING,
                           L"Placement - node left the scene during placement, placement cancelled");
    PlacementCleanup::RemoveRemains();
    PlacementWatch::Stop();
    LeavePlacementMode();
    return true;
}

// A lost placement that no mouse event wound up was left by the user some other way; what is left
// of that character is theirs now.
void ForgetLostPlacement()
{
    PlacementState& s = Current();
    if (!s.lost)
        return;
    s.lost = false;
    PlacementWatch::Stop();
}

// The node follows the surface or the ground plane under m; false when neither is under it.
bool FollowMouse(Matrix3& tm, IPoint2 m, HWND hwnd)
{
    Point3 target;
    if (!PickSurfacePoint(target, m, hwnd) &&
        !PlacementRay::GroundPoint(PlacementRay::WorldRay(hwnd, m), target))
        return false;
    tm.SetTrans(target);
    return true;
}

// The node turns about the world Z axis at its position; the angle counts from the fixing click.
Matrix3 TurnedAtPosition(INode* node, IPoint2 m)
{
    const float pixels = static_cast<float>(m.x - Current().rotateStart.x);
    const float angle = static_cast<float>(pixels * kRadiansPerPixel);
    const Point3 position = node->GetNodeTM(kNodeTime).GetTrans();
    Matrix3 tm;
    tm.IdentityMatrix();
    tm.Scale(Builder::GetUnitScale(), FALSE);
    tm.RotateZ(angle);
    tm.Translate(position);
    return tm;
}
} // namespace

PlacementState& Current()
{
    static PlacementState state;
    return state;
}

void OnNodeLost()
{
    PlacementState& s = Current();
    s.node = nullptr;
    s.state = STATE_IDLE;
    s.lost = true;
}

void StartPlacement(INode* node)
{
    if (!node)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Placement::StartPlacement - node is nullptr");
        return;
    }
    ForgetLostPlacement();
    PlacementState& s = Current();
    if (s.node)
        Debug::AddDebugMessage(DEBUG_WARNING, L"Placement::StartPlacement node alreay set!");
    if (!s.mode)
        s.mode = new PlacementMode();
    if (!s.mode)
    {
        // The character stays where the build left it.
        Debug::AddDebugMessage(DEBUG_ERROR,
                               L"Placement::StartPlacement - could not create the placement mode");
        PlacementWatch::Stop();
        s.node = nullptr;
        s.state = STATE_IDLE;
        return;
    }
    s.node = node;
    s.state = STATE_PLACE;
    PlacementWatch::Watch(node);
    GetCOREInterface()->PushCommandMode(s.mode);
}

void OnMouseMove(IPoint2 m, HWND hwnd)
{
    if (EndLostPlacement())
        return;
    PlacementState& s = Current();
    if (!s.node)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"No node selected for placement");
        return;
    }
    Matrix3 tm = s.node->GetNodeTM(kNodeTime);
    if (s.state == STATE_PLACE)
    {
        if (!FollowMouse(tm, m, hwnd))
            return;
    }
    else if (s.state == STATE_ROTATE)
        tm = TurnedAtPosition(s.node, m);
    else
        return;
    s.node->SetNodeTM(kNodeTime, tm);
    Interface* ip = GetCOREInterface();
    ip->RedrawViews(ip->GetTime(), REDRAW_NORMAL, nullptr);
}

void OnClick(IPoint2 m)
{
    if (EndLostPlacement())
        return;
    PlacementState& s = Current();
    if (!s.node)
        return;
    Interface* ip = GetCOREInterface();
    if (s.state == STATE_PLACE)
    {
        s.state = STATE_ROTATE;
        s.rotateStart = m;
        Debug::AddDebugMessage(DEBUG_INFO, L"Clicked in place mode...");
        s.mode->PushPrompt(_M("Rotate your ZANRET Character"));
        return;
    }
    if (s.state != STATE_ROTATE)
        return;
    // The group head takes over the placed transform, so the group moves as one from now on.
    INode* head = s.node->GetParentNode();
    if (s.node->IsGroupMember() && head)
    {
        Matrix3 tm = s.node->GetNodeTM(kNodeTime);
        Matrix3 identity;
        s.node->SetNodeTM(kNodeTime, identity);
        head->SetNodeTM(kNodeTime, tm);
    }
    ip->SelectNode(s.node, 1);
    PlacementWatch::Stop();
    LeavePlacementMode();
    s.node = nullptr;
    s.state = STATE_IDLE;
    Debug::AddDebugMessage(DEBUG_INFO, L"Clicked in rotate mode...");
}

void CancelPlacement()
{
    Debug::AddDebugMessage(DEBUG_INFO, L"cancel placement...");
    if (EndLostPlacement())
        return;
    PlacementState& s = Current();
    if (!s.node)
        return;
    PlacementCleanup::RemoveCharacter(s.node);
    PlacementWatch::Stop();
    // Our own deletions were announced too; they are no loss to wind up later.
    s.lost = false;
    s.node = nullptr;
    s.state = STATE_IDLE;
    LeavePlacementMode();
}

INode* GetNode()
{
    return Current().node;
}

std::int32_t GetState()
{
    return Current().state;
}

IPoint2 GetRotateStart()
{
    return Current().rotateStart;
}

PlacementMode* GetMode()
{
    return Current().mode;
}
} // namespace ZANRET::Placement
