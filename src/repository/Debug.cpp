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

Debug::HeldMessages* held = nullptr;
} // namespace

void Debug::AddDebugMessage(DEBUG_TYPE type, const wchar_t* text)
{
    if (!Hook())
        return;
    // A hold that delivered or dropped is no longer the one held.
    if (held)
        held->m_messages.push_back({type, text ? text : L""});
    else
        Hook()(type, text ? text : L"");
}

Debug::HeldMessages::HeldMessages() : m_outer(held)
{
    held = this;
}

Debug::HeldMessages::~HeldMessages()
{
    held = m_outer;
}

void Debug::HeldMessages::Deliver()
{
    held = m_outer;
    MessageList messages;
    messages.swap(m_messages);
    AddDebugMessages(messages);
}

void Debug::HeldMessages::Drop()
{
    held = m_outer;
    m_messages.clear();
}

void Debug::AddDebugMessage(MessageList* kept, DEBUG_TYPE type, const wchar_t* text)
{
    if (kept)
        kept->push_back({type, text ? text : L""});
    else
        AddDebugMessage(type, text);
}

void Debug::AddDebugMessages(const MessageList& kept)
{
    for (const DebugRecord& message : kept)
        AddDebugMessage(message.type, message.text.c_str());
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
