#include "repository/AssetMatrix.h"

#include <algorithm>

namespace ZANRET
{
std::uint32_t AssetMatrix::IdIndex(std::wstring_view id) const
{
    const auto it = m_index.find(id);
    return it == m_index.end() ? kNoId : it->second;
}

std::uint32_t AssetMatrix::AddId(std::wstring_view id)
{
    if (const std::uint32_t index = IdIndex(id); index != kNoId)
        return index;
    const auto index = static_cast<std::uint32_t>(m_ids.size());
    m_ids.emplace_back(id);
    try
    {
        m_index.emplace(m_ids.back(), index);
    }
    catch (...)
    {
        m_ids.pop_back();
        throw;
    }
    return index;
}

void AssetMatrix::Add(std::wstring_view poseId, std::wstring_view assetId, const float (&values)[6])
{
    Record record{};
    record.pose = AddId(poseId);
    record.asset = m_lastAsset != kNoId && m_ids[m_lastAsset] == assetId ? m_lastAsset : AddId(assetId);
    m_lastAsset = record.asset;
    std::copy(values, values + 6, record.values);
    m_records.push_back(record);
}

void AssetMatrix::Add(std::span<const std::wstring> ids, std::span<const AssetMatrixRecord> records)
{
    std::vector<std::uint32_t> places(ids.size(), kNoId);
    const auto place = [&](std::uint32_t id)
    {
        if (places[id] == kNoId)
            places[id] = AddId(ids[id]);
        return places[id];
    };
    m_records.reserve(m_records.size() + records.size());
    for (const AssetMatrixRecord& record : records)
    {
        Record added = record;
        added.pose = place(record.pose);
        added.asset = place(record.asset);
        m_records.push_back(added);
    }
}

const AssetMatrixElement* AssetMatrix::Find(std::wstring_view poseId, std::wstring_view assetId) const
{
    const std::uint32_t pose = IdIndex(poseId);
    const std::uint32_t asset = IdIndex(assetId);
    if (pose == kNoId || asset == kNoId)
        return nullptr;
    for (std::size_t i = 0; i < m_records.size(); ++i)
    {
        const Record& record = m_records[i];
        if (record.asset != asset || record.pose != pose)
            continue;
        const auto [it, made] = m_found.try_emplace(i);
        if (made)
        {
            const float* v = record.values;
            it->second = AssetMatrixElement{m_ids[pose], m_ids[asset], v[0], v[1], v[2], v[3], v[4], v[5]};
        }
        return &it->second;
    }
    return nullptr;
}
} // namespace ZANRET
