#pragma once
// The existence tests that the catalogue reader, validation and the window share. A folder outside
// the repository is not there, whatever the disk holds: a catalogue must not make the system look
// elsewhere.

#include <string>

namespace ZANRET::RepositoryFiles
{
// An existing file that is no folder.
bool FileExists(const std::wstring& path);
// An existing folder whose path stays in the repository; never for a null repository path.
bool FolderExists(const wchar_t* repositoryPath, const std::wstring& path);
} // namespace ZANRET::RepositoryFiles
