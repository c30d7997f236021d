#include "repository/AssetMatrixIds.h"

namespace ZANRET
{
namespace
{
std::uint32_t Hash(std::string_view text)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}
} // namespace

void AssetMatrixIds::Grow()
{
    std::vector<std::uint32_t> slots(m_slots.empty() ? 64 : 2 * m_slots.size(), 0u);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t place = 0; place < m_ids.size(); ++place)
    {
        std::size_t slot = Hash(m_ids[place]) & mask;
        while (slots[slot] != 0)
            slot = (slot + 1) & mask;
        slots[slot] = static_cast<std::uint32_t>(place + 1);
    }
    m_slots.swap(slots);
}

std::uint32_t AssetMatrixIds::Place(std::string_view text)
{
    // At most half the slots are taken, so that a search ends soon.
    if (2 * (m_ids.size() + 1) > m_slots.size())
        Grow();
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = Hash(text) & mask;
    for (; m_slots[slot] != 0; slot = (slot + 1) & mask)
    {
        if (m_ids[m_slots[slot] - 1] == text)
            return m_slots[slot] - 1;
    }
    m_ids.push_back(text);
    m_slots[slot] = static_cast<std::uint32_t>(m_ids.size());
    return static_cast<std::uint32_t>(m_ids.size() - 1);
}
} // namespace ZANRET
