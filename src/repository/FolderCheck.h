#pragma once
// The test of validation for the folders of many elements below one base path: a folder is there
// when its path stays in the repository and names an existing directory. Each path is formed in
// buffers kept for the next one, and only its part after the base is mapped to a native path.

#include <cstddef>
#include <string>
#include <string_view>

namespace ZANRET
{
class FolderCheck
{
public:
    // The text that every path begins with, up to the element's folder.
    explicit FolderCheck(std::wstring base);

    // Whether <base><folder> is there; never for a null repository path.
    bool Exists(const wchar_t* repositoryPath, std::wstring_view folder);

private:
    std::wstring m_path;
    std::size_t m_baseLength;
    std::string m_native;
    std::size_t m_nativeBaseLength;
};
} // namespace ZANRET
