#pragma once
// A viewport: a window with a perspective camera.

#include "hostsdk/Matrix3.h"
#include "hostsdk/Types.h"

class ViewExp
{
public:
    virtual ~ViewExp() = default;
    // False for a window that is not a viewport.
    virtual bool IsAlive() = 0;
    virtual HWND GetHWnd() = 0;
    // The world ray from the camera through the pixel (sx, sy), y downwards; its direction is a
    // unit vector.
    virtual Ray MapScreenToWorldRay(float sx, float sy) = 0;
    virtual void MapScreenToWorldRay(float sx, float sy, Ray& ray) { ray = MapScreenToWorldRay(sx, sy); }
    // The camera: world position and orientation (rows: right, up, backwards, position).
    virtual Matrix3 GetCameraTM() = 0;
    virtual int Width() = 0;
    virtual int Height() = 0;
};
