#pragma once
// What the tab pages read from the model while they fill: field texts, file tests, the
// availability of an element for the selected cloth and pose, and its buy link.

#include "repository/RepositoryFiles.h"

#include <QString>

#include <string>

namespace ZANRET
{
class DataContainer;

namespace MainWindowGeneralFill
{
// A field's text; a missing field (or a null element) reads as empty.
std::wstring Field(const DataContainer* element, const wchar_t* name);
// A null text reads as empty.
QString ToQString(const wchar_t* text);
QString ToQString(const std::wstring& text);
// A file (not a folder) exists at the repository path.
using RepositoryFiles::FileExists;
// The repository path, empty when the settings are not loaded.
std::wstring RepositoryPath();

// An element can be chosen only when the cloth has a mesh for the pose:
// <character folder>\<cloth folder>\<cloth id>_<pose id>.vrmesh
bool ClothMeshExists(const std::wstring& characterFolder, const DataContainer* cloth, const wchar_t* clothId,
                     const DataContainer* pose);
// The same test for the elements of one page fill, which all ask about the selected pose's mesh:
// each file is looked at once per fill.
class ClothMeshTests
{
public:
    bool Exists(const std::wstring& characterFolder, const DataContainer* cloth, const wchar_t* clothId,
                const DataContainer* pose);

private:
    std::wstring m_path;
    bool m_exists = false;
};
// The buy link of an element that cannot be chosen: the pose's "url", "&gid=" and the cloth id.
QString BuyLink(const DataContainer* pose, const wchar_t* clothId);
} // namespace MainWindowGeneralFill
} // namespace ZANRET
