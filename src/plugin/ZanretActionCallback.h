#pragma once
// Performs the plug-in's action: every action of the table opens the manager.

#include "hostsdk/Actions.h"

namespace ZANRET
{
class ZanretActionCallback : public ActionCallback
{
public:
    // Opens the manager window (loading the repository first when needed). TRUE for any id.
    BOOL ExecuteAction(int id) override;
};
} // namespace ZANRET
