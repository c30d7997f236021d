#pragma once
// The asset-matrix records of one character, in the order they were added. A character holds
// hundreds of records over a few dozen pose and asset ids, so each id is kept once and a record
// holds only the ids' places; a record becomes an AssetMatrixElement when it is found.

#include "repository/AssetMatrixElement.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ZANRET
{
// A record that names its pose and asset by their places in a list of ids.
struct AssetMatrixRecord
{
    std::uint32_t pose;
    std::uint32_t asset;
    float values[6];
};

class AssetMatrix
{
public:
    void Add(std::wstring_view poseId, std::wstring_view assetId, const float (&values)[6]);
    // Appends the records in order, as Add of each with its ids would.
    void Add(std::span<const std::wstring> ids, std::span<const AssetMatrixRecord> records);
    // The first record of the pose and the asset, or null. It stays valid as long as the matrix.
    const AssetMatrixElement* Find(std::wstring_view poseId, std::wstring_view assetId) const;

private:
    using Record = AssetMatrixRecord;
    static constexpr std::uint32_t kNoId = 0xFFFFFFFFu;

    std::uint32_t IdIndex(std::wstring_view id) const;
    std::uint32_t AddId(std::wstring_view id);

    std::vector<Record> m_records;
    std::deque<std::wstring> m_ids; // where the index's views point: its texts never move
    std::unordered_map<std::wstring_view, std::uint32_t> m_index;
    std::uint32_t m_lastAsset = kNoId; // records come in runs of one asset
    mutable std::map<std::size_t, AssetMatrixElement> m_found;
};
} // namespace ZANRET
