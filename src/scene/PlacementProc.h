#pragma once
// The placement mode's mouse procedure: left clicks, free moves and right clicks drive placement.

#include "hostsdk/CommandMode.h"

namespace ZANRET
{
class PlacementProc : public MouseCallBack
{
public:
    // Answers TRUE to every message.
    int proc(HWND hwnd, int msg, int point, int flags, IPoint2 m) override;
};
} // namespace ZANRET
