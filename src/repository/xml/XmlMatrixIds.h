#pragma once
// The pose and asset ids of one "AssetMatrix" section while it is read: a section holds hundreds of
// records over a few dozen ids, so each text is kept once in the arena and found again by its hash.

#include "repository/xml/XmlArena.h"
#include "repository/xml/XmlNode.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace ZANRET
{
class XmlMatrixIds
{
public:
    explicit XmlMatrixIds(XmlArena& arena) : m_arena(arena) {}

    // Forgets the ids of the section before.
    void Restart();
    // The place of the text among the section's ids, added on first use; kNoId without memory.
    std::uint32_t Place(std::string_view text);
    // The section's ids in the order of their places; null for none.
    const XmlMatrixId* First() const { return m_ids.empty() ? nullptr : m_ids.front(); }

private:
    bool Grow();

    XmlArena& m_arena;
    std::vector<std::uint32_t> m_slots; // place + 1, or 0 for none; a power of two of them
    std::vector<XmlMatrixId*> m_ids;
};
} // namespace ZANRET
