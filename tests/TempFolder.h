#pragma once
// A temporary folder for one test, removed with everything in it when the test ends.

#include <filesystem>
#include <fstream>
#include <string>

class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zanret-test-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The folder as a wide string ending in a backslash, as the plug-in forms repository paths.
    std::wstring WidePath() const { return m_path.wstring() + L"\\"; }

    void MakeFolder(const std::string& relative) const { std::filesystem::create_directories(m_path / relative); }
    void WriteFile(const std::string& relative, const std::string& bytes) const
    {
        std::filesystem::create_directories((m_path / relative).parent_path());
        std::ofstream(m_path / relative, std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& relative) const
    {
        std::ifstream in(m_path / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_path;
};
