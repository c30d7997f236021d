#pragma once
// Stands in for the manager window's entry functions in the command tests: every call is recorded
// by name, and a test may have a call do something (as the window calls commands back while it
// rebuilds).

#include <functional>
#include <map>
#include <string>
#include <vector>

class RecordingMainWindow
{
public:
    RecordingMainWindow();
    ~RecordingMainWindow();
    RecordingMainWindow(const RecordingMainWindow&) = delete;
    RecordingMainWindow& operator=(const RecordingMainWindow&) = delete;

    const std::vector<std::string>& Calls() const { return m_calls; }
    int Count(const std::string& entry) const;
    void Clear() { m_calls.clear(); }
    // Runs action inside every later call of entry ("RebuildTabs", ...).
    void OnCall(const std::string& entry, std::function<void()> action)
    {
        m_actions[entry] = std::move(action);
    }

    void Record(const std::string& entry);

private:
    std::vector<std::string> m_calls;
    std::map<std::string, std::function<void()>> m_actions;
};
