#include "scene/SceneEvents.h"

#include "repository/Debug.h"
#include "scene/ObjectDatabase.h"

#include "hostsdk/INode.h"

namespace ZANRET
{
namespace SceneEvents
{
void Register()
{
    RegisterNotification(OnPostNew, nullptr, NOTIFY_SYSTEM_POST_NEW);
    RegisterNotification(OnPostOpen, nullptr, NOTIFY_FILE_POST_OPEN);
    RegisterNotification(OnPreNodeDelete, nullptr, NOTIFY_SCENE_PRE_DELETED_NODE);
}

void Unregister()
{
    UnRegisterNotification(OnPostNew, nullptr, NOTIFY_SYSTEM_POST_NEW);
    UnRegisterNotification(OnPostOpen, nullptr, NOTIFY_FILE_POST_OPEN);
    UnRegisterNotification(OnPreNodeDelete, nullptr, NOTIFY_SCENE_PRE_DELETED_NODE);
}

void OnPostNew(void*, NotifyInfo*)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"new max scene...");
    ObjectDatabase::Clear();
}

void OnPostOpen(void*, NotifyInfo* info)
{
    // Without a parameter there is no sign of a plain open: the store stays.
    if (!info || !info->callParam)
        return;
    if (*static_cast<const int*>(info->callParam) != 0)
        return;
    Debug::AddDebugMessage(DEBUG_INFO, L"open max file...");
    ObjectDatabase::Clear();
}

void OnPreNodeDelete(void*, NotifyInfo* info)
{
    if (!info || !info->callParam)
        return;
    auto* node = static_cast<INode*>(info->callParam);
    Debug::AddDebugMessage(DEBUG_INFO, L"PreNodeDelete");
    Object* object = node->GetObjectRef();
    if (!object)
        return;
    Debug::AddDebugMessage(DEBUG_INFO, L"got obj...");
    ObjectDatabase::Release(object);
}
} // namespace SceneEvents
} // namespace ZANRET
