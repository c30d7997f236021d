#include "repository/FolderCheck.h"

#include "repository/RepositoryLayout.h"

#include "win32/fileapi.h"
#include "win32/path.h"

namespace ZANRET
{
FolderCheck::FolderCheck(std::wstring base) : m_path(std::move(base)), m_baseLength(m_path.size())
{
    win32::AppendNativePath(m_native, m_path);
    m_nativeBaseLength = m_native.size();
}

bool FolderCheck::Exists(const wchar_t* repositoryPath, std::wstring_view folder)
{
    if (!repositoryPath)
        return false;
    m_path.resize(m_baseLength);
    m_path.append(folder);
    if (!RepositoryLayout::StaysInRepository(repositoryPath, m_path))
        return false;
    m_native.resize(m_nativeBaseLength);
    win32::AppendNativePath(m_native, folder);
    const DWORD attributes = win32::NativeFileAttributes(m_native.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
} // namespace ZANRET
