#pragma once
// Keeps the proxy instance store in step with the scene through three host notifications.

#include "hostsdk/Notify.h"

namespace ZANRET
{
namespace SceneEvents
{
// Registers OnPostNew (8), OnPostOpen (10) and OnPreNodeDelete (0x44), in this order.
void Register();
// Removes the same three registrations, in the same order.
void Unregister();

// After a new scene: the store is emptied.
void OnPostNew(void* param, NotifyInfo* info);
// After a file was opened: the store is emptied when the call parameter points to 0.
void OnPostOpen(void* param, NotifyInfo* info);
// Before a node is deleted: its object reference is released from the store.
void OnPreNodeDelete(void* param, NotifyInfo* info);
} // namespace SceneEvents
} // namespace ZANRET
