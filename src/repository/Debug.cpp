#include "repository/Debug.h"

#include <new>

namespace ZANRET
{
namespace
{
std::vector<DebugRecord>* debugList = nullptr;

Debug::MessageHook& Hook()
{
    static Debug::MessageHook hook;
    return hook;
}
} // namespace

void Debug::AddDebugMessage(DEBUG_TYPE type, const wchar_t* text)
{
    if (Hook())
        Hook()(type, text ? text : L"");
}

void Debug::CreateDebugList()
{
    // A list made earlier would leak if replaced.
    FreeDebugList();
    debugList = new (std::nothrow) std::vector<DebugRecord>();
}

void Debug::FreeDebugList()
{
    delete debugList;
    debugList = nullptr;
}

const std::vector<DebugRecord>* Debug::GetDebugList()
{
    return debugList;
}

void Debug::SetMessageHook(MessageHook hook)
{
    Hook() = std::move(hook);
}
} // namespace ZANRET
