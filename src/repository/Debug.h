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

// Drops the message (after passing it to the hook, if one is set). A null text is allowed.
void AddDebugMessage(DEBUG_TYPE type, const wchar_t* text);

// The message list lives from plug-in start to stop and stays empty.
void CreateDebugList();
void FreeDebugList();
// The list, or null when it is not made. For inspection only.
const std::vector<DebugRecord>* GetDebugList();

// Test seam: every message is also given to the hook. An empty hook restores plain dropping.
void SetMessageHook(MessageHook hook);
} // namespace Debug
} // namespace ZANRET
