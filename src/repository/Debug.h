#pragma once
// The one sink for the messages of every component. Messages are dropped: nothing is stored or
// shown. Tests watch them through SetMessageHook.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ZANRET
{
enum DEBUG_TYPE : std::int32_t
{
    DEBUG_INFO = 0,
    DEBUG_WARNING = 1,
    DEBUG_ERROR = 2,
};

struct DebugRecord
{
    DEBUG_TYPE type;
    std::wstring text;
};

namespace Debug
{
using MessageHook = std::function<void(DEBUG_TYPE, const wchar_t*)>;
// The messages of work done off the calling thread, kept in order until that thread passes them on.
using MessageList = std::vector<DebugRecord>;

// Drops the message (after passing it to the hook, if one is set). A null text is allowed.
void AddDebugMessage(DEBUG_TYPE type, const wchar_t* text);
// Keeps the message in the list, or passes it on at once when there is no list.
void AddDebugMessage(MessageList* kept, DEBUG_TYPE type, const wchar_t* text);
// Passes the kept messages on in their order.
void AddDebugMessages(const MessageList& kept);

// The message list lives from plug-in start to stop and stays empty.
void CreateDebugList();
void FreeDebugList();
// The list, or null when it is not made. For inspection only.
const std::vector<DebugRecord>* GetDebugList();

// Test seam: every message is also given to the hook. An empty hook restores plain dropping.
void SetMessageHook(MessageHook hook);

// While it lives, the messages are held back rather than given to the hook, until they are
// delivered in their order or dropped (which its end does to what is still held): a reader that
// works ahead of knowing whether its input is sound says nothing until it knows.
class HeldMessages
{
public:
    HeldMessages();
    ~HeldMessages();
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

    // Gives the held messages to the hook and stops holding.
    void Deliver();
    // Forgets the held messages and stops holding.
    void Drop();

private:
    MessageList m_messages;
    HeldMessages* m_outer; // a hold that this one interrupts, which holds what this one delivers

    friend void AddDebugMessage(DEBUG_TYPE type, const wchar_t* text);
};
} // namespace Debug
} // namespace ZANRET
