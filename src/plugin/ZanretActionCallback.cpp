#include "plugin/ZanretActionCallback.h"

#include "plugin/Commands.h"
#include "repository/Debug.h"

namespace ZANRET
{
BOOL ZanretActionCallback::ExecuteAction(int)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"Action called...");
    Commands::CallMainWindow();
    return TRUE;
}
} // namespace ZANRET
