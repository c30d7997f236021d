#include "repository/PathSegments.h"

namespace ZANRET
{
namespace
{
bool Counts(std::wstring_view segment)
{
    return !segment.empty() && segment != L".";
}
} // namespace

bool IsPathSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool PathSegments::Next(std::wstring_view& segment)
{
    while (!m_rest.empty())
    {
        std::size_t end = 0;
        while (end < m_rest.size() && !IsPathSeparator(m_rest[end]))
            ++end;
        segment = m_rest.substr(0, end);
        m_rest.remove_prefix(end == m_rest.size() ? end : end + 1);
        if (Counts(segment))
            return true;
    }
    return false;
}

bool PathSegments::Previous(std::wstring_view& segment)
{
    while (!m_rest.empty())
    {
        std::size_t start = m_rest.size();
        while (start > 0 && !IsPathSeparator(m_rest[start - 1]))
            --start;
        segment = m_rest.substr(start);
        m_rest.remove_suffix(start == 0 ? m_rest.size() : m_rest.size() - start + 1);
        if (Counts(segment))
            return true;
    }
    return false;
}
} // namespace ZANRET
