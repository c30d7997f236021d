#include "hostsdk/Notify.h"

#include "HostState.h"

#include <algorithm>

int RegisterNotification(NOTIFYPROC proc, void* param, int code)
{
    if (!proc)
        return 0;
    hostsdk::HostState& s = hostsdk::State();
    for (const hostsdk::Registration& r : s.registrations)
        if (r.proc == proc && r.param == param && r.code == code)
            return 1;
    s.registrations.push_back(hostsdk::Registration{proc, param, code, s.nextSerial++});
    return 1;
}

int UnRegisterNotification(NOTIFYPROC proc, void* param, int code)
{
    auto& list = hostsdk::State().registrations;
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const hostsdk::Registration& r)
                                 { return r.proc == proc && r.param == param && r.code == code; });
    if (it == list.end())
        return 0;
    list.erase(it);
    return 1;
}

void BroadcastNotification(int code, void* callParam)
{
    hostsdk::HostState& s = hostsdk::State();
    s.sentNotifications.push_back(code);
    // Registrations may change while callbacks run: call those of the snapshot that still exist.
    std::vector<unsigned long> serials;
    for (const hostsdk::Registration& r : s.registrations)
        if (r.code == code)
            serials.push_back(r.serial);
    for (unsigned long serial : serials)
    {
        const auto it = std::find_if(s.registrations.begin(), s.registrations.end(),
                                     [serial](const hostsdk::Registration& r) { return r.serial == serial; });
        if (it == s.registrations.end())
            continue;
        NotifyInfo info;
        info.intcode = code;
        info.callParam = callParam;
        const NOTIFYPROC proc = it->proc;
        void* const param = it->param;
        proc(param, &info);
    }
}
