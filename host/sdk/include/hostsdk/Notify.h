#pragma once
// Scene notifications, sent synchronously to every registration of their code.

#include "hostsdk/Types.h"

constexpr int NOTIFY_SYSTEM_POST_NEW = 0x0008;
constexpr int NOTIFY_FILE_POST_OPEN = 0x000A;
constexpr int NOTIFY_SCENE_PRE_DELETED_NODE = 0x0044;

struct NotifyInfo
{
    int intcode = 0;
    void* callParam = nullptr;
};

using NOTIFYPROC = void (*)(void* param, NotifyInfo* info);

// Registers proc for code; the same (proc, param, code) twice is one registration. Non-zero on
// success.
int RegisterNotification(NOTIFYPROC proc, void* param, int code);
// Removes the registration; non-zero when there was one.
int UnRegisterNotification(NOTIFYPROC proc, void* param, int code);
// Sends code with callParam to every registration, in the order they were made. A registration
// removed during the broadcast is not called any more.
void BroadcastNotification(int code, void* callParam = nullptr);
