#include "scene/PlacementProc.h"

#include "scene/Placement.h"

namespace ZANRET
{
int PlacementProc::proc(HWND hwnd, int msg, int, int flags, IPoint2 m)
{
    switch (msg)
    {
    case MOUSE_POINT:
        if (flags & MOUSE_LBUTTON)
            Placement::OnClick(m);
        break;
    case MOUSE_FREEMOVE:
        Placement::OnMouseMove(m, hwnd);
        break;
    case MOUSE_PROPCLICK:
        Placement::CancelPlacement();
        break;
    default:
        break;
    }
    return TRUE;
}
} // namespace ZANRET
