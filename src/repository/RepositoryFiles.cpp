#include "repository/RepositoryFiles.h"

#include "repository/Data2.h"
#include "repository/RepositoryLayout.h"

#include "win32/fileapi.h"

namespace ZANRET::RepositoryFiles
{
bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const wchar_t* repositoryPath, const std::wstring& path)
{
    return repositoryPath && RepositoryLayout::StaysInRepository(repositoryPath, path) &&
           Data2::DirectoryExists(path.c_str());
}
} // namespace ZANRET::RepositoryFiles
