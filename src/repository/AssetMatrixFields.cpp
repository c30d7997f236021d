#include "repository/AssetMatrixFields.h"

#include "repository/Debug.h"

namespace ZANRET::AssetMatrixFields
{
bool Announce(const bool (&given)[FIELD_COUNT])
{
    Debug::AddDebugMessage(DEBUG_INFO, L"add asset matrix element...");
    for (int field = 0; field < FIELD_COUNT; ++field)
    {
        if (given[field])
            continue;
        Debug::AddDebugMessage(DEBUG_WARNING, L"Missing datafield:");
        Debug::AddDebugMessage(DEBUG_WARNING, kWideNames[field]);
        if (field == POSE_ID || field == ASSET_ID)
            return false;
    }
    return true;
}
} // namespace ZANRET::AssetMatrixFields
