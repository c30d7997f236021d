#include "repository/xml/XmlMatrixIds.h"

#include <algorithm>
#include <cstring>
#include <new>

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

bool Same(const XmlMatrixId& id, std::string_view text)
{
    return id.length == text.size() && std::memcmp(id.text, text.data(), text.size()) == 0;
}
} // namespace

void XmlMatrixIds::Restart()
{
    m_ids.clear();
    std::fill(m_slots.begin(), m_slots.end(), 0u);
}

bool XmlMatrixIds::Grow()
{
    try
    {
        std::vector<std::uint32_t> slots(m_slots.empty() ? 64 : 2 * m_slots.size(), 0u);
        const std::size_t mask = slots.size() - 1;
        for (std::size_t place = 0; place < m_ids.size(); ++place)
        {
            std::size_t slot = Hash({m_ids[place]->text, m_ids[place]->length}) & mask;
            while (slots[slot] != 0)
                slot = (slot + 1) & mask;
            slots[slot] = static_cast<std::uint32_t>(place + 1);
        }
        m_slots.swap(slots);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

std::uint32_t XmlMatrixIds::Place(std::string_view text)
{
    // At most half the slots are taken, so that a search ends soon.
    if (2 * (m_ids.size() + 1) > m_slots.size() && !Grow())
        return XmlMatrixRecord::kNoId;
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = Hash(text) & mask;
    for (; m_slots[slot] != 0; slot = (slot + 1) & mask)
    {
        if (Same(*m_ids[m_slots[slot] - 1], text))
            return m_slots[slot] - 1;
    }
    auto* id = m_arena.New<XmlMatrixId>();
    const char* copy = id ? m_arena.Copy(text) : nullptr;
    if (!copy || m_ids.size() >= XmlMatrixRecord::kNoId - 1)
        return XmlMatrixRecord::kNoId;
    id->text = copy;
    id->length = static_cast<std::uint32_t>(text.size());
    try
    {
        m_ids.push_back(id);
    }
    catch (const std::bad_alloc&)
    {
        return XmlMatrixRecord::kNoId;
    }
    if (m_ids.size() > 1)
        m_ids[m_ids.size() - 2]->next = id;
    m_slots[slot] = static_cast<std::uint32_t>(m_ids.size());
    return static_cast<std::uint32_t>(m_ids.size() - 1);
}
} // namespace ZANRET
