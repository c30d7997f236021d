#pragma once
// Points LOCALAPPDATA at a folder for the life of the object, so the settings file lands there.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

class LocalAppData
{
public:
    explicit LocalAppData(const std::filesystem::path& folder)
    {
        if (const char* old = std::getenv("LOCALAPPDATA"))
            m_old = old;
        setenv("LOCALAPPDATA", folder.c_str(), 1);
    }
    ~LocalAppData()
    {
        if (m_old)
            setenv("LOCALAPPDATA", m_old->c_str(), 1);
        else
            unsetenv("LOCALAPPDATA");
    }
    LocalAppData(const LocalAppData&) = delete;
    LocalAppData& operator=(const LocalAppData&) = delete;

private:
    std::optional<std::string> m_old;
};
