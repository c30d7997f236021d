#pragma once
// Records every message of the sink while it lives, and restores dropping afterwards. Also empties
// the store, the selection and the settings around each test that uses it.

#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"

#include <algorithm>
#include <string>
#include <vector>

class MessageLog
{
public:
    MessageLog()
    {
        ZANRET::Debug::SetMessageHook(
            [this](ZANRET::DEBUG_TYPE type, const wchar_t* text) {
                m_messages.push_back({type, text});
            });
    }
    ~MessageLog() { ZANRET::Debug::SetMessageHook({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    const std::vector<ZANRET::DebugRecord>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }
    int Count(ZANRET::DEBUG_TYPE type, const std::wstring& text) const
    {
        return static_cast<int>(std::count_if(m_messages.begin(), m_messages.end(),
                                              [&](const auto& m)
                                              { return m.type == type && m.text == text; }));
    }
    // The only message since the last Clear is exactly this one.
    bool Only(ZANRET::DEBUG_TYPE type, const std::wstring& text) const
    {
        return m_messages.size() == 1 && m_messages[0].type == type && m_messages[0].text == text;
    }
    int CountOfType(ZANRET::DEBUG_TYPE type) const
    {
        return static_cast<int>(std::count_if(m_messages.begin(), m_messages.end(),
                                              [&](const auto& m) { return m.type == type; }));
    }

private:
    std::vector<ZANRET::DebugRecord> m_messages;
};

// Starts and ends each test with an empty store and selection and no settings object.
class CleanModel
{
public:
    CleanModel() { Reset(); }
    ~CleanModel() { Reset(); }

private:
    static void Reset()
    {
        ZANRET::Debug::SetMessageHook({});
        ZANRET::Data2::Reset();
        ZANRET::Selection2::Clear();
        if (ZANRET::Settings::GetSingleton())
            ZANRET::Settings::FreeSettings();
    }
};
