#include "repository/Utf16Order.h"

#include <cstdint>

namespace ZANRET
{
namespace
{
// Walks a wide text as the UTF-16 code units it would be stored as.
class Utf16Units
{
public:
    explicit Utf16Units(std::wstring_view text) : m_text(text) {}

    // False at the end of the text.
    bool Next(std::uint32_t& unit)
    {
        if (m_pendingTrail != 0)
        {
            unit = m_pendingTrail;
            m_pendingTrail = 0;
            return true;
        }
        if (m_index >= m_text.size())
            return false;
        const auto c = static_cast<std::uint32_t>(m_text[m_index++]);
        if (c >= 0x10000 && c <= 0x10FFFF)
        {
            const std::uint32_t v = c - 0x10000;
            unit = 0xD800 + (v >> 10);
            m_pendingTrail = 0xDC00 + (v & 0x3FF);
            return true;
        }
        // Values beyond Unicode cannot be stored in UTF-16; they sort after everything else.
        unit = c;
        return true;
    }

private:
    std::wstring_view m_text;
    std::size_t m_index = 0;
    std::uint32_t m_pendingTrail = 0;
};
} // namespace

int CompareUtf16(std::wstring_view left, std::wstring_view right)
{
    // Equal code points are equal code units: the first difference decides, and below the
    // surrogates a code point is its own first unit, as it is lower than any other first unit.
    const std::size_t shorter = left.size() < right.size() ? left.size() : right.size();
    std::size_t common = 0;
    while (common < shorter && left[common] == right[common])
        ++common;
    if (common == shorter)
        return left.size() < right.size() ? -1 : (left.size() > right.size() ? 1 : 0);
    const auto first = static_cast<std::uint32_t>(left[common]);
    const auto second = static_cast<std::uint32_t>(right[common]);
    if (first < 0xD800 || second < 0xD800)
        return first < second ? -1 : 1;
    Utf16Units a(left.substr(common));
    Utf16Units b(right.substr(common));
    for (;;)
    {
        std::uint32_t ua = 0;
        std::uint32_t ub = 0;
        const bool hasA = a.Next(ua);
        const bool hasB = b.Next(ub);
        if (!hasA || !hasB)
            return hasA ? 1 : (hasB ? -1 : 0);
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
}
} // namespace ZANRET
