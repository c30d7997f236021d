#pragma once
// The pose and asset ids of one asset-matrix section while the reader takes its records: a section
// holds hundreds of records over a few dozen ids, so each text gets a place once and is found again
// by its hash. The texts are not copied; they must outlive this.

#include <cstdint>
#include <string_view>
#include <vector>

namespace ZANRET
{
class AssetMatrixIds
{
public:
    // The place of the text among the section's ids, added on first use.
    std::uint32_t Place(std::string_view text);
    // The section's ids in the order of their places.
    const std::vector<std::string_view>& Texts() const { return m_ids; }

private:
    void Grow();

    std::vector<std::uint32_t> m_slots; // place + 1, or 0 for none; a power of two of them
    std::vector<std::string_view> m_ids;
};
} // namespace ZANRET
