#pragma once
// File assets: the paths of files that materials and maps use.

#include "hostsdk/Text.h"

namespace MaxSDK::AssetManagement
{
enum AssetType
{
    kOtherAsset = 0,
    kBitmapAsset = 1,
};

// A reference to a file asset: its path and type. A copy refers to the same asset.
class AssetUser
{
public:
    AssetUser() = default;
    AssetUser(const MCHAR* fileName, AssetType type) : m_fileName(fileName), m_type(type) {}
    // The present file path (may be empty).
    const MSTR& GetFileName() const { return m_fileName; }
    AssetType GetType() const { return m_type; }
    bool operator==(const AssetUser& other) const
    {
        return m_fileName == other.m_fileName && m_type == other.m_type;
    }

private:
    MSTR m_fileName;
    AssetType m_type = kOtherAsset;
};

class IAssetManager
{
public:
    static IAssetManager* GetInstance();
    // The asset of a path; the file is not checked for existence.
    AssetUser GetAsset(const MCHAR* fileName, AssetType type, bool autoAcquire = true);
    AssetUser GetAsset(const MSTR& fileName, AssetType type, bool autoAcquire = true)
    {
        return GetAsset(fileName.data(), type, autoAcquire);
    }
};
} // namespace MaxSDK::AssetManagement
