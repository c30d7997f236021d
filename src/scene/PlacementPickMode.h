#pragma once
// The node filter of the placement's surface pick.

#include "hostsdk/CommandMode.h"

namespace ZANRET
{
class PlacementPickMode : public PickNodeCallback
{
public:
    ~PlacementPickMode() override = default;
    BOOL Filter(INode* node) override;
};
} // namespace ZANRET
