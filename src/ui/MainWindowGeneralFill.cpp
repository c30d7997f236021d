#include "ui/MainWindowGeneralFill.h"

#include "repository/DataContainer.h"
#include "repository/RepositoryLayout.h"
#include "repository/Settings.h"

#include <utility>

namespace ZANRET::MainWindowGeneralFill
{
std::wstring Field(const DataContainer* element, const wchar_t* name)
{
    if (!element)
    {
        return {};
    }
    bool found = false;
    const wchar_t* value = element->GetData(name, &found);
    return found && value ? std::wstring(value) : std::wstring();
}

QString ToQString(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

QString ToQString(const std::wstring& text)
{
    return QString::fromWCharArray(text.c_str(), static_cast<qsizetype>(text.size()));
}

std::wstring RepositoryPath()
{
    const wchar_t* path = Settings::GetPath();
    return path ? std::wstring(path) : std::wstring();
}

namespace
{
// Empty when there is no cloth, cloth id or pose to form it from.
std::wstring ClothMeshFile(const std::wstring& characterFolder, const DataContainer* cloth,
                           const wchar_t* clothId, const DataContainer* pose)
{
    if (!cloth || !clothId || !pose)
    {
        return {};
    }
    return RepositoryLayout::ClothMeshFile(characterFolder, Field(cloth, L"folder"), clothId,
                                           Field(pose, L"id"));
}
} // namespace

bool ClothMeshExists(const std::wstring& characterFolder, const DataContainer* cloth, const wchar_t* clothId,
                     const DataContainer* pose)
{
    const std::wstring path = ClothMeshFile(characterFolder, cloth, clothId, pose);
    return !path.empty() && FileExists(path);
}

bool ClothMeshTests::Exists(const std::wstring& characterFolder, const DataContainer* cloth,
                            const wchar_t* clothId, const DataContainer* pose)
{
    std::wstring path = ClothMeshFile(characterFolder, cloth, clothId, pose);
    if (path.empty())
    {
        return false;
    }
    if (path != m_path)
    {
        m_exists = FileExists(path);
        m_path = std::move(path);
    }
    return m_exists;
}

QString BuyLink(const DataContainer* pose, const wchar_t* clothId)
{
    return ToQString(Field(pose, L"url")) + QStringLiteral("&gid=") + ToQString(clothId);
}
} // namespace ZANRET::MainWindowGeneralFill
